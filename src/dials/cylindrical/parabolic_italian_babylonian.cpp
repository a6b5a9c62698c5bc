// Declination lines, Italian and Babylonian hours of the parabolic dial, and the triangle of the
// style.
//
// The sun's rays through the tip on a day of declination delta form a double cone round the polar
// axis; each vertical generatrix meets it in up to two points, one on the line of +delta and one
// on that of -delta, drawn together in one colour (drawDeclinationLines).
// The Italian hours are the horizon turned about the polar axis by alpha from 0 to 180 degrees
// towards the east (the sunset side), the Babylonian hours from -180 to 0 (the sunrise side)
// (drawTurnedHorizons); every point is drawn at its own developed abscissa.

#include <cmath>

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/parabolic_procedures.h"
#include "dials/geometry_names.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawParabolicDeclinationLines(shell::Context& ctx, const ParabolicFrame& f) {
    // The solstices and the limits of the zodiac months.
    drawDeclinationLines(ctx, parabolicSweep(ctx, f, -1, 1), 20.001, 11.5001);
}

void DrawParabolicItalianHours(shell::Context& ctx, const ParabolicFrame& f) {
    drawTurnedHorizons(ctx, parabolicSweep(ctx, f, -1, 1), ctx.m.HourLoop, true, 0, 0);
}

void DrawParabolicBabylonianHours(shell::Context& ctx, const ParabolicFrame& f) {
    drawTurnedHorizons(ctx, parabolicSweep(ctx, f, -1, 1), ctx.m.HourLoop, false, -180, 0);
}

void DrawParabolicStyleTriangle(shell::Context& ctx, const ParabolicFrame& f) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    // The triangle stands on the horizon beside the noon generatrix: its vertical side, on the
    // generatrix, rises to where the polar style meets the surface; its base is TipOffset long.
    m.PlaneCoefX = f.xt + f.u0;
    numeric::skip([&] {
        m.GeneratrixAbscissa = f.A(m.PlaneCoefX) - f.Au0;
        const double N = m.GeneratrixAbscissa, T = m.TipOffset;
        const double top = numeric::checkFinite(-T * std::tan(f.phi));
        xLineNearTheFoot(plot, N, top, N + T, 0, shell::LineColor(ctx, palette::kLightBlue));
        xLineNearTheFoot(plot, N, 0, N + T, 0, shell::LineColor(ctx, palette::kLightCyan));
    });
    DrawFoldedStyle(ctx, f.L);
}

}  // namespace dials::cylindrical
