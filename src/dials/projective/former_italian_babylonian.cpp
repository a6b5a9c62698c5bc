// Italian and Babylonian hours of the former projective dial. The horizon and every circle that
// the horizon becomes when the sky turns about the polar axis touch the day circle of declination
// 90 - lat; on the reference plane that circle is the conic y^2 + alpha y + beta x^2 + gamma = 0
// and each Italian or Babylonian line is a tangent to it from the point (c, 0) where the
// equinoctial line meets the hour line of H. Of the two tangents the Italian hours take one
// (sigma = +1), the Babylonian the other (sigma = -1).
//
// The conic's coefficients all carry the factor 1 / T, T = sin^2 chi - tan^2 lat cos^2 chi (chi
// the colatitude). The tangent's slope m solves A m^2 + B m + C = 0, taken here multiplied by
// T^2: its coefficients stay finite where T vanishes (at 45 degrees of latitude the circle
// projects as a parabola), and the root is taken in the form that does not cancel.

#include <cmath>

#include "dials/projective/former_procedures.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

using numeric::checkedDiv;
using numeric::checkFinite;
using numeric::StepRange;

namespace {

// Slope of the tangent through (c, 0) to T y^2 + a y + x^2 + g = 0, the tangent chosen by sigma
// as in m = (-B + sigma sqrt(B^2 - 4 A C)) / (2 A).
double tangentSlope(double T, double a, double g, double c, int sigma) {
    const double A = checkFinite(a * a - 4 * T * (c * c + g));
    const double B = checkFinite(4 * a * c);
    const double C = -4 * g;
    const double root = numeric::checkedSqrt(checkFinite(B * B - 4 * A * C));
    if (B != 0 && sigma == numeric::sgn(B)) return checkedDiv(2 * C, -B - sigma * root);
    return checkedDiv(-B + sigma * root, 2 * A);
}

void drawItalianBabylonian(shell::Context& ctx, int sigma, int colourIndex) {
    shell::Module1& m = ctx.m;
    const double phi = m.LatRad, s = m.StyleLengthD;
    const double chi = m.Pi / 2 - phi;
    m.StyleElevSetupRad = chi;
    const double k = std::tan(phi) * std::tan(phi);
    const double T = std::sin(chi) * std::sin(chi) - k * std::cos(chi) * std::cos(chi);
    // The conic scaled by T: T y^2 + a y + x^2 + g = 0.
    const double a = -2 * s * std::sin(chi) * std::tan(chi);
    const double g = checkFinite((s * std::tan(chi)) * (s * std::tan(chi)));
    numeric::assignOrSkip(m.ItalBabCoefA, [&] { return checkedDiv(a, T); });
    numeric::assignOrSkip(m.ItalBabCoefB, [&] { return checkedDiv(1, T); });
    numeric::assignOrSkip(m.ItalBabCoefC, [&] { return checkedDiv(g, T); });

    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
    for (double H : StepRange(-90, 90, 15)) {
        m.ConicB2345 = H;
        double c = 0, slope = 0;
        const bool ok = numeric::skip([&] {
            c = checkFinite(s * std::tan(chi) * std::tan(H * m.Pi / 180));
            slope = tangentSlope(T, a, g, c, sigma);
        });
        if (!ok) continue;
        for (double x : StepRange(-m.XLoopHalf, m.XLoopHalf, 0.005)) {
            const double y = slope * (x - c);
            if (std::isfinite(y)) former::plotReferencePoint(ctx, x, y - m.SetupTemp3, colour);
        }
    }
}

}  // namespace

void DrawItalianHoursProjFormer(shell::Context& ctx) { drawItalianBabylonian(ctx, 1, 12); }

void DrawBabylonianHoursProjFormer(shell::Context& ctx) { drawItalianBabylonian(ctx, -1, 13); }

}  // namespace dials::projective
