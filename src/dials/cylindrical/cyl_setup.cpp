// The set-up every circular cylinder shares: the opening of a run, the side of the dial and the
// style, then the reference generatrix and the geometry of the style tip in the meridian plane through it.

#include <cmath>

#include "dials/cylindrical/cyl_shared.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"

namespace dials::cylindrical {

void BeginCircularCylinderRun(shell::Context& ctx, const std::string& title) {
    ctx.ixPlot1().Messaggio(title);
    shell::ReadPlaceAndWallInputs(ctx);
    SetCylinderSideAndStyle(ctx);
    ComputeCylGnomonGeometry(ctx);
}

void SetCylinderSideAndStyle(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.SideSign = -1;
    if (ctx.inputs.selected("Option3D2")) m.SideSign = 1;
    m.StyleLength = ctx.inputs.number("txtStilo");
}

void ComputeCylGnomonGeometry(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double D = m.WallDeclRad, R = m.Radius, s = m.SideSign, L = m.StyleLength;
    const double phi = m.LatRad;
    plot::PlotSurface& plot = ctx.ixPlot1();

    // The meridian generatrix: turning back through D from the foot's generatrix.
    const double u0 = numeric::checkFinite(s * R * D);
    plot.xLine(u0, -plot.ShiftY(), u0, 2 * plot.ShiftY(), shell::LineColor(ctx, 6));

    // The tip's distance from the meridian plane through the axis; when the plane through the
    // tip cuts the section, its cut points are the feet of the noon generatrix.
    const double a = (R + s * L) * std::sin(D);
    if (!(std::fabs(a) < R)) return;
    const double beta = shell::ArcSin(m, a / R);
    const double elevDeg = numeric::sgn(std::cos(D)) * shell::ArcSin(m, -std::cos(phi) * std::cos(beta)) *
                           180 / m.Pi;
    m.StyleElevDeg = numeric::checkFinite(elevDeg);
    m.TipOffset = std::fabs(std::sqrt(R * R - a * a) - std::fabs((R + s * L) * std::cos(D)));
    // The polar style from the tip to the nearer cut point.
    m.StyleHypotenuse = numeric::checkedDiv(m.TipOffset, std::cos(phi));
}

}  // namespace dials::cylindrical
