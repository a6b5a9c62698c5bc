// The roots of a declination conic scaled by T, formed without cancellation.

#include "dials/projective/projective_conic.h"

#include <cmath>

namespace dials::projective {

namespace {

std::optional<double> finite(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    return x;
}

}  // namespace

std::optional<ConicRoots> conicRoots(double T, double b, double c, double disc) {
    if (!(disc >= 0) || !std::isfinite(disc)) return std::nullopt;
    const double root = std::sqrt(disc);
    // q = -(b + sgn(b) root) / 2 adds terms of one sign; the roots are q / T and c / q.
    const double q = -(b + (b >= 0 ? root : -root)) / 2;
    std::optional<double> byT, byQ;
    if (T != 0) byT = finite(q / T);
    if (q != 0) byQ = finite(c / q);
    else if (T != 0) byQ = byT;  // b = 0 and disc = 0: a double root
    // q / T is (-b - sgn(b) root) / (2 T); the minus root is (-b - sgn(T) root) / (2 T).
    const bool byTIsMinus = (b >= 0) == (T > 0);
    if (byTIsMinus) return ConicRoots{byT, byQ};
    return ConicRoots{byQ, byT};
}

}  // namespace dials::projective
