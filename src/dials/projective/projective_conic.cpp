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

}  // namespace dials::projective
