// Driver of the former projective programme: refuses what the method cannot draw, titles the
// plot, then sets up and draws the features in a fixed order. The construction comes first:
// every later feature places its points from the foot of the style it settles. A numerical
// failure in the set-up or the construction is not handled here: it leaves the run, and the
// busy cursor is restored on the way out.

#include <cmath>

#include "dials/projective/former_procedures.h"
#include "dials/projective/projective.h"
#include "dials/projective/projective_refusal.h"
#include "dials/tip_shadows.h"
#include "plot/user_services.h"
#include "shell/helpers.h"
#include "shell/refusal.h"
#include "shell/read_place_and_wall.h"

namespace dials::projective {

void RunProjectiveFormer(shell::Context& ctx) {
    if (refuseProjective(ctx)) return;
    // A wall facing due east or west, and any plane holding the polar axis, is the latter
    // version's case.
    if (shell::refuse(ctx, std::fabs(shell::typedDeclination(ctx.inputs)) == 90,
                      "Please use programme n\u00b0 4 ") ||
        shell::refuse(ctx, typedPlaneHoldsPolarAxis(ctx),
                      "Sorry, unable to draw a plane that holds the polar axis: please use "
                      "programme n\u00b0 4 "))
        return;

    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio("Flat sundial by projective method : former version");

    SetupProjectiveFormer(ctx);
    DrawGnomonProjFormer(ctx);
    if (shell::ticked(ctx, "ck_Equinoziale")) DrawEquinoctialProj(ctx);
    if (shell::ticked(ctx, "chkOreAstronomiche")) DrawHourLinesProjFormer(ctx);
    DrawNoonLineProjFormer(ctx);
    if (shell::ticked(ctx, "ck_Sustilare")) DrawSubstyleProjFormer(ctx);
    if (shell::ticked(ctx, "ck_Triangolo")) DrawStyleTriangleProjFormer(ctx);
    if (shell::ticked(ctx, "ck_DayLightCurves")) DrawDeclinationLinesProjFormer(ctx);
    if (shell::ticked(ctx, "ck_Italiche")) DrawItalianHoursProjFormer(ctx);
    if (shell::ticked(ctx, "ck_babiloniche")) DrawBabylonianHoursProjFormer(ctx);
    if (shell::ticked(ctx, "ck_orizzonte")) DrawHorizonProj(ctx);
    sayWhenNoTipShadowFalls(
        ctx, TipShadowSurface::face(dialFace(ctx.m), ctx.m.StyleLength, ctx.m.LatRad));
}

}  // namespace dials::projective
