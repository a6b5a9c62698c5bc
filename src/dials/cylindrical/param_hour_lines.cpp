// Hour, substyle and equinoctial lines of the parametric cylinder: on each generatrix, the
// height where the tangent plane's line crosses it. A plane standing almost upright (an hour a
// little off true noon, the substyle of a wall facing a little off south, the equator near the
// equator, which the programme refuses) is laid down the surface by the curve sampler.
// The line of an hour runs through the tangent dial's centre; it crosses the generatrix where the
// hour plane through the tip does. Its height there is taken from that plane (layHourLine): so it
// holds on every generatrix, also where the tangent dial's own form divides two vanishing
// quantities (its line parallel to the generatrix).

#include <cmath>
#include <optional>

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/param_procedures.h"
#include "dials/six_oclock.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using numeric::checkedDiv;
using param::Generatrix;

void DrawCylHourLinesParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double k = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    const GeneratrixSweep sweep = param::generatrixSweep(ctx);
    const bool bothSixes = loopDrawsBothSixOClockLines(m.HourStep);
    numeric::countedLoop(m.HourCounter, -90, 90, m.HourStep, [&](double H) {
        const numeric::Colour colour = shell::LineColor(ctx, hourLineColourIndex(H, true));
        const double hour = H * m.Pi / 180 + m.ZoneCorrRad * k;
        // The line of true noon is the noon generatrix (DrawCylNoonLineParam).
        if (isNoon(hour)) return;
        const bool otherHalfDrawn = bothSixes && isSixOClock(H);
        layHourLine(ctx, sweep, HourPlaneHalf(m.LatRad, westward(hour), m.Pi, otherHalfDrawn),
                    !otherHalfDrawn, colour);
    });
}

void DrawCylSubstyleParam(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    // Of the cut, what the hour line of the substyle's hour keeps: its line passes through the
    // foot of the style.
    layHourLine(ctx, param::generatrixSweep(ctx), substyleHalf(m.LatRad, m.WallDeclRad, m.Pi), true,
                shell::LineColor(ctx, palette::kLightBlue));
}

void DrawCylEquinoctialParam(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightBlue);
    // Where the equatorial plane through the tip crosses the generatrix (X = 0).
    param::layGeneratrixCurve(
        ctx, m.DeclDecimal * m.Pi / 180,
        [&](const Generatrix& gen) -> std::optional<double> {
            return std::tan(gen.A) * gen.w -
                   checkedDiv(gen.g * std::tan(gen.e), std::cos(gen.A));
        },
        everySunKept, colour,
        CylinderShadow::from(m).shadowTurns(horizonSuns(celestialPole(m.LatRad)), m.Pi));
}

}  // namespace dials::cylindrical
