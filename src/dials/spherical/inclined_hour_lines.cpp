// Hour lines and the equinoctial line. An hour line is the run of shadow points of one hour
// angle for the declinations between the solstices, for the hours round the day
// (forEachHourOfTheDay), where the sun shines on the dial; the equinoctial line is the run of the
// equinox sun over the hours from six to six, the hours it is up. Every line is laid whole by the
// shared curve sampler (layLine).

#include "dials/six_oclock.h"
#include "dials/spherical/inclined_procedures.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::spherical {

double StandardTimeShiftDeg(const shell::Context& ctx) {
    if (!shell::ticked(ctx, "ck_Etna")) return 0;
    const double zone = ctx.inputs.number("TxtFuso");
    const double longitude = ctx.inputs.number("txtLON");
    return numeric::checkFinite(15 * zone - longitude);
}

void DrawSphericalHourLines(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    // In the southern hemisphere the points are reflected through the foot of the style, which
    // turns every hour angle into its opposite: the shift goes with the opposite sign.
    const double shift = m.HemisphereSign * StandardTimeShiftDeg(ctx);
    forEachHourOfTheDay(m.HourStep, [&](double hour) {
        const double H = numeric::checkFinite((hour + shift) * m.Pi / 180);
        m.HourLoop = hour;
        m.HourAngleRad = H;
        const numeric::Colour colour = shell::LineColor(ctx, hourLineColourIndex(hour, false));
        layLine(ctx, kHourLineSweepSpherical, colour, HourLineSpherical(m, H));
    });
}

CurveAt HourLineSpherical(shell::Module1& m, double H) {
    return [&m, H](double decl) {
        m.SunDecl = decl;
        return DrawnSunPointSpherical(m, H, decl * m.Pi / 180, true);
    };
}

void DrawSphericalEquinoctial(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    layLine(ctx, {-90, 90, 0.1}, shell::LineColor(ctx, palette::kLightBlue), [&](double hour) {
        const double H = hour * m.Pi / 180;
        m.HourLoop = hour;
        m.HourAngleRad = H;
        return DrawnSunPointSpherical(m, H, 0, false);
    });
}

}  // namespace dials::spherical
