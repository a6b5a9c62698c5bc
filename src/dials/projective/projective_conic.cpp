// The roots of a declination conic scaled by T, formed without cancellation.

#include "dials/projective/projective_conic.h"

#include <cmath>

#include "numeric/quadratic.h"

namespace dials::projective {

namespace {

struct ConicRoots {
    std::optional<double> minus;
    std::optional<double> plus;
};

// `disc` is b^2 - 4 T c, which the caller forms in a closed form that does not cancel. Nothing
// when it is negative: the conic does not reach this abscissa.
std::optional<ConicRoots> conicRoots(double T, double b, double c, double disc) {
    if (!(disc >= 0) || !std::isfinite(disc)) return std::nullopt;
    const numeric::QuadraticRoots r = numeric::stableQuadraticRoots(T, b, c, disc);
    // Dividing through by a negative T turns the order of the two roots.
    if (T < 0) return ConicRoots{r.plus, r.minus};
    return ConicRoots{r.minus, r.plus};
}

// The root of the sign `plus` of the roots found at the abscissa `at`.
std::optional<ConicRootAt> rootAt(double at, const std::optional<ConicRoots>& r, bool plus) {
    const std::optional<double> root = r ? (plus ? r->plus : r->minus) : std::nullopt;
    if (!root) return std::nullopt;
    return ConicRootAt{at, *root};
}

}  // namespace

std::optional<ConicRootAt> conicRootToTheTurn(const ScaledConic& k, double x, double reach,
                                              bool plus) {
    const auto [T, b, c, K] = k;
    if (const auto r = conicRoots(T, b, c + x * x, 4 * (K - T * x * x))) return rootAt(x, r, plus);
    if (!(T > 0 && K >= 0)) return std::nullopt;
    const double x0 = std::sqrt(K / T);
    if (!(std::isfinite(x0) && std::fabs(x) - x0 < reach)) return std::nullopt;
    const double at = x < 0 ? -x0 : x0;
    return rootAt(at, conicRoots(T, b, c + at * at, 0), plus);
}

std::optional<ConicRootAt> conicRootAtReciprocal(const ScaledConic& k, double s, double reach,
                                                 bool plus) {
    const auto [T, b, c, K] = k;
    if (const auto r = conicRoots(T, b * s, c * s * s + 1, 4 * (K * s * s - T)))
        return rootAt(s, r, plus);
    if (!(T > 0 && K > 0)) return std::nullopt;
    const double s0 = std::sqrt(T / K);
    if (!(std::isfinite(s0) && s0 - std::fabs(s) < reach)) return std::nullopt;
    const double at = s < 0 ? -s0 : s0;
    // At the turn the discriminant is 0 in closed form.
    return rootAt(at, conicRoots(T, b * at, c * at * at + 1, 0), plus);
}

std::vector<double> conicTurns(const ScaledConic& k) {
    if (!(k.T > 0 && k.K >= 0)) return {};
    const double x0 = std::sqrt(k.K / k.T);
    if (!std::isfinite(x0)) return {};
    return {-x0, x0};
}

}  // namespace dials::projective
