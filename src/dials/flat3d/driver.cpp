// The two drivers of the flat dial programme by 3D analytic geometry. Each refuses the inputs
// its free variable cannot handle, titles the plot, reads the inputs and calls the features in
// a fixed order. A numerical failure in a set-up or in a driver's own statements is not handled
// here: it leaves the run, and the busy cursor is restored on the way out.

#include "dials/flat3d/flat3d.h"

#include <cmath>

#include "dials/flat3d/dial_line.h"
#include "dials/flat3d/procedures.h"
#include "dials/sky_lines/sky_lines.h"
#include "dials/tip_shadows.h"
#include "plot/user_services.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"
#include "shell/refusal.h"

namespace dials::flat3d {

namespace {

// What both pipelines draw last, in the same order: the day lines, the analemma of the
// variable, the final substyle angle and the sky lines. The sky lines take the place and the
// plane afresh, as typed: the shadows of the tip are judged on the plane the dial was drawn on.
void drawDayAndSkyLines(shell::Context& ctx, void (*plotAnalemma)(shell::Context&)) {
    if (shell::ticked(ctx, "ck_DayLightCurves")) DrawDeclinationLines(ctx);
    if (shell::ticked(ctx, "ck_Italiche")) DrawItalianHours(ctx);
    if (shell::ticked(ctx, "ck_babiloniche")) DrawBabylonianHours(ctx);
    if (shell::ticked(ctx, "ck_Lemniscate")) plotAnalemma(ctx);
    NormalizeSubstyleAngle(ctx);
    const TipShadowSurface shadows =
        TipShadowSurface::plane(coneFrameOf(PlaneGeometry::from(ctx.m)));
    if (shell::ticked(ctx, "ckQibla")) sky_lines::PlotQibla(ctx);
    sky_lines::PlotAsrCurve(ctx);
    if (shell::ticked(ctx, "ckAlt")) sky_lines::PlotAltitudeLines(ctx);
    if (shell::ticked(ctx, "ckAz")) sky_lines::PlotAzimuthLines(ctx);
    sayWhenNoTipShadowFalls(ctx, shadows);
}

}  // namespace

void RunInclinedDialVarX(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (shell::refuseBlankLatitude(ctx)) return;
    ctx.ixPlot1().Messaggio(shell::typedHorizontal(ctx.inputs)
                                ? "Horizontal dial by 3D analytic geometry, variable X"
                                : "Declining,reclining dial by 3D analytic geometry, variable X");
    SetupInclinedDialVarX(ctx);
    const bool horizontal = m.ReclRad == m.Pi / 2;
    // The stepped east coordinate cannot run along a plane facing due east or west. A horizontal
    // plane has no declination of its own (the set-up took 0), whatever the box holds.
    if (std::fabs(m.DeclDegrees) == 90 && !horizontal) {
        ctx.services.messageBox("Please use variable Y !!");
        return;
    }
    plot::BusyCursor busy(ctx.services);

    if (shell::ticked(ctx, "chkOreAstronomiche")) DrawHourLinesX(ctx);
    if (horizontal) m.WallDeclRad = 0;
    // The horizontal plane has its horizon at infinity and its substyle on the noon line; its
    // noon line is drawn as every other plane's.
    if (!horizontal && shell::ticked(ctx, "ck_orizzonte")) DrawHorizonLine(ctx);
    DrawNoonLine(ctx);
    if (!horizontal) {
        if (shell::ticked(ctx, "ck_Sustilare")) DrawSubstyleLineX(ctx);
        ComputeSubstyleX(ctx);
    }
    if (shell::ticked(ctx, "ck_Triangolo")) DrawStyleTriangleX(ctx);
    if (shell::ticked(ctx, "ck_Equinoziale")) DrawEquinoctialLine(ctx);
    drawDayAndSkyLines(ctx, PlotAnalemmaX);
}

void RunInclinedDialVarY(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (shell::refuseBlankLatitude(ctx)) return;
    SetupInclinedDialVarY(ctx);
    // This variant shows its refusals as the plot title.
    if (m.DeclDegrees == 0) {
        ctx.ixPlot1().Messaggio("Please use variable X");
        return;
    }
    if (m.ReclDeg == 90) {
        ctx.ixPlot1().Messaggio("Horizontal dial, please use variable X");
        return;
    }
    ctx.ixPlot1().Messaggio("Declining, reclining dial by 3D analytic geometry, variable Y ");
    plot::BusyCursor busy(ctx.services);

    if (shell::ticked(ctx, "chkOreAstronomiche")) DrawHourLinesY(ctx);
    if (shell::ticked(ctx, "ck_orizzonte")) DrawHorizonLine(ctx);
    DrawNoonLine(ctx);
    if (shell::ticked(ctx, "ck_Sustilare")) DrawSubstyleLineY(ctx);
    ComputeSubstyleY(ctx);
    if (shell::ticked(ctx, "ck_Equinoziale")) DrawEquinoctialLine(ctx);
    if (shell::ticked(ctx, "ck_Triangolo")) DrawStyleTriangleY(ctx);
    drawDayAndSkyLines(ctx, PlotAnalemmaY);
}

}  // namespace dials::flat3d
