// The substyle, the hour line through the foot of the style, and the horizon line.

#include <cmath>

#include "dials/geometry_names.h"
#include "dials/plot_segment.h"
#include "geometry/face.h"
#include "dials/spherical/inclined_procedures.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"

namespace dials::spherical {

namespace {

// The hour angle of the substyle: the face's own (Face::substyleHour). A plane perpendicular to
// the polar axis (a vertical plane facing the meridian at the equator, an equatorial plane) has
// no substyle: every hour line runs through the foot, and the line of hour angle Pi / 2 is drawn.
double substyleHourAngle(const shell::Module1& m) {
    const Face plane = PlaneFaceSpherical(m);
    const DialPoint along = plane.substyleDirection(m.LatRad);
    if (std::hypot(along.x, along.y) <= numeric::kStoredPiResidue) return m.Pi / 2;
    return plane.substyleHour(m.LatRad);
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
        ctx.ixPlot1(), shell::LineColor(ctx, palette::kLightBlue),
        [&](double decl) -> std::optional<DialPoint> {
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
    // The height of the dial's horizon above the foot of the style.
    const double T = numeric::checkedMul(m.StyleLength, std::tan(m.ReclRad));
    const double h = m.HemisphereSign == 1 ? T : -T;
    plotSegment(ctx.ixPlot1(), {-m.PlotShiftX, h}, {m.PlotShiftX, h},
                shell::LineColor(ctx, palette::kGreen));
}

}  // namespace dials::spherical
