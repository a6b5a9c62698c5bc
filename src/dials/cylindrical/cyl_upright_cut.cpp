// The cut of an upright plane through the tip: where a line's plane stands so nearly upright
// that a sweep across the surface leaves it as a few points or none (the equinoctial at the
// equator, an Italian or Babylonian hour whose turned horizon stands on edge, an hour line of
// standard time a little off true noon), its generatrices are drawn by heights, from the tip's
// level down to the plot's bottom edge.

#include "dials/cylindrical/cyl_shared.h"
#include "dials/plot_line.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawUprightCut(shell::Context& ctx, const Vec3& normal,
                    const std::function<bool(double psi)>& onDial,
                    const std::function<bool(const Vec3& sun)>& keeps, numeric::Colour colour) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    // The plot's depth below the tip's level.
    const double depth = -plotBox(plot).bottom;
    if (!standsUpright(normal, depth, m.PointStep)) return;
    const CylinderShadow shadow = CylinderShadow::from(m);
    sweepUprightCut(shadow, normal, depth, m.PointStep, m.Pi, [&](double psi, double y) {
        if (!onDial(psi) || !shadow.reaches(psi)) return;
        if (!keeps(CylinderShadow::sunAt(shadow.towardsTipFromGeneratrix(psi), y))) return;
        m.DevelopedAbscissa = numeric::checkFinite(m.Radius * psi);
        plot.xPset(m.DevelopedAbscissa, -y, colour);
    });
}

bool everySunKept(const Vec3&) { return true; }

void DrawUprightHourCut(shell::Context& ctx, const std::function<bool(double psi)>& onDial,
                        const HourPlaneHalf& half, numeric::Colour colour) {
    if (half.hourAngle() == 0) return;
    DrawUprightCut(ctx, hourPlaneNormal(ctx.m.LatRad, half.hourAngle()), onDial,
                   [&](const Vec3& sun) { return half.keeps(sun); }, colour);
}

}  // namespace dials::cylindrical
