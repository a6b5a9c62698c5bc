#include "numeric/quadratic.h"

#include <cmath>

namespace numeric {

namespace {

std::optional<double> finiteQuotient(double numerator, double denominator) {
    if (denominator == 0) return std::nullopt;
    const double x = numerator / denominator;
    if (!std::isfinite(x)) return std::nullopt;
    return x;
}

}  // namespace

QuadraticRoots stableQuadraticRoots(double a, double b, double c) {
    return stableQuadraticRoots(a, b, c, b * b - 4 * a * c);
}

QuadraticRoots stableQuadraticRoots(double a, double b, double c, double d) {
    if (!(d >= 0) || !std::isfinite(d)) return {};
    const double root = std::sqrt(d);
    const double q = -(b + (b < 0 ? -root : root)) / 2;
    const std::optional<double> viaA = finiteQuotient(q, a);
    // q = 0 only for b = 0 and d = 0: the double root 0 (when a is not 0).
    const std::optional<double> viaC = q == 0 ? viaA : finiteQuotient(c, q);
    // With b >= 0, q / a = (-b - sqrt(d)) / 2a; with b < 0, q / a = (-b + sqrt(d)) / 2a.
    if (b < 0) return {viaC, viaA};
    return {viaA, viaC};
}

}  // namespace numeric
