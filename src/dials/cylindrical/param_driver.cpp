// Driver of the circular cylinder as a set of points, by the parametric method: a concave or
// convex dial on a vertical cylinder, drawn generatrix by generatrix from the vertical dial of
// each tangent plane. It refuses the southern hemisphere and the equator, titles the plot, sets
// up and calls the features in a fixed order; the noon generatrix and the mark of the style foot
// are drawn in every run. A numerical failure in the reader or the set-up leaves the run, the
// busy cursor restored on the way out, and Run tells the user.

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/cyl_tip_shadows.h"
#include "dials/cylindrical/cylindrical.h"
#include "dials/cylindrical/param_procedures.h"
#include "plot/user_services.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"
#include "shell/refusal.h"

namespace dials::cylindrical {

void RunCylCircularParam(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    if (shell::refuse(ctx, in.number("txtLAT") < 0, shell::kSouthernHemisphereRefusal)) return;
    if (shell::refuse(ctx, in.number("txtLAT") == 0, shell::kEquatorRefusal)) return;

    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio(
        "Cylindrical sundial of circular cross-section as a set of points : parametric method ");
    shell::ReadPlaceAndWallInputs(ctx);
    SetCylinderSideParam(ctx);
    ComputeCylGnomonGeometry(ctx);
    CheckDrawingStep(ctx.m);

    using shell::ticked;
    if (ticked(ctx, "ck_Equinoziale")) DrawCylEquinoctialParam(ctx);
    if (ticked(ctx, "chkOreAstronomiche")) DrawCylHourLinesParam(ctx);
    DrawCylNoonLineParam(ctx);
    if (ticked(ctx, "ck_DayLightCurves")) DrawCylDeclinationLinesParam(ctx);
    if (ticked(ctx, "ck_Italiche")) DrawCylItalianHoursParam(ctx);
    if (ticked(ctx, "ck_babiloniche")) DrawCylBabylonianHoursParam(ctx);
    if (ticked(ctx, "ck_orizzonte")) DrawCylHorizonLine(ctx);
    if (ticked(ctx, "ck_Triangolo")) DrawStyleTriangleDeveloped(ctx);
    if (ticked(ctx, "ck_Sustilare")) DrawCylSubstyleParam(ctx);
    if (ticked(ctx, "Ck_Section")) DrawCylSectionAndTriangle(ctx);
    DrawStyleFootPoints(ctx);
    sayWhenNoTipShadowFalls(ctx, CircularTipShadows(ctx.m));
}

}  // namespace dials::cylindrical
