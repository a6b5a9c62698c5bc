// The roots of a declination conic scaled by T, formed without cancellation.

#include "dials/projective/projective_conic.h"

#include <cmath>

#include "numeric/quadratic.h"

namespace dials::projective {

std::optional<ConicRoots> conicRoots(double T, double b, double c, double disc) {
    if (!(disc >= 0) || !std::isfinite(disc)) return std::nullopt;
    const numeric::QuadraticRoots r = numeric::stableQuadraticRoots(T, b, c, disc);
    // Dividing through by a negative T turns the order of the two roots.
    if (T < 0) return ConicRoots{r.plus, r.minus};
    return ConicRoots{r.minus, r.plus};
}

std::optional<ConicRoots> conicRootsAt(double T, double b, double c, double K, double x) {
    return conicRoots(T, b, c + x * x, 4 * (K - T * x * x));
}

std::optional<ConicRoots> conicRootsAtReciprocal(double T, double b, double c, double K,
                                                 double s) {
    return conicRoots(T, b * s, c * s * s + 1, 4 * (K * s * s - T));
}

std::vector<double> conicTurns(double T, double K) {
    if (!(T > 0 && K >= 0)) return {};
    const double x0 = std::sqrt(K / T);
    if (!std::isfinite(x0)) return {};
    return {-x0, x0};
}

}  // namespace dials::projective
