// Italian and Babylonian hours of the parametric cylinder. On each tangent plane the line of one
// of these hours runs through the point where the hour line of its hour angle (-90 to 90 by 15
// degrees, positive to the east, local apparent time) crosses the equinoctial line, tangent to
// the conic of the suns that graze the horizon (the cone of declination 90 degrees less the
// latitude); of the two tangents one is the Italian line, the other the Babylonian. Each line
// keeps the half of its plane's cut that its own suns cast, the half centred on that equinox sun
// (HourPlaneHalf::ofTurnedHorizon), where the sun stands above the horizon; a turned horizon
// standing almost upright is laid down the surface by the curve sampler.
// The Italian procedure also draws that conic, the curve its lines touch.

#include <cmath>
#include <optional>

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/param_procedures.h"
#include "dials/plot_point.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using param::Generatrix;

namespace {

// The thirteen lines of the Italian or the Babylonian family.
void drawHourLines(shell::Context& ctx, bool italian, int colourIndex) {
    shell::Module1& m = ctx.m;
    const double D = m.DeclDecimal * m.Pi / 180;
    const double phi = m.LatRad;
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
    numeric::countedLoop(m.HourCounter, -90, 90, 15, [&](double H) {
        // The Italian line's own half is its turned setting half, centred on the equator's sun of
        // H; the Babylonian line's its turned rising half, centred on the same sun. The turn runs
        // towards the east, the shared sky's towards the west.
        const double turn = H * m.Pi / 180 + (italian ? m.Pi / 2 : -m.Pi / 2);
        const HourPlaneHalf half = HourPlaneHalf::ofTurnedHorizon(phi, westward(turn), m.Pi, italian);
        const Vec3 normal = turnedHorizonNormal(phi, westward(turn));
        param::layGeneratrixCurve(
            ctx, D,
            [&](const Generatrix& gen) {
                // The tangent from the hour point to the conic is the cut of the turned horizon's
                // plane: its height on the generatrix, taken from the plane, keeps its digits also
                // where the conic all but degenerates (near the equator).
                return planeHeightAt(normal, param::towardsTip(m, gen));
            },
            [&](const Vec3& sun) { return half.onOwnHalf(sun); }, colour,
            CylinderShadow::from(m).shadowTurns(planeLineEndSuns(phi, normal, half, false, m.Pi),
                                                m.Pi));
    });
}

}  // namespace

void DrawCylItalianHoursParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double D = m.DeclDecimal * m.Pi / 180;
    const numeric::Colour colour = shell::LineColor(ctx, 12);
    // The envelope: the horizon's conic, the path of the sun of declination 90 degrees less the
    // latitude, where it stays within 100 m of the tip's level; its heights in the form that
    // stays exact at latitude 45, where the vertical lies on that cone.
    const double grazing = m.Pi / 2 - m.LatRad;
    const std::vector<double> turns = CylinderShadow::from(m).coneTouchingTurns(grazing, m.Pi);
    for (const bool minus : {true, false})
        param::layGeneratrixCurve(
            ctx, D,
            [&](const Generatrix& gen) -> std::optional<double> {
                const numeric::QuadraticRoots heights =
                    CylinderShadow::from(m).coneCrossings(param::towardsTip(m, gen), grazing);
                const std::optional<double> y = minus ? heights.minus : heights.plus;
                if (!y || !(std::fabs(*y) < 100)) return std::nullopt;
                return y;
            },
            everySunKept, colour, turns);
    drawHourLines(ctx, true, 12);
}

void DrawCylBabylonianHoursParam(shell::Context& ctx) { drawHourLines(ctx, false, 13); }

}  // namespace dials::cylindrical
