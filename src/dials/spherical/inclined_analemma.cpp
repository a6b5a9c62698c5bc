// The analemma of 12:00 mean time of the zone's standard meridian: one point every two days,
// the sun's declination and the equation of time from the shared sun series. The mean longitude
// runs from -80 to 360 degrees, so the end of the year is drawn twice.

#include "dials/sun_series.h"
#include "dials/spherical/inclined_procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::spherical {

// A day whose point cannot be formed draws nothing and the figure goes on with the next day. A
// day on which the sun is behind the dial at that hour (near the poles, in winter) draws nothing
// either: its projection would be the shadow of the opposite sun, on the far side of the centre.
void DrawSphericalAnalemma(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (!shell::ticked(ctx, "ck_Lemniscate")) return;
    // The figure closes on itself: the range ends where the count of days does.
    layLine(ctx, {-80, 360, 2 * kMeanDayDeg, false}, shell::LineColor(ctx, palette::kLightGreen),
            [&](double M) {
                const SunSeries sun = sunForDay(M, analemmaObliquityRad(m.Pi), m.Pi);
                // Apparent minus mean time, in radians of hour angle.
                const double E = -sun.equationOfTime();
                // The southern points are reflected through the foot: the hour angle changes sign.
                const double H = numeric::checkFinite((-m.ZoneCorrRad + E) * m.HemisphereSign);
                m.HourAngleRad = H;
                return DrawnSunPointSpherical(m, H, sun.declination, true);
            });
}

}  // namespace dials::spherical
