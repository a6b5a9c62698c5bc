#pragma once
// Checked arithmetic: each helper either returns a finite double or throws NumericFailure.
// sin, cos, tan and atan of a finite argument never fail and need no wrapper.

#include <cstdint>

#include "numeric/failure.h"

namespace numeric {

// The value itself when finite; Overflow when infinite, NotANumber when NaN.
double checkFinite(double x);

double checkedDiv(double a, double b);     // DivisionByZero when b == 0 (0/0 too); Overflow
double checkedSqrt(double x);              // NegativeSqrt when x < 0
double checkedMul(double a, double b);     // Overflow when the product is not finite
double checkedAdd(double a, double b);     // Overflow when the sum is not finite

// Angle helpers on the stored value of pi (the programmes' own Pi, not a library constant).
// ArcSin(x) = atan(x / sqrt(1 - x*x)), +-pi/2 exactly at |x| == 1; OutOfDomain beyond.
double ArcSin(double x, double pi);
// ArcCos(x) = pi/2 - ArcSin(x).
double ArcCos(double x, double pi);
// Atn2(y, x): the angle of (x, y) in [0, 2*pi); DivisionByZero when x == 0 (whatever y).
double Atn2(double y, double x, double pi);

// Conversion to a 16-bit integer, rounding halves to even; ConversionOverflow out of range or NaN.
std::int16_t toInt16(double x);

}  // namespace numeric
