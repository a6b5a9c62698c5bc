// The circular cylinder by 3D analytic geometry (runCircularCylinder): checks the drawing step,
// then draws the ticked features in a fixed order; the style foot in every run.

#include "dials/cylindrical/circular3d_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/cylindrical.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void RunCylCircular3D(shell::Context& ctx) {
    runCircularCylinder(ctx, "Cylindrical sundial of circular cross-section : 3D method", [&] {
        CheckDrawingStep(ctx.m);
        auto ticked = [&](const char* box) { return shell::ticked(ctx, box); };
        if (ticked("chkOreAstronomiche")) {
            DrawCylHourLines3D(ctx);
            DrawCylNoonLine(ctx);
        }
        if (ticked("ck_DayLightCurves")) DrawCylDeclinationLines3D(ctx);
        if (ticked("ck_Lemniscate")) DrawCylAnalemma3D(ctx);
        if (ticked("ck_Equinoziale")) DrawCylEquinoctialLine3D(ctx);
        if (ticked("ck_Sustilare")) DrawCylSubstyleLine3D(ctx);
        if (ticked("ck_orizzonte")) DrawCylHorizonLine(ctx);
        if (ticked("ck_Triangolo")) DrawStyleTriangleDeveloped(ctx);
        DrawStyleFootCircle(ctx);
        if (ticked("ck_Italiche")) DrawCylItalianHours3D(ctx);
        if (ticked("ck_babiloniche")) DrawCylBabylonianHours3D(ctx);
        if (ticked("Ck_Section")) DrawCylSectionAndTriangle(ctx);
    });
}

}  // namespace dials::cylindrical
