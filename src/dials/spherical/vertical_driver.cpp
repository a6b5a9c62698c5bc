// Driver of the vertical dial by spherical trigonometry, for walls of any declination in both
// hemispheres. It refuses nothing: it titles the plot, reads the inputs and draws each feature
// whose box is ticked, in a fixed order, over what is already drawn. A numerical failure in the
// reader (an hour fraction of 0) or in the asymptotes is not handled here: it leaves the run,
// and the busy cursor is restored on the way out.

#include "dials/sky_lines/sky_lines.h"
#include "dials/spherical/spherical.h"
#include "dials/spherical/vertical_procedures.h"
#include "dials/tip_shadows.h"
#include "plot/user_services.h"
#include "shell/helpers.h"

namespace dials::spherical {

void RunVerticalSpherical(shell::Context& ctx) {
    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio("Vertical dial by spherical trigonometry ");
    ReadInputsVertSph(ctx);
    auto ticked = [&](const char* box) { return shell::ticked(ctx, box); };

    // Set once Italian or Babylonian hours are drawn: their numbers and those of the temporary
    // hours would stand on the same line.
    bool labelled = false;

    PlotNoonLineVertSph(ctx);
    if (ticked("chkOreAstronomiche")) {
        PlotHourLinesVertSph(ctx);
        if (ticked("ckRomani")) PlotRomanNumeralsVertSph(ctx);
    }
    if (ticked("ck_DayLightCurves")) {
        PlotNorthDeclinationLinesVertSph(ctx);
        PlotSouthDeclinationLinesVertSph(ctx);
        PlotOptionalDeclinationLineVertSph(ctx);
    }
    if (ticked("ck_Italiche")) {
        PlotItalianHoursVertSph(ctx);
        labelled = true;
        if (ctx.inputs.value("ckRomani") == 0) LabelItalianHoursVertSph(ctx);
    }
    if (ticked("ck_babiloniche")) {
        PlotBabylonianHoursVertSph(ctx);
        labelled = true;
        if (ctx.inputs.value("ckRomani") == 0) LabelBabylonianHoursVertSph(ctx);
    }
    if (ticked("ckTemp")) {
        PlotTemporaryHoursVertSph(ctx);
        if (!labelled && ctx.inputs.value("ckRomani") == 0) LabelTemporaryHoursVertSph(ctx);
    }
    if (ticked("ck_Equinoziale")) PlotEquinoctialLineVertSph(ctx);
    if (ticked("ck_orizzonte")) PlotHorizonVertSph(ctx);
    if (ticked("ck_Lemniscate")) PlotAnalemmaVertSph(ctx);
    if (ticked("ck_Sustilare")) PlotSubstyleLineVertSph(ctx);
    if (ticked("ck_Triangolo")) PlotStyleTriangleVertSph(ctx);
    if (ticked("ck_Asintoti")) sky_lines::PlotAsymptotes(ctx);
    if (ticked("ckZodiaco")) PlotZodiacSigns(ctx);

    // The shared sky lines re-read the window; nothing of this programme runs after them. The
    // shadows of the tip are judged on the wall the dial was drawn on.
    const TipShadowSurface shadows =
        TipShadowSurface::face(vsph::wallFace(ctx.m), ctx.m.StyleLength, ctx.m.LatRad);
    sky_lines::PlotAsrCurve(ctx);
    if (ticked("ckQibla")) sky_lines::PlotQibla(ctx);
    if (ticked("ckAlt")) sky_lines::PlotAltitudeLines(ctx);
    if (ticked("ckAz")) sky_lines::PlotAzimuthLines(ctx);
    sayWhenNoTipShadowFalls(ctx, shadows);
}

}  // namespace dials::spherical
