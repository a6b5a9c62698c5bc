// Italian and Babylonian hours of the projective cylinder. On the tangent plane each line runs
// through the point where an hour line (hour angles -90 to 90 by 15 degrees, in local apparent
// time) crosses the equinoctial line, tangent to the conic of the suns that graze the horizon
// (the cone of declination 90 degrees minus the latitude); of the two tangents from that point
// one is the Italian line and the other the Babylonian. Each is carried onto the cylinder point
// by point.

#include <cmath>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/dial_point.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using numeric::checkedDiv;
using numeric::checkedSqrt;

namespace {

// rootSign -1 for the Italian tangent, +1 for the Babylonian one.
void drawItalianBabylonian(shell::Context& ctx, double rootSign, int colourIndex) {
    shell::Module1& m = ctx.m;
    if (m.LatRad == 0) return;
    const double L = m.StyleLength;
    const double R = m.CylParam;
    const double a = m.SetupAngleA;
    const double b = m.SetupAngleB;
    const double P = m.PlaneCoefY;

    try {
        const double sinPhi = std::sin(m.LatRad);
        // The latitude as the arcsine of its sine.
        const double phi =
            sinPhi == 1 ? m.Pi / 2
                        : std::atan(checkedDiv(sinPhi, checkedSqrt(1 - sinPhi * sinPhi)));
        m.CentreHeight = sq(std::sin(b)) - sq(std::tan(phi)) * sq(std::cos(b));
        m.ItalBabCoefA = checkedDiv(-2 * L * std::tan(b), m.CentreHeight);
        m.ItalBabCoefB = checkedDiv(1, m.CentreHeight);
        m.ItalBabCoefC = checkedDiv(sq(checkedDiv(L, std::cos(b))), m.CentreHeight);
    } catch (const numeric::NumericFailure&) {
        return;  // no horizon conic of this form: no line can be drawn
    }
    const double kA = m.ItalBabCoefA, kB = m.ItalBabCoefB, kC = m.ItalBabCoefC;
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);

    for (double H : numeric::StepRange(-90, 90, 15)) {
        double e = 0, g = 0;
        try {
            // Where the hour line of H meets the equinoctial line, from the substyle.
            const double tau = m.SubstyleHour + H * m.Pi / 180;
            e = checkedDiv(L, std::cos(b)) * std::tan(tau);
            // Where the equinox sun of that hour stands behind the tangent plane, the point is
            // the shadow of the opposite hour and the two tangents trade places.
            const double sign = std::cos(tau) * b < 0 ? -rootSign : rootSign;
            const double X = kB * kB * kA * kA * e * e + kB * kC * kA * kA - 4 * kB * kC * kC -
                             4 * kB * kB * kC * e * e;
            g = numeric::checkFinite(checkedDiv(-2 * kB * kA * e + sign * 2 * checkedSqrt(X),
                                                kA * kA - 4 * kC - 4 * kB * e * e));
        } catch (const numeric::NumericFailure&) {
            continue;  // no tangent from this hour point
        }
        for (double t : numeric::StepRange(-5 * R, 5 * R, m.PointStep)) {
            // The line in the substyle frame, where the equinoctial line is Y = -P, turned into
            // tangent-plane coordinates.
            const double Y = g * (t - e) - P;
            const double u = t * std::cos(a) - Y * std::sin(a);
            const double v = t * std::sin(a) + Y * std::cos(a);
            plotTangentPlanePoint(ctx, u, v, colour);
        }
    }
}

}  // namespace

void DrawCylProjItalianHours(shell::Context& ctx) { drawItalianBabylonian(ctx, -1, 12); }

void DrawCylProjBabylonianHours(shell::Context& ctx) { drawItalianBabylonian(ctx, 1, 13); }

}  // namespace dials::cylindrical
