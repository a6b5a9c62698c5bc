// The circular cylinder by 3D analytic geometry: refuses the southern hemisphere, titles the
// plot, reads the inputs, sets up the side, the style and the reference generatrix, then draws
// the ticked features in a fixed order; the style foot in every run. A numerical failure in the
// set-up or in the driver's own statements leaves the run (Run reports it); the busy cursor is
// restored on the way out.

#include "dials/cylindrical/circular3d_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/cyl_tip_shadows.h"
#include "dials/cylindrical/cylindrical.h"
#include "plot/user_services.h"
#include "shell/helpers.h"
#include "shell/refusal.h"

namespace dials::cylindrical {

void RunCylCircular3D(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    if (shell::refuse(ctx, in.number("txtLAT") < 0, shell::kSouthernHemisphereRefusal)) return;

    plot::BusyCursor busy(ctx.services);
    BeginCircularCylinderRun(ctx, "Cylindrical sundial of circular cross-section : 3D method");
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
    sayWhenNoTipShadowFalls(ctx, CircularTipShadows(ctx.m));
}

}  // namespace dials::cylindrical
