// The set-up every circular cylinder shares: the frame of a run, the side of the dial, then the
// reference generatrix and the geometry of the style tip in the meridian plane through it.

#include <cmath>

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/cyl_tip_shadows.h"
#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/step_loop.h"
#include "plot/user_services.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"
#include "shell/refusal.h"

namespace dials::cylindrical {

void runCircularCylinder(shell::Context& ctx, const std::string& title,
                         const std::function<void()>& features) {
    if (shell::refuse(ctx, ctx.inputs.number("txtLAT") < 0, shell::kSouthernHemisphereRefusal))
        return;
    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio(title);
    shell::ReadPlaceAndWallInputs(ctx);
    SetCylinderSide(ctx);
    ComputeCylGnomonGeometry(ctx);
    features();
    sayWhenNoTipShadowFalls(ctx, CircularTipShadows(ctx.m));
}

void CheckDrawingStep(const shell::Module1& m) { numeric::StepRange(-1, 1, m.PointStep); }

void SetCylinderSide(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.SideSign = -1;
    if (ctx.inputs.selected("Option3D2")) m.SideSign = 1;
}

void ComputeCylGnomonGeometry(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double D = m.WallDeclRad, R = m.Radius, s = m.SideSign, L = m.StyleLength;
    const double phi = m.LatRad;
    plot::PlotSurface& plot = ctx.ixPlot1();

    // The meridian generatrix: turning back through D from the foot's generatrix.
    const double u0 = numeric::checkFinite(s * R * D);
    xLineNearTheFoot(plot, u0, -plot.ShiftY(), u0, 2 * plot.ShiftY(),
                     shell::LineColor(ctx, palette::kBrown));

    // The tip's distance from the meridian plane through the axis; when the plane through the
    // tip cuts the section, its cut points are the feet of the noon generatrix.
    const double a = (R + s * L) * std::sin(D);
    if (!(std::fabs(a) < R)) return;
    const double beta = shell::ArcSin(m, a / R);
    // The polar style's elevation over the plane tangent to the cylinder at a cut: the vertical
    // face of declination beta, or at the other cut its mirror across the east-west line, which
    // turns the sign; the programme gives it the sign of cos D.
    const double elevation = shell::ArcSin(m, Face::declining(beta, 0).polarElevationSine(phi));
    m.StyleElevDeg = numeric::checkFinite(numeric::sgn(std::cos(D)) * elevation * 180 / m.Pi);
    // The generic gnomon from the tip to the cut the triangle of the style stands on: on a
    // concave dial the cut north of the tip, on a convex one the nearer.
    const double root = std::sqrt(R * R - a * a);
    m.TipOffset = s < 0 ? std::fabs(root - (R - L) * std::cos(D))
                        : std::fabs(root - std::fabs((R + L) * std::cos(D)));
    // The polar style from the tip to that cut point.
    m.StyleHypotenuse = numeric::checkedDiv(m.TipOffset, std::cos(phi));
}

}  // namespace dials::cylindrical
