// Declination lines: the path of the shadow of the style tip on the days of the solstices, of the
// borders of the zodiac months and, optionally, of a declination typed by the user, drawn as one
// point every 0.1 degree of hour angle.

#include "dials/spherical/inclined_procedures.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::spherical {

namespace {

struct DeclinationLine {
    double declination;  // degrees
    double lastHour;     // the line runs from -lastHour to lastHour degrees of hour angle
    int colour;
    bool optional;
};

}  // namespace

// Where the sun is behind the plane the projection through the tip falls on the curve of the
// opposite declination. The fixed lines come in pairs of opposite declinations drawn in one
// colour, so such a point lies on its partner where the partner's shadow does fall; the
// optional line has no partner, and its points with the sun behind the plane are left out.
void DrawSphericalDeclinationLines(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double T = HorizonLimit(m);
    const bool optional = shell::ticked(ctx, "ckLineoptional");
    const double typed = optional ? ctx.inputs.number("txtlineofdeclination") : 0;
    const DeclinationLine lines[] = {
        {-23.44, 120, 12, false},  {23.44, 120, 12, false}, {typed, 120, 4, true},
        {-20.001, 90, 13, false},  {20.001, 90, 13, false}, {11.5001, 90, 11, false},
        {-11.5001, 90, 11, false},
    };
    for (const DeclinationLine& line : lines) {
        if (line.optional && !optional) continue;
        numeric::countedLoop(m.HourLoop, -line.lastHour, line.lastHour, 0.1, [&](double hour) {
            m.HourAngleRad = hour * m.Pi / 180;
            m.SunDecl = line.declination;
            const double delta = m.SunDecl * m.Pi / 180;
            if (line.optional && !SunInFront(m, m.HourAngleRad, delta)) return;
            PlotSunSpherical(ctx, m.HourAngleRad, delta, line.colour, T);
        });
    }
}

}  // namespace dials::spherical
