// Driver of the circular cylinder by the projective method (runCircularCylinder): a concave or
// convex dial on a vertical cylinder, computed as the vertical dial of the plane tangent along the
// style foot's generatrix and carried onto the cylinder from the style tip. It sets up that dial
// and calls the features in a fixed order.

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/cylindrical.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void RunCylCircularProjective(shell::Context& ctx) {
    const char* title = "Cylindrical sundial of circular cross-section : projective method";
    runCircularCylinder(ctx, title, [&] {
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
    });
}

}  // namespace dials::cylindrical
