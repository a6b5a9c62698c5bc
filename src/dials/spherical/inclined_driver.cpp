// The driver of the declining-reclining (or horizontal) dial by spherical trigonometry: titles
// the drawing, reads the inputs and draws each feature its check box asks for, in a fixed
// order, ending with the shared sky lines. It refuses no input and does not clear the plot. A
// numerical failure in the set-up (an hour fraction of 0) leaves the run; the busy cursor is
// restored on the way out.

#include "dials/sky_lines/sky_lines.h"
#include "dials/spherical/inclined_procedures.h"
#include "dials/spherical/spherical.h"
#include "dials/tip_shadows.h"
#include "plot/user_services.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"

namespace dials::spherical {

void RunInclinedSpherical(shell::Context& ctx) {
    using shell::ticked;
    plot::BusyCursor busy(ctx.services);
    ctx.ixPlot1().Messaggio(shell::typedHorizontal(ctx.inputs)
                                ? "Horizontal dial by spherical trigonometry"
                                : "Declining, reclining dial by spherical trigonometry");
    PrepareSphericalData(ctx);

    if (ticked(ctx, "chkOreAstronomiche")) DrawSphericalHourLines(ctx);
    if (ticked(ctx, "ckRomani")) DrawSphericalRomanNumerals(ctx);
    if (ticked(ctx, "ck_DayLightCurves")) DrawSphericalDeclinationLines(ctx);
    if (ticked(ctx, "ck_Equinoziale")) DrawSphericalEquinoctial(ctx);
    DrawSphericalItalianHours(ctx);
    DrawSphericalBabylonianHours(ctx);
    DrawSphericalTemporaryHours(ctx);
    if (ticked(ctx, "ck_Lemniscate")) DrawSphericalAnalemma(ctx);
    if (ticked(ctx, "ck_Sustilare")) DrawSphericalSubstyle(ctx);
    if (ticked(ctx, "ck_Triangolo")) DrawSphericalStyleTriangle(ctx);
    if (ticked(ctx, "ck_orizzonte")) DrawSphericalHorizon(ctx);

    // The sky lines take the place and the plane afresh: the shadows of the tip are judged on
    // the face the dial was drawn on.
    const TipShadowSurface shadows =
        TipShadowSurface::face(DrawnFaceSpherical(ctx.m), ctx.m.StyleLength, ctx.m.LatRad);
    if (ticked(ctx, "ckQibla")) sky_lines::PlotQibla(ctx);
    sky_lines::PlotAsrCurve(ctx);
    if (ticked(ctx, "ckAlt")) sky_lines::PlotAltitudeLines(ctx);
    if (ticked(ctx, "ckAz")) sky_lines::PlotAzimuthLines(ctx);
    sayWhenNoTipShadowFalls(ctx, shadows);
}

}  // namespace dials::spherical
