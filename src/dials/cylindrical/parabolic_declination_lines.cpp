// Declination lines of the parabolic dial: the sun's rays through the tip on a day of
// declination delta form a double cone round the polar axis; each vertical generatrix meets it
// in up to two points, one on the line of +delta and one on that of -delta, drawn together in
// one colour. The cone's equation is even in the axis coordinate and the height together, so it
// holds on both sides once the height is turned with the side sign.
//
// Over a generatrix x across and q along the axis from the tip, the height Z of the cone solves
//   sin(phi - delta) sin(phi + delta) Z^2 + q sin(2 phi) Z
//     + q^2 cos(phi - delta) cos(phi + delta) - x^2 sin^2(delta) = 0.
// Written with these products its leading coefficient is exact, and it vanishes at a latitude
// equal to the declination, where the cone holds the vertical and the generatrix meets it once;
// the roots are taken in the form that loses no digits when that coefficient is small.

#include <cmath>
#include <optional>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/parabolic_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/quadratic.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

struct DeclinationLine {
    double degrees;
    int colour;
};

// The solstices and the limits of the zodiac months.
constexpr DeclinationLine kLines[] = {{kSolsticeDeg, 12}, {20.001, 13}, {11.5001, 11}};

}  // namespace

void DrawParabolicDeclinationLines(shell::Context& ctx, const ParabolicFrame& f) {
    shell::Module1& m = ctx.m;
    const double phi = f.phi;

    for (const DeclinationLine& line : kLines) {
        const numeric::Colour colour = shell::LineColor(ctx, line.colour);
        const double delta = line.degrees * m.Pi / 180;
        const double a = std::sin(phi - delta) * std::sin(phi + delta);
        const double cosCos = std::cos(phi - delta) * std::cos(phi + delta);
        const double sin2Delta = std::pow(std::sin(delta), 2);
        // Each root a curve of its own; the height is turned with the side sign. Both end
        // where they meet, and where the sun rises and sets.
        std::vector<double> turns = f.coneTouchingSamples(delta);
        const std::vector<double> risings = f.shadowSamples(risingAndSettingSuns(phi, delta));
        turns.insert(turns.end(), risings.begin(), risings.end());
        for (const bool minus : {true, false})
            layParabolicCurve(
                ctx, f, -1, 1,
                [&](double X) -> std::optional<double> {
                    const double x = X - f.xt, q = f.Q(X) - f.yt;
                    const double b = q * std::sin(2 * phi);
                    const numeric::QuadraticRoots Z = numeric::stableQuadraticRoots(
                        a, b, q * q * cosCos - x * x * sin2Delta);
                    const std::optional<double> z =
                        Z.any() ? (minus ? Z.minus : Z.plus)
                                : meetingHeight(phi, delta, f.towardsTip(X, 0), a, b);
                    if (!z) return std::nullopt;
                    return f.s * *z;
                },
                [](double, double) { return true; }, colour, turns);
    }
}

}  // namespace dials::cylindrical
