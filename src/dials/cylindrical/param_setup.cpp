// Set-up of the parametric cylinder, and its noon generatrix.

#include <cmath>

#include "dials/cylindrical/param_procedures.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void SetCylinderSideParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.SideSign = -1;
    if (ctx.inputs.selected("Option3D2")) m.SideSign = 1;
    m.StyleLength = ctx.inputs.number("txtStilo");
    m.Pi = 3.141592654;
    m.CylParam = -m.Radius * m.SideSign;
    // A step of 0 would never end the sweeps: sample as the design-time "Definition" of 5 does.
    if (m.PointStep == 0) m.PointStep = 0.01;
}

void DrawCylNoonLineParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.StyleLength = ctx.inputs.number("txtStilo");
    const double R = m.Radius;
    const double D = m.WallDeclRad;
    const int s = m.SideSign;
    // The tip's distance from the meridian plane through the axis.
    const double d = (R + s * m.StyleLength) * std::sin(D);
    if (!(std::fabs(d) < R)) return;

    // The meridian plane through the tip cuts the section twice, at the turns D - arcsin(d / R)
    // and D - Pi + arcsin(d / R) from the reference generatrix (towards the wall's side). The
    // line stands on the cut the noon shadow falls on: on a concave dial the cut north of the tip;
    // on a convex one the nearer the tip, the only one its shadow can reach.
    const double cut = std::atan(d / std::sqrt(R * R - d * d));
    double x = s * R * (D - cut);
    if (s > 0 && std::fabs(D) >= m.Pi / 2) x = R * (D - numeric::sgn(D) * m.Pi + cut);
    m.GeneratrixAbscissa = numeric::checkFinite(x);
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.xLine(x, -plot.ShiftY(), x, plot.ShiftY(), shell::LineColor(ctx, 4));
}

}  // namespace dials::cylindrical
