// Driver of the vertical dial by 2D analytic geometry, for walls of any declination in both
// hemispheres. It refuses an empty latitude, titles the plot, reads the inputs and calls the
// features in a fixed order. A numerical failure in the reader or the set-up is not handled
// here: it leaves the run, and the busy cursor is restored on the way out.

#include "dials/sky_lines/sky_lines.h"
#include "dials/tip_shadows.h"
#include "dials/vertical2d/vertical2d.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "dials/vertical2d/wall_frame.h"
#include "plot/user_services.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"
#include "shell/refusal.h"

namespace dials::vertical2d {

void RunVertical2D(shell::Context& ctx) {
    if (shell::refuseBlankLatitude(ctx)) return;

    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio("Vertical dial by 2D analytic geometry");
    shell::ReadPlaceAndWallInputs(ctx);
    SetupVertical2D(ctx);

    if (shell::ticked(ctx, "chkOreAstronomiche")) DrawHourLinesVert2D(ctx);
    if (shell::ticked(ctx, "ck_DayLightCurves")) DrawDeclinationLinesVert2D(ctx);
    if (shell::ticked(ctx, "ck_Equinoziale")) DrawEquinoctialVert2D(ctx);
    if (shell::ticked(ctx, "ck_Sustilare")) DrawSubstyleVert2D(ctx);
    if (shell::ticked(ctx, "ck_Italiche")) DrawItalianHoursVert2D(ctx);
    if (shell::ticked(ctx, "ck_babiloniche")) DrawBabylonianHoursVert2D(ctx);
    if (shell::ticked(ctx, "ck_Lemniscate")) PlotAnalemmaVert2D(ctx);
    if (shell::ticked(ctx, "ck_orizzonte")) DrawHorizonVert2D(ctx);
    if (shell::ticked(ctx, "ck_Triangolo")) DrawStyleTriangleVert2D(ctx);

    // The technical data lists the substyle hour of the hemisphere's own dial.
    ctx.m.SubstyleHour = ctx.m.SubstyleHour * ctx.m.WorkFlag;
    FinishVertical2D(ctx);

    if (shell::ticked(ctx, "ck_Asintoti")) sky_lines::PlotAsymptotes(ctx);
    sayWhenNoTipShadowFalls(ctx, TipShadowSurface::plane(Wall::northernMirror(ctx.m).coneFrame()));
}

}  // namespace dials::vertical2d
