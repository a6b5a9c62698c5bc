// Italian hours (counted from the previous sunset), Babylonian hours (from sunrise) and the
// temporary hours (twelfths of the day) of the circular cylinder by spherical trigonometry. For
// each hour number and each declination of the year the hour angle comes from the sun's
// semi-diurnal arc H0 (geometry::semiDiurnalArc); a day on which the sun does not rise or does
// not set has no point. Each line is laid by the curve sampler through the days of the year.

#include "dials/cylindrical/cyl_spherical_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"

namespace dials::cylindrical {

namespace {

// The hour angle (radians) of hour i on a day whose semi-diurnal arc is H0.
using HourOfDay = double (*)(const shell::Module1& m, int i, double H0);

void drawHours(shell::Context& ctx, int first, int last, int colour, HourOfDay hourAngle) {
    const shell::Module1& m = ctx.m;
    SetCylSphSide(ctx);
    for (int i = first; i <= last; ++i) {
        layCylSphLine(
            ctx,
            [&](double decl) -> std::optional<SunOnLine> {
                const double delta = decl * m.Pi / 180;
                const double H0 = semiDiurnalArc(m.LatRad, delta, m.Pi);
                if (!risesAndSets(H0, m.Pi)) return std::nullopt;
                return SunOnLine{hourAngle(m, i, H0), delta};
            },
            {-kInnerSolsticeDeg, kInnerSolsticeDeg, 0.05, true}, colour);
    }
}

}  // namespace

void DrawCylSphItalianHours(shell::Context& ctx) {
    drawHours(ctx, 5, 23, 12, [](const shell::Module1& m, int i, double H0) {
        return H0 + i * m.Pi / 12 - 2 * m.Pi;
    });
}

void DrawCylSphBabylonianHours(shell::Context& ctx) {
    drawHours(ctx, 1, 18, 13,
              [](const shell::Module1& m, int i, double H0) { return i * m.Pi / 12 - H0; });
}

void DrawCylSphTemporaryHours(shell::Context& ctx) {
    drawHours(ctx, 1, 12, 6,
              [](const shell::Module1&, int i, double H0) { return H0 * (i / 6.0 - 1); });
}

}  // namespace dials::cylindrical
