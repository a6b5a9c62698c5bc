// The parabolic cylinder by 3D analytic geometry: the driver, the horizon and the order in which
// the dial's curves are drawn. A numerical failure in the driver or in the set-up of the curves
// (a radius of curvature of 0 or below, a drawing step of 0) leaves the run; Run reports it.

#include <cmath>

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/cyl_tip_shadows.h"
#include "dials/cylindrical/cylindrical.h"
#include "dials/cylindrical/parabolic_procedures.h"
#include "plot/user_services.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"
#include "shell/refusal.h"

namespace dials::cylindrical {

void RunCylParabolic3D(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    if (shell::refuse(ctx, in.number("txtLAT") < 0, shell::kSouthernHemisphereRefusal)) return;
    if (shell::refuse(ctx, std::fabs(shell::typedDeclination(in)) > 70, "Sorry, graph not available  "))
        return;

    plot::BusyCursor busy(ctx.services);
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.Messaggio("Cylindrical sundial of parabolic cross-section : 3D method");
    shell::ReadPlaceAndWallInputs(ctx);
    // The horizon, drawn from the right.
    if (shell::ticked(ctx, "ck_orizzonte"))
        plot.xLine(plot.ShiftX(), 0, -plot.ShiftX(), 0, shell::LineColor(ctx, palette::kGreen));

    const ParabolicFrame f = SetupParabolicDial(ctx);
    if (shell::ticked(ctx, "chkOreAstronomiche")) DrawParabolicHourLines(ctx, f);
    if (shell::ticked(ctx, "ck_Sustilare") && f.phi != 0) DrawParabolicSubstyleLine(ctx, f);
    if (shell::ticked(ctx, "ck_Equinoziale")) DrawParabolicEquinoctialLine(ctx, f);
    DrawParabolicGeneratrices(ctx, f);
    if (shell::ticked(ctx, "ck_DayLightCurves")) DrawParabolicDeclinationLines(ctx, f);
    if (shell::ticked(ctx, "ck_Italiche")) DrawParabolicItalianHours(ctx, f);
    if (shell::ticked(ctx, "ck_babiloniche")) DrawParabolicBabylonianHours(ctx, f);
    if (shell::ticked(ctx, "ck_Triangolo")) DrawParabolicStyleTriangle(ctx, f);
    if (shell::ticked(ctx, "ck_Lemniscate")) DrawParabolicAnalemma(ctx, f);
    DrawParabolicFootCircle(ctx);

    DrawStyleFootPoints(ctx);
    if (shell::ticked(ctx, "Ck_Section")) DrawParabolicSectionAndTriangle(ctx);
    sayWhenNoTipShadowFalls(ctx, ParabolicTipShadows(ParabolicFrame::of(ctx.m)));
}

}  // namespace dials::cylindrical
