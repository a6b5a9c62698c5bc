// Declination lines, Italian and Babylonian hours of the parametric cylinder.
//
// Declination lines: on each generatrix, the two heights where the cone of sun rays of
// declination +-delta through the style tip meets it (drawDeclinationLines).
//
// Italian and Babylonian hours: on each tangent plane the line of one of these hours runs through
// the point where the hour line of its hour angle (-90 to 90 by 15 degrees, positive to the east,
// local apparent time) crosses the equinoctial line, tangent to the conic of the suns that graze
// the horizon (the cone of declination 90 degrees less the latitude); of the two tangents one is
// the Italian line, the other the Babylonian: the cuts of the horizon turned by that hour angle
// and a quarter turn more or less (drawTurnedHorizons). Their heights, taken from the plane, keep
// their digits also where the conic all but degenerates (near the equator). The Italian
// procedure also draws that conic, the curve its lines touch.

#include <cmath>
#include <optional>

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/param_procedures.h"
#include "dials/geometry_names.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawCylDeclinationLinesParam(shell::Context& ctx) {
    // The constants are as the dial has always drawn them: 20.01 and 11.501 degrees.
    drawDeclinationLines(ctx, param::generatrixSweep(ctx), 20.01, 11.501);
}

void DrawCylItalianHoursParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const GeneratrixSweep sweep = param::generatrixSweep(ctx);
    // The envelope: the horizon's conic, the path of the sun of declination 90 degrees less the
    // latitude, where it stays within 100 m of the tip's level; its heights in the form that
    // stays exact at latitude 45, where the vertical lies on that cone.
    const double grazing = m.Pi / 2 - m.LatRad;
    const std::vector<double> turns = sweep.coneTouchingEnds(grazing);
    for (const bool minus : {true, false})
        sweep.lay(
            [&](const Vec3& h) -> std::optional<double> {
                const numeric::QuadraticRoots heights =
                    CylinderShadow::from(m).coneCrossings(h, grazing);
                const std::optional<double> y = minus ? heights.minus : heights.plus;
                if (!y || !(std::fabs(*y) < 100)) return std::nullopt;
                return y;
            },
            everySunKept, shell::LineColor(ctx, palette::kLightRed), turns);
    drawTurnedHorizons(ctx, sweep, m.HourCounter, true, -90, m.Pi / 2);
}

void DrawCylBabylonianHoursParam(shell::Context& ctx) {
    drawTurnedHorizons(ctx, param::generatrixSweep(ctx), ctx.m.HourCounter, false, -90,
                       -ctx.m.Pi / 2);
}

}  // namespace dials::cylindrical
