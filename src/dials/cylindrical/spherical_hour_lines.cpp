// Hour lines, substyle and equinoctial line of the circular cylinder by spherical trigonometry,
// each laid by the curve sampler: an hour line is the shadow of one hour angle through the year,
// the substyle that of the substyle's hour angle, the equinoctial that of the declination 0
// from sunrise to sunset.

#include <cmath>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/cyl_spherical_procedures.h"
#include "dials/geometry_names.h"
#include "dials/plot_mark.h"
#include "dials/six_oclock.h"
#include "geometry/sky.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

// The step of the declinations of the year (between the solstices) that the hour lines and the
// substyle sweep, degrees.
constexpr double kDeclStep = 0.05;

// Lays the line of the hour angle tau (radians) through the year. It ends where its sun rises or
// sets and where its shadow stops reaching the surface.
void layHourThroughTheYear(shell::Context& ctx, double tau, palette::Index colourIndex) {
    const shell::Module1& m = ctx.m;
    const double pi = m.Pi;
    CurveRange range{-kSolsticeDeg, kSolsticeDeg, kDeclStep, true, false,
                     reachLimitDeclinations(m, hourPlaneNormal(m.LatRad, tau))};
    // On the horizon: tan delta = -cos tau / tan phi.
    if (m.LatRad != 0)
        range.ends.push_back(std::atan(-std::cos(tau) / std::tan(m.LatRad)) * 180 / pi);
    layCylSphLine(
        ctx, [&](double decl) { return std::optional<SunOnLine>({tau, decl * pi / 180}); },
        range, colourIndex);
}

}  // namespace

void DrawCylSphHourLines(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double e = shell::ticked(ctx, "ck_Etna") ? 1 : 0;

    // The axis labels stay where they are whatever the time correction: "O" at the origin, "x"
    // and "y" at points of their axes.
    plotLabel(plot, "O", {0, 0}, {0.04, 0.04});
    plotLabel(plot, "x", {0.8, 0}, {0.8, 0.04});
    plotLabel(plot, "y", {0, 0.6}, {0.04, 0.6});

    // The lines at -120 degrees and the whole steps from it, back to the first past -180 and on
    // to 180: the rounding of the counter is allowed for at both ends, so that midnight is one
    // line.
    const double step = m.HourStep, slack = 1e-6 * step;
    double first = -120;
    for (double H : numeric::StepRange(-120 - step, -180 + slack, -step)) first = H;
    for (double H : numeric::StepRange(first, 180 + slack, step)) {
        // With standard time every line moves by the correction; the line coloured 12 is then
        // noon of the zone's clock.
        layHourThroughTheYear(ctx, H * m.Pi / 180 - e * m.ZoneCorrRad,
                              hourLineColourIndex(H, true));
    }
}

void DrawCylSphSubstyleLine(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (m.LatRad == 0) return;
    layHourThroughTheYear(ctx, substyleHalf(m.LatRad, m.WallDeclRad, m.Pi).hourAngle(),
                          palette::kLightBlue);
}

void DrawCylSphEquinoctial(shell::Context& ctx) {
    layCylSphDay(ctx, 0, palette::kLightBlue, CylSphSun::Equinoctial);
}

}  // namespace dials::cylindrical
