// The analemma of the vertical dial by spherical trigonometry: for one day in two over a little
// more than a year, the shadow of the style tip at 12:00 mean time of the zone's standard
// meridian. The sun's declination and the equation of time come from the shared sun series; at
// that moment the true sun's hour angle is the equation of time (apparent minus mean) less the
// angle by which the local meridian lies west of the zone's. Between the days the figure is laid
// whole by the shared curve sampler. A day whose point cannot be computed is left out and the
// next one follows.

#include "dials/sun_series.h"
#include "dials/spherical/vertical_procedures.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::spherical {

void PlotAnalemmaVertSph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightMagenta);

    // The mean longitude from 80 degrees before the spring equinox to one full turn after it:
    // the last stretch of the figure is drawn twice, between the points of the first pass. The
    // figure closes on itself: the range ends where the count of days does.
    layLine(ctx, {-80, 360, kMeanDayDeg * 2, false}, colour,
            vsph::curveOf([&](double meanLongitude) -> std::optional<vsph::WallPoint> {
                const SunSeries sun = sunForDay(meanLongitude, analemmaObliquityRad(m.Pi), m.Pi);
                const double t = numeric::checkFinite(-sun.equationOfTime() - m.ZoneCorrRad);
                return vsph::onWall(m, vsph::sunPlace(m, t, sun.declination));
            }));
}

}  // namespace dials::spherical
