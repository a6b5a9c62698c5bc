#pragma once
// The roots of the declination conics of both projective programmes. Each conic is taken with
// its coefficients multiplied by T, the term that vanishes where the latitude equals the
// declination of the line (there the cone of sun rays is parallel to one of its generators'
// planes and the conic opens into a parabola): T y^2 + b y + c = 0. Written so, the coefficients
// stay finite and exact for every latitude, and the roots are formed without cancellation.

#include <optional>

namespace dials::projective {

// The two roots of T y^2 + b y + c = 0 as the unscaled conic y^2 + alpha y + c / T = 0 orders
// them, alpha = b / T: minus = -alpha / 2 - r, plus = -alpha / 2 + r, r the square root of
// alpha^2 / 4 - c / T. A root at infinity (T = 0: the parabola's second root) is left empty.
struct ConicRoots {
    std::optional<double> minus;
    std::optional<double> plus;
};

// `disc` is b^2 - 4 T c, which the caller forms in a closed form that does not cancel. Nothing
// when it is negative: the conic does not reach this abscissa.
std::optional<ConicRoots> conicRoots(double T, double b, double c, double disc);

}  // namespace dials::projective
