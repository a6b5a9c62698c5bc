// Driver of the circular cylinder by the projective method: a concave or convex dial on a
// vertical cylinder, computed as the vertical dial of the plane tangent along the style foot's
// generatrix and carried onto the cylinder from the style tip. It refuses the southern
// hemisphere, titles the plot, sets up and calls the features in a fixed order. A numerical
// failure in the reader or the set-up leaves the run, the busy cursor restored on the way out,
// and Run tells the user.

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/cyl_tip_shadows.h"
#include "dials/cylindrical/cylindrical.h"
#include "plot/user_services.h"
#include "shell/helpers.h"
#include "shell/refusal.h"

namespace dials::cylindrical {

void RunCylCircularProjective(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    if (shell::refuse(ctx, in.number("txtLAT") < 0, shell::kSouthernHemisphereRefusal)) return;

    plot::BusyCursor busy(ctx.services);
    BeginCircularCylinderRun(ctx,
                             "Cylindrical sundial of circular cross-section : projective method");
    InitCylProjective(ctx);
    CheckDrawingStep(ctx.m);

    using shell::ticked;
    if (ticked(ctx, "chkOreAstronomiche")) DrawCylProjHourLines(ctx);
    if (ticked(ctx, "ck_DayLightCurves")) DrawCylProjDeclinationLines(ctx);
    if (ticked(ctx, "ck_Equinoziale")) DrawCylProjEquinoctial(ctx);
    if (ticked(ctx, "ck_Sustilare")) DrawCylProjSubstyleLine(ctx);
    DrawCylProjMeridianLine(ctx);
    if (ticked(ctx, "ck_orizzonte")) DrawCylHorizonLine(ctx);
    if (ticked(ctx, "ck_Triangolo")) DrawStyleTriangleDeveloped(ctx);
    DrawStyleFootCircle(ctx);
    if (ticked(ctx, "ck_Italiche")) DrawCylProjItalianHours(ctx);
    if (ticked(ctx, "ck_babiloniche")) DrawCylProjBabylonianHours(ctx);
    if (ticked(ctx, "ck_Lemniscate")) DrawCylProjAnalemma(ctx);
    if (ticked(ctx, "Ck_Section")) DrawCylSectionAndTriangle(ctx);
    sayWhenNoTipShadowFalls(ctx, CircularTipShadows(ctx.m));
}

}  // namespace dials::cylindrical
