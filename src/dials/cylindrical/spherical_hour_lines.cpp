// Hour lines, substyle and equinoctial line of the circular cylinder by spherical trigonometry.
// Each line is a run of separate shadow points: an hour line is the shadow of one hour angle
// through the year, the substyle that of the substyle's hour angle, the equinoctial that of the
// declination 0 through the day.

#include <cmath>

#include "dials/cylindrical/cyl_spherical_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

// The step of the declinations of the year (between the solstices) that the hour lines and the
// substyle sweep, degrees.
constexpr double kDeclStep = 0.05;

}  // namespace

void DrawCylSphHourLines(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double e = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    SetCylSphSide(ctx);

    m.PlotShiftX = plot.ShiftX();
    numeric::skip([&] { m.PlotShiftY = numeric::toInt16(plot.ShiftY()); });

    // The axis labels stay where they are whatever the time correction.
    plot.Dati("O", 0.04, -0.04);
    plot.Dati("x", 0.8, -0.04);
    plot.Dati("y", 0.04, -0.6);

    for (double H : numeric::StepRange(-120, 120, m.HourStep)) {
        int colour = 7;
        if (H == 0) colour = 12;
        if (std::fabs(H) == 90) colour = 9;
        // With standard time every line moves by the correction; the line coloured 12 is then
        // noon of the zone's clock.
        const double tau = H * m.Pi / 180 - e * m.ZoneCorrRad;
        for (double decl : numeric::StepRange(-kSolsticeDeg, kSolsticeDeg, kDeclStep)) {
            m.SunDecl = decl;
            PlotCylSphSun(ctx, tau, m.SunDecl * m.Pi / 180, colour);
        }
    }
}

void DrawCylSphSubstyleLine(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    SetCylSphSide(ctx);
    if (m.LatRad == 0) return;

    double tauS = 0;
    if (std::fabs(m.DeclDecimal) == 90) {
        tauS = numeric::sgn(m.DeclDecimal) * m.Pi / 2;
    } else if (!numeric::assignOrSkip(tauS, [&] {
                   return std::atan(numeric::checkedDiv(std::tan(m.WallDeclRad),
                                                        std::sin(m.LatRad)));
               })) {
        return;
    }
    for (double decl : numeric::StepRange(-kSolsticeDeg, kSolsticeDeg, kDeclStep)) {
        m.SunDecl = decl;
        PlotCylSphSun(ctx, tauS, m.SunDecl * m.Pi / 180, 9);
    }
}

void DrawCylSphEquinoctial(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    SetCylSphSide(ctx);
    for (double H : numeric::StepRange(-90, 90, 0.05))
        PlotCylSphSun(ctx, H * m.Pi / 180, 0, 9, CylSphSun::Equinoctial);
}

}  // namespace dials::cylindrical
