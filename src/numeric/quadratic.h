#pragma once
// The real roots of a quadratic, formed without cancellation.

#include <optional>

namespace numeric {

// The roots minus = (-b - sqrt(d)) / 2a and plus = (-b + sqrt(d)) / 2a of a x^2 + b x + c = 0,
// d = b^2 - 4ac. Each is formed as q / a or c / q with q = -(b + sgn(b) sqrt(d)) / 2, a sum of
// terms of one sign: a root stays exact when the other grows without bound, and where a vanishes
// (a conic degenerating into a line) the finite root -c / b is still formed while the other is
// missing. A root that cannot be formed as a finite number is missing; both are missing when d is
// negative or not finite.
struct QuadraticRoots {
    std::optional<double> minus, plus;
    bool any() const { return minus || plus; }
};

QuadraticRoots stableQuadraticRoots(double a, double b, double c);
// The same with the discriminant d = b^2 - 4ac given, for a caller that can form it in a closed
// form that does not cancel.
QuadraticRoots stableQuadraticRoots(double a, double b, double c, double d);

}  // namespace numeric
