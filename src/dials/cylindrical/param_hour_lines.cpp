// Hour, substyle and equinoctial lines of the parametric cylinder: on each generatrix, the
// height where the tangent plane's line crosses it. A plane standing almost upright (an hour a
// little off true noon, the substyle of a wall facing a little off south, the equator near the
// equator, which the programme refuses) is laid down the surface by the curve sampler.

#include <cmath>
#include <optional>

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/param_procedures.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using numeric::checkedDiv;
using param::Generatrix;

namespace {

// The tangent plane's line of an hour runs through the tangent dial's centre; it crosses the
// generatrix where the hour plane through the tip does. Its height there is taken from that plane
// (planeHeightAt): so it holds on every generatrix, also where the tangent dial's own form divides
// two vanishing quantities (its line parallel to the generatrix).
std::optional<double> hourLineHeight(const shell::Module1& m, const Generatrix& gen,
                                     const HourPlaneHalf& half) {
    return planeHeightAt(hourPlaneNormal(m.LatRad, half.hourAngle()), param::towardsTip(m, gen));
}

// The wall declination as the curves take it: the folded degrees turned to radians.
double wallDeclination(const shell::Module1& m) { return m.DeclDecimal * m.Pi / 180; }

}  // namespace

void DrawCylHourLinesParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double k = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    m.StyleLength = ctx.inputs.number("txtStilo");
    const double D = wallDeclination(m);
    const bool bothSixes = loopDrawsBothSixOClockLines(m.HourStep);
    numeric::countedLoop(m.HourCounter, -90, 90, m.HourStep, [&](double H) {
        int colourIndex = 7;
        if (H == 0) colourIndex = 12;
        if (std::fabs(H) == 90) colourIndex = 9;
        const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
        const double hour = H * m.Pi / 180 + m.ZoneCorrRad * k;
        const bool otherHalfDrawn = bothSixes && isSixOClock(H);
        const HourPlaneHalf half(m.LatRad, westward(hour), m.Pi, otherHalfDrawn);
        const Vec3 normal = hourPlaneNormal(m.LatRad, half.hourAngle());
        param::layGeneratrixCurve(
            ctx, D,
            [&](const Generatrix& gen) { return hourLineHeight(m, gen, half); },
            [&](const Vec3& sun) { return half.keeps(sun); }, colour,
            CylinderShadow::from(m).shadowTurns(
                planeLineEndSuns(m.LatRad, normal, half, !otherHalfDrawn, m.Pi), m.Pi));
    });
}

void DrawCylSubstyleParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.StyleLength = ctx.inputs.number("txtStilo");
    const double D = wallDeclination(m);
    // The hour angle of the wall's substyle; its line passes through the foot of the style.
    m.HourCounter =
        std::atan(checkedDiv(-std::tan(m.WallDeclRad), std::sin(m.LatRad))) * 180 / m.Pi;
    const numeric::Colour colour = shell::LineColor(ctx, 9);
    // Of the cut, what the hour line of the substyle's hour keeps.
    const std::optional<HourPlaneHalf> half = substyleHalf(m.LatRad, m.WallDeclRad, m.Pi);
    if (!half) return;
    param::layGeneratrixCurve(
        ctx, D,
        [&](const Generatrix& gen) { return hourLineHeight(m, gen, *half); },
        [&](const Vec3& sun) { return half->keeps(sun); }, colour,
        CylinderShadow::from(m).shadowTurns(substyleEndSuns(m.LatRad, half, m.Pi), m.Pi));
}

void DrawCylEquinoctialParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.StyleLength = ctx.inputs.number("txtStilo");
    const double D = wallDeclination(m);
    const numeric::Colour colour = shell::LineColor(ctx, 9);
    // Where the equatorial plane through the tip crosses the generatrix (X = 0).
    param::layGeneratrixCurve(
        ctx, D,
        [&](const Generatrix& gen) -> std::optional<double> {
            return std::tan(gen.A) * gen.w -
                   checkedDiv(gen.g * std::tan(gen.e), std::cos(gen.A));
        },
        everySunKept, colour,
        CylinderShadow::from(m).shadowTurns(horizonSuns(celestialPole(m.LatRad)), m.Pi));
}

}  // namespace dials::cylindrical
