// Driver of the vertical light graph: a vertical dial on a wall of any declination in the
// northern hemisphere, drawn in the plane of the wall by 2D analytic geometry. It refuses a
// southern latitude, titles the plot, reads the inputs and calls the features in a fixed order.
// A numerical failure in the reader or the set-up is not handled here: it leaves the run, and
// the busy cursor is restored on the way out.

#include <cmath>

#include "dials/sky_lines/sky_lines.h"
#include "dials/tip_shadows.h"
#include "dials/vertical2d/light_graph_procedures.h"
#include "dials/vertical2d/vertical2d.h"
#include "dials/vertical2d/wall_frame.h"
#include "plot/user_services.h"
#include "shell/helpers.h"
#include "shell/refusal.h"

namespace dials::vertical2d {

void RunLightGraphDial(shell::Context& ctx) {
    if (shell::refuse(ctx, ctx.inputs.number("txtLAT") < 0, shell::kSouthernHemisphereRefusal))
        return;

    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio("Vertical dial, light graph by 2 D analytic geometry");
    shell::Module1& m = ctx.m;

    ReadInputsLightGraph(ctx);
    SetupLightGraph(ctx);
    if (shell::ticked(ctx, "chkOreAstronomiche")) DrawHourLinesLight(ctx);
    if (shell::ticked(ctx, "ck_DayLightCurves")) DrawDeclinationLinesLight(ctx);
    if (shell::ticked(ctx, "ckTemp")) DrawTemporaryHoursLight(ctx);
    if (shell::ticked(ctx, "ck_Lemniscate")) PlotAnalemmaLight(ctx);
    if (shell::ticked(ctx, "ck_Equinoziale")) DrawEquinoctialLineLight(ctx);
    if (shell::ticked(ctx, "ck_Sustilare")) DrawSubstyleLineLight(ctx);
    DrawNoonLineLight(ctx);
    if (std::fabs(m.WallDeclRad) != m.Pi / 2 && shell::ticked(ctx, "ck_Triangolo"))
        DrawStyleTriangleLight(ctx);
    if (shell::ticked(ctx, "ck_orizzonte")) DrawHorizonLineLight(ctx);
    DrawStyleFootLight(ctx);
    if (shell::ticked(ctx, "ck_Italiche")) DrawItalianHoursLight(ctx);
    if (shell::ticked(ctx, "ck_babiloniche")) DrawBabylonianHoursLight(ctx);
    NormalizeSubstyleAngleLight(ctx);
    if (shell::ticked(ctx, "ck_Asintoti")) sky_lines::PlotAsymptotes(ctx);
    sayWhenNoTipShadowFalls(ctx, TipShadowSurface::plane(Wall::lightGraph(m).coneFrame()));
}

}  // namespace dials::vertical2d
