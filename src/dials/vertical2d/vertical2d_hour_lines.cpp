// Hour lines: each is the straight line from the centre Z through the point where the hour
// line meets the equinoctial, drawn as one segment between dial heights +1 m and -1 m (the plot
// clips it). In the northern hemisphere the line of loop value H is the shadow line of the hour
// angle H (west positive); for a southern latitude (a wall facing north) that of -H.

#include <cmath>

#include "dials/vertical2d/vertical2d_geometry.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

int hourLineColour(double H) {
    if (H == 0) return 12;
    if (H == 90) return 9;
    return 7;
}

}  // namespace

void DrawHourLinesVert2D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    using numeric::checkedDiv;
    using numeric::checkFinite;

    const double k = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    const double correction = m.ZoneCorrRad * k * m.WorkFlag;
    const double e = m.StyleElevRad, S = m.SubstyleRad, L = m.StyleLength, P = m.PlaneCoefY;

    numeric::countedLoop(m.HourCounter, -90, 90, m.HourStep, [&](double H) {
        const numeric::Colour colour = shell::LineColor(ctx, hourLineColour(H));
        // A line whose ends cannot be computed (a line parallel to the horizon) is not drawn.
        numeric::skip([&] {
            const double h = H * m.Pi / 180 + m.SubstyleHour - correction;
            // t: tangent of the angle between the hour line and the substyle at the centre;
            // q: where the hour line meets the equinoctial, along it from the substyle.
            const double t = std::sin(e) * std::tan(h);
            const double q = checkedDiv(L, std::cos(e)) * std::tan(h);
            const double across = std::cos(S) + t * std::sin(S);
            // x0: where the line crosses the horizon y = 0; slope: dx / dy.
            const double x0 = checkedDiv(checkFinite(q - t * P), across);
            const double slope = checkedDiv(std::sin(S) - t * std::cos(S), across);
            const double x1 = checkFinite(x0 + slope), x2 = checkFinite(x0 - slope);
            m.CurveTemp2 = x1;
            m.CurveTemp3 = x2;
            plot.xLine(x1, -1, x2, 1, colour);
        });
    });
}

}  // namespace dials::vertical2d
