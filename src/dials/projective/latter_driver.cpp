// Driver of the latter projective programme: a flat dial of any declination and any reclination
// but the horizontal, in the northern hemisphere, built on an auxiliary vertical plane and
// carried onto the dial by the central projection from the style tip. It refuses what the method
// cannot draw, titles the plot, sets up and calls the features in a fixed order. A numerical
// failure in the set-up is not handled here: it leaves the run, the busy cursor restored on the
// way out, and Run tells the user.

#include "dials/projective/latter_procedures.h"
#include "dials/projective/projective.h"
#include "dials/projective/projective_refusal.h"
#include "dials/tip_shadows.h"
#include "plot/user_services.h"
#include "shell/helpers.h"

namespace dials::projective {

void RunProjectiveLatter(shell::Context& ctx) {
    if (refuseProjective(ctx, true)) return;

    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio("Flat sundial by projective method : latter version");

    SetupProjectiveLatter(ctx);
    // The equinoctial and hour lines need only the set-up's values.
    if (shell::ticked(ctx, "ck_Equinoziale")) DrawEquinoctialProj(ctx);
    if (shell::ticked(ctx, "chkOreAstronomiche")) DrawHourLinesProjLatter(ctx);
    // Where the centre lies at infinity the lines that run to it run parallel to the polar axis.
    ComputeCentreProjLatter(ctx);
    DrawNoonLineProjLatter(ctx);
    if (shell::ticked(ctx, "ck_Sustilare")) DrawSubstyleProjLatter(ctx);
    if (shell::ticked(ctx, "ck_Triangolo")) DrawStyleTriangleProjLatter(ctx);
    if (shell::ticked(ctx, "ck_DayLightCurves")) DrawDeclinationLinesProjLatter(ctx);
    if (shell::ticked(ctx, "ck_Italiche")) DrawItalianHoursProjLatter(ctx);
    if (shell::ticked(ctx, "ck_babiloniche")) DrawBabylonianHoursProjLatter(ctx);
    if (shell::ticked(ctx, "ck_orizzonte")) DrawHorizonProj(ctx);
    if (shell::ticked(ctx, "ck_Lemniscate")) PlotAnalemmaProjLatter(ctx);
    sayWhenNoTipShadowFalls(
        ctx, TipShadowSurface::face(dialFace(ctx.m), ctx.m.StyleLength, ctx.m.LatRad));
}

}  // namespace dials::projective
