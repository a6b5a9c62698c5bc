// Italian and Babylonian hours of the parabolic dial, and the triangle of the style.
//
// The suns of one Italian or Babylonian hour lie on a great circle: the horizon turned about the
// polar axis by the hour angle alpha (the shared sky's turned horizon). Its plane through the tip
// cuts the cylinder in the line of that hour, at the plane's height over each generatrix
// (planeHeightAt). Italian hours take alpha from 0 to 180 degrees (the sunset side), Babylonian
// hours from -180 to 0 (the sunrise side); every point is drawn at its own developed abscissa.
//
// The turned horizon holds two kinds of suns: its half that was the setting half of the horizon
// holds the suns of the Italian hour, the rising half those of the Babylonian hour with the same
// number. Turned by beta = -alpha (hour angles west positive), the setting half holds the suns
// whose hour angle lies between beta and beta + 180 degrees. Each line keeps the points of its
// own half that a sun above the horizon casts: the horizon itself (alpha 0, the Italian hour 24
// and the Babylonian hour 0) is no line.

#include <cmath>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/parabolic_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

// settingHalf: the Italian hours (the setting half), else the Babylonian (the rising half).
void drawTurnedHorizons(shell::Context& ctx, const ParabolicFrame& f, double fromDeg,
                        double toDeg, int colourIndex, bool settingHalf) {
    shell::Module1& m = ctx.m;
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
    numeric::countedLoop(m.HourLoop, fromDeg, toDeg, 15, [&](double alpha) {
        const double turn = alpha * m.Pi / 180;
        // The own half of the horizon turned by beta = -alpha: its setting half for an Italian
        // hour, its rising half for a Babylonian one.
        const HourPlaneHalf half =
            HourPlaneHalf::ofTurnedHorizon(f.phi, westward(turn), m.Pi, settingHalf);
        const Vec3 normal = turnedHorizonNormal(f.phi, westward(turn));
        // Where the turned horizon stands almost upright, the curve sampler lays the line down
        // the surface as densely as across it.
        layParabolicCurve(
            ctx, f, -1, 1, [&](double X) { return planeHeightAt(normal, f.towardsTip(X, 0)); },
            [&](double X, double height) { return half.onOwnHalf(f.towardsTip(X, height)); },
            colour, f.shadowSamples(planeLineEndSuns(f.phi, normal, half, false, m.Pi)));
    });
}

}  // namespace

void DrawParabolicItalianHours(shell::Context& ctx, const ParabolicFrame& f) {
    drawTurnedHorizons(ctx, f, 0, 180, 12, true);
}

void DrawParabolicBabylonianHours(shell::Context& ctx, const ParabolicFrame& f) {
    drawTurnedHorizons(ctx, f, -180, 0, 13, false);
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
        xLineNearTheFoot(plot, N, top, N + T, 0, shell::LineColor(ctx, 9));
        xLineNearTheFoot(plot, N, 0, N + T, 0, shell::LineColor(ctx, 11));
    });
    DrawFoldedStyle(ctx, f.L);
}

}  // namespace dials::cylindrical
