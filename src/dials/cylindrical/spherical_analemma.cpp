// The analemma of the circular cylinder by spherical trigonometry: the shadow of the style tip at
// 12:00 of standard (mean) time through the year, from the system's sun series for every second
// mean day. It always carries the longitude correction, whatever ck_Etna says.

#include "dials/cylindrical/cyl_spherical_procedures.h"
#include "dials/sun_series.h"

namespace dials::cylindrical {

void DrawCylSphAnalemma(shell::Context& ctx) {
    shell::Module1& m = ctx.m;

    // Every other mean day, the day angle sweeping 440 degrees (the part from -80 to 0 twice),
    // laid by the curve sampler where the shadow moves fast.
    layCylSphLine(
        ctx, [&](double d) { return std::optional<SunOnLine>(meanNoonSun(m, d)); },
        {-80, 360, 2 * kMeanDayDeg, false}, palette::kLightRed);
}

}  // namespace dials::cylindrical
