// Hour, substyle and equinoctial lines of the parabolic dial: each is the cut of the cylinder by
// a plane through the tip (an hour plane, which holds the polar axis, or the plane of the
// equator), so over each sample of the section its height has a closed form.
//
// The height on an hour plane is written in the frame of the convex side, where the axis
// coordinate Q runs north. On the concave side Q runs south, which turns the plane of angle h
// into that of -h: there the line of loop value H is the hour angle -H (west positive), and the
// standard-meridian correction is taken with the side sign so that it moves every line the same
// way on both sides. The lines of -90 and +90 lie in one plane, so both sides draw the same
// lines.

#include <cmath>

#include "dials/cylindrical/parabolic_procedures.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

using numeric::checkedDiv;

int hourLineColour(double H) {
    if (H == 0) return 12;
    if (H == 90) return 9;
    return 7;
}

// Samples X from -1 to 1.5 of the plane of angle h (radians) through the tip.
void drawHourPlane(shell::Context& ctx, const ParabolicFrame& f, double h,
                   numeric::Colour colour) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double sinPhi = std::sin(f.phi), cosPhi = std::cos(f.phi), tanH = std::tan(h);
    forEachSample(m, -1, 1.5, [&](double X) {
        m.PlaneCoefSaveY = f.Q(X);
        const double Z = checkedDiv((X - f.xt) - tanH * sinPhi * (m.PlaneCoefSaveY - f.yt),
                                    cosPhi * tanH);
        m.DevelopedAbscissa = f.xi(X);
        plot.xPset(m.DevelopedAbscissa, f.s * Z, colour);
    });
}

}  // namespace

void DrawParabolicHourLines(shell::Context& ctx, const ParabolicFrame& f) {
    shell::Module1& m = ctx.m;
    numeric::countedLoop(m.HourAngleRad, -90, 90, m.HourStep, [&](double H) {
        m.HourLoop = H * m.Pi / 180 - f.E * (f.s * f.Z0);
        // The line of true noon is the noon generatrix.
        if (m.HourLoop == 0) return;
        drawHourPlane(ctx, f, m.HourLoop, shell::LineColor(ctx, hourLineColour(H)));
    });
}

void DrawParabolicSubstyleLine(shell::Context& ctx, const ParabolicFrame& f) {
    shell::Module1& m = ctx.m;
    m.HourLoop = std::atan(numeric::checkedDiv(std::tan(f.Dp), std::sin(f.phi)));
    // At declination 0 the substyle is the noon generatrix.
    if (m.HourLoop == 0) return;
    drawHourPlane(ctx, f, m.HourLoop, shell::LineColor(ctx, 9));
}

void DrawParabolicEquinoctialLine(shell::Context& ctx, const ParabolicFrame& f) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, 9);
    const double tanPhi = std::tan(f.phi);
    forEachSample(m, -1, 1.5, [&](double X) {
        m.PlaneCoefSaveY = f.Q(X);
        const double Z = checkedDiv(m.PlaneCoefSaveY - f.yt, tanPhi);
        m.DevelopedAbscissa = f.xi(X);
        plot.xPset(m.DevelopedAbscissa, f.s * Z, colour);
    });
}

}  // namespace dials::cylindrical
