#include "numeric/checked.h"

#include <cmath>
#include <limits>

namespace numeric {

namespace {

void requireNumber(double x) {
    if (std::isnan(x)) fail(FailureKind::NotANumber);
}

// The result of an operation on a and b: NotANumber where an operand is NaN, Overflow where the
// result is not finite (0 * infinity and infinity - infinity included).
double finiteResult(double a, double b, double result) {
    requireNumber(a);
    requireNumber(b);
    if (!std::isfinite(result)) fail(FailureKind::Overflow);
    return result;
}

// Rounds to the nearest integer, an exact half going to the even neighbour, independent of the
// floating-point environment's rounding mode.
double roundToEven(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower;  // exact for every finite double
    if (fraction > 0.5) return lower + 1.0;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

template <class Int>
Int toInteger(double x) {
    if (!std::isfinite(x)) fail(FailureKind::ConversionOverflow);
    const double r = roundToEven(x);
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max()))
        fail(FailureKind::ConversionOverflow);
    return static_cast<Int>(r);
}

}  // namespace

double checkFinite(double x) {
    requireNumber(x);
    if (std::isinf(x)) fail(FailureKind::Overflow);
    return x;
}

double checkedDiv(double a, double b) {
    requireNumber(a);
    requireNumber(b);
    if (b == 0.0) fail(FailureKind::DivisionByZero);
    return checkFinite(a / b);
}

double checkedSqrt(double x) {
    requireNumber(x);
    if (x < 0.0) fail(FailureKind::NegativeSqrt);
    return checkFinite(std::sqrt(x));
}

double checkedMul(double a, double b) { return finiteResult(a, b, a * b); }

double checkedAdd(double a, double b) { return finiteResult(a, b, a + b); }

double ArcSin(double x, double pi) {
    requireNumber(x);
    // Only an argument of exactly +-1 takes the guarded branch; anything beyond, even by
    // rounding, makes the radicand negative and the arc sine undefined.
    if (std::fabs(x) == 1.0) return x * (pi / 2.0);
    const double radicand = -x * x + 1.0;
    if (radicand < 0.0) fail(FailureKind::OutOfDomain);
    return std::atan(x / std::sqrt(radicand));
}

double ArcCos(double x, double pi) {
    const double halfPi = pi / 2.0;
    return halfPi - ArcSin(x, pi);
}

double Atn2(double y, double x, double pi) {
    // y / x fails for x == 0 whatever y is (0 / 0 included): the caller's statement fails.
    const double q = checkedDiv(y, x);
    // The quadrant follows from the signs of x and y. For every non-zero quotient this is the
    // same as testing the sign of q; it also stays right when q underflows to 0 for a tiny y
    // against a large x, where a test on q alone would put a point next to the positive x axis
    // at pi.
    double result;
    if (x > 0.0)
        result = y > 0.0 ? std::atan(q) : std::atan(q) + (pi + pi);  // first / fourth quadrant
    else
        result = std::atan(q) + pi;  // second / third quadrant
    if (y == 0.0) result = x > 0.0 ? 0.0 : pi;
    return result;
}

std::int16_t toInt16(double x) { return toInteger<std::int16_t>(x); }

}  // namespace numeric
