// The substyle, the hour line through the foot of the style, and the horizon line.

#include <cmath>

#include "dials/plot_segment.h"
#include "dials/spherical/inclined_procedures.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::spherical {

namespace {

// The hour angle of the substyle, in [0, 2 Pi). When the second term is 0 (a vertical plane at
// the equator, or any plane whose substyle is the six o'clock line) the substyle is the line of
// hour angle Pi / 2.
double substyleHourAngle(const shell::Module1& m) {
    const double phi = m.LatRad, D = m.WallDeclRad, z = m.ReclRad;
    if (phi == 0 && z == 0) return m.Pi / 2;
    const double x = std::sin(phi) * std::cos(D) + std::tan(z) * std::cos(phi);
    if (x == 0) return m.Pi / 2;
    return shell::Atn2(m, std::sin(D), x);
}

}  // namespace

// The whole line, out from the dial's centre to both ends: the declination runs from -90 to 90
// degrees. A straight line through the foot is its own reflection, so it is drawn alike in both
// hemispheres and with no test.
void DrawSphericalSubstyle(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double Hs = substyleHourAngle(m);
    m.HourAngleRad = Hs;
    plotCurve(
        ctx.ixPlot1(), shell::LineColor(ctx, 9), [&](double decl) -> std::optional<DialPoint> {
            m.SunDecl = decl;
            return ShadowPointSpherical(m, Hs, decl * m.Pi / 180);
        },
        {-90, 90, 0.05}, kLineStep);
}

// One segment across the plot at the height of the horizon, reflected in the southern
// hemisphere as the points are. A horizontal plane has no horizon line: the plane of the horizon
// through the tip is parallel to it (the stored Pi leaves the height some 5e9 style lengths away
// instead of at infinity), and nothing is drawn.
void DrawSphericalHorizon(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    if (m.HorizontalFlag == 1) return;
    const double T = HorizonLimit(m);
    const double h = m.HemisphereSign == 1 ? T : -T;
    plotSegment(ctx.ixPlot1(), {-m.PlotShiftX, h}, {m.PlotShiftX, h}, shell::LineColor(ctx, 2));
}

}  // namespace dials::spherical
