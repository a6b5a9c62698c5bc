// Declination lines: the path of the shadow of the style tip on the days of the solstices, of the
// borders of the zodiac months and, optionally, of a declination typed by the user, drawn as one
// point every 0.1 degree of hour angle over the day's arc, from sunrise to sunset or round the
// clock where the sun does not set (plotDayLine), where that day's sun shines on the dial, and laid
// whole between them by the shared curve sampler.

#include <vector>

#include "dials/spherical/inclined_procedures.h"
#include "geometry/sky.h"
#include "shell/helpers.h"

namespace dials::spherical {

// Where the sun is behind the plane (or below the horizon) the projection through the tip falls
// on the curve of the opposite declination, where that day's sun never casts a shadow: such
// points are left out.
void DrawSphericalDeclinationLines(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    std::vector<DayLine> lines = {
        {-kInnerSolsticeDeg, palette::kLightRed},
        {kInnerSolsticeDeg, palette::kLightRed},
        {-20.001, palette::kLightMagenta},
        {20.001, palette::kLightMagenta},
        {11.5001, palette::kLightCyan},
        {-11.5001, palette::kLightCyan},
    };
    // The typed line after the solstices.
    if (shell::ticked(ctx, "ckLineoptional"))
        lines.insert(lines.begin() + 2, {ctx.inputs.number("txtlineofdeclination"), palette::kRed});
    for (const DayLine& line : lines) {
        plotDayLine(ctx, shell::LineColor(ctx, line.colour), m.LatRad, line.declination,
                    0.1, m.Pi, [&](double hour) {
            const double H = hour * m.Pi / 180;
            m.HourLoop = hour;
            m.HourAngleRad = H;
            m.SunDecl = line.declination;
            return DrawnSunPointSpherical(m, H, line.declination * m.Pi / 180, true);
        });
    }
}

}  // namespace dials::spherical
