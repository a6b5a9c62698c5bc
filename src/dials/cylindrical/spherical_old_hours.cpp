// Italian hours (counted from the previous sunset), Babylonian hours (from sunrise) and the
// temporary hours (twelfths of the day) of the circular cylinder by spherical trigonometry. For
// each hour number and each declination of the year the hour angle comes from the sun's
// semi-diurnal arc H0, acos(-tan phi tan delta); a day on which the sun does not rise or does
// not set has no point. Each line is laid by the curve sampler through the days of the year, up
// to the day the sun only touches the horizon, where it ends. (geometry::semiDiurnalArc takes a
// day within the stored Pi's residue of touching it for one that does not rise or set: towards
// that day the line runs as the square root of the declination, and would end millimetres short
// of its end next to the pole.)

#include <cmath>
#include <optional>

#include "dials/cylindrical/cyl_spherical_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/checked.h"

namespace dials::cylindrical {

namespace {

// The semi-diurnal arc of the day of declination delta where the sun rises and sets, or only
// touches the horizon; none where it does neither.
std::optional<double> arcUpToTouching(const shell::Module1& m, double delta) {
    const double cosArc = -std::tan(m.LatRad) * std::tan(delta);
    if (!(std::fabs(cosArc) <= 1)) return std::nullopt;
    return numeric::ArcCos(cosArc, m.Pi);
}

// The hour angle (radians) of hour i on a day whose semi-diurnal arc is H0.
using HourOfDay = double (*)(const shell::Module1& m, int i, double H0);
// The semi-diurnal arc (radians) of the day on which the sun of an Italian or Babylonian hour i
// stands on the horizon.
using ArcOnHorizon = double (*)(const shell::Module1& m, int i);

// An Italian or Babylonian hour i (onHorizon given) lies on the horizon turned by i hours
// (geometry's turnedHorizonNormal): its line ends where that plane's suns cast their shadows on
// the generatrices where the shadow stops reaching the surface. A temporary hour's sun never
// stands on the horizon.
void drawHours(shell::Context& ctx, int first, int last, palette::Index colour, HourOfDay hourAngle,
               ArcOnHorizon onHorizon) {
    const shell::Module1& m = ctx.m;
    for (int i = first; i <= last; ++i) {
        CurveRange range{-kInnerSolsticeDeg, kInnerSolsticeDeg, 0.05, true};
        if (onHorizon)
            range.ends = reachLimitDeclinations(m, turnedHorizonNormal(m.LatRad, i * m.Pi / 12));
        // The days on which the sun begins not to set or not to rise, and on which the hour's
        // sun stands on the horizon: tan delta = -cos H0 / tan phi.
        const double polar = (m.Pi / 2 - std::fabs(m.LatRad)) * 180 / m.Pi;
        range.ends.insert(range.ends.end(), {-polar, polar});
        if (onHorizon && m.LatRad != 0)
            range.ends.push_back(std::atan(-std::cos(onHorizon(m, i)) / std::tan(m.LatRad)) *
                                 180 / m.Pi);
        layCylSphLine(
            ctx,
            [&](double decl) -> std::optional<SunOnLine> {
                const double delta = decl * m.Pi / 180;
                const std::optional<double> H0 = arcUpToTouching(m, delta);
                if (!H0) return std::nullopt;
                return SunOnLine{hourAngle(m, i, *H0), delta};
            },
            range, colour);
    }
}

}  // namespace

void DrawCylSphItalianHours(shell::Context& ctx) {
    // Hour i stands 24 - i hours before sunset: on the horizon at sunrise, H0 = (24 - i) 7.5.
    drawHours(
        ctx, 5, 23, palette::kLightRed,
        [](const shell::Module1& m, int i, double H0) { return H0 + i * m.Pi / 12 - 2 * m.Pi; },
        [](const shell::Module1& m, int i) { return (24 - i) * m.Pi / 24; });
}

void DrawCylSphBabylonianHours(shell::Context& ctx) {
    // Hour i stands i hours after sunrise: on the horizon at sunset, H0 = i 7.5.
    drawHours(
        ctx, 1, 18, palette::kLightMagenta,
        [](const shell::Module1& m, int i, double H0) { return i * m.Pi / 12 - H0; },
        [](const shell::Module1& m, int i) { return i * m.Pi / 24; });
}

void DrawCylSphTemporaryHours(shell::Context& ctx) {
    // A temporary hour's sun stands between sunrise and sunset.
    drawHours(
        ctx, 1, 12, palette::kBrown,
        [](const shell::Module1&, int i, double H0) { return H0 * (i / 6.0 - 1); }, nullptr);
}

}  // namespace dials::cylindrical
