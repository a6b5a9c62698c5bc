// Driver of the circular cylinder as a set of points, by the parametric method
// (runCircularCylinder): a concave or convex dial on a vertical cylinder, drawn generatrix by
// generatrix from the vertical dial of each tangent plane. It refuses the equator as well, sets up
// and calls the features in a fixed order; the noon generatrix and the mark of the style foot
// are drawn in every run.

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/cylindrical.h"
#include "dials/cylindrical/param_procedures.h"
#include "shell/helpers.h"
#include "shell/refusal.h"

namespace dials::cylindrical {

void RunCylCircularParam(shell::Context& ctx) {
    if (shell::refuse(ctx, ctx.inputs.number("txtLAT") == 0, shell::kEquatorRefusal)) return;
    const char* title =
        "Cylindrical sundial of circular cross-section as a set of points : parametric method ";
    runCircularCylinder(ctx, title, [&] {
        SetCylParam(ctx.m);
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
    });
}

}  // namespace dials::cylindrical
