#pragma once
// Rounding conventions of the displayed numbers, and the sign of a number.

#include <string>

namespace numeric {

// Rounds to n decimals (0..15), halves to even (2.5 -> 2, 0.125 -> 0.12 at 2 decimals). The
// half is judged on the exact value the double holds: 2.675 is stored a little below the half
// and gives 2.67. Decimals outside 0..15 throw NumericFailure(OutOfDomain); a value that is not
// finite throws as checkFinite does.
double roundHalfEven(double x, int decimals);

// The one cut of a shown number: downward (toward minus infinity) to n decimals (0..15),
// -1.23456789 -> -1.23457 at 5. A value that arithmetic left a hair short of a step of the last
// decimal stands for that step and is shown as it: within a few ulps (0.29, whose product by 100
// is 28.999999999999996, cuts to 0.29 at 2 decimals) or within what the stored Pi leaves of an
// exact value. What it leaves of an angle is a fixed amount, kStoredPiResidue radians whatever
// the angle's size, and a value that shows an angle in another unit says how many of its units
// make a radian (kDegreesPerRadian, kHoursPerRadian): the 45 degrees of a substyle computed as
// 44.9999999882 are 45, and so are the 9 degrees computed as 8.9999999883, while 170.2696899
// degrees, 1e-7 short, are cut. Any other value (a length, a ratio, a duration in seconds,
// unitsPerRadian 0) is left off by kStoredPiResidue for each unit of its size. The allowance is
// never more than a tenth of the step. The result is the double nearest to its decimal.
// Decimals outside 0..15 throw NumericFailure(OutOfDomain); a value that is not finite, or whose
// scaling overflows, throws.
double truncateDown(double x, int decimals, double unitsPerRadian = 0);
// Units of a shown angle in a radian, rounded up: degrees (180 / pi) and hours (12 / pi).
inline constexpr double kDegreesPerRadian = 57.3;
inline constexpr double kHoursPerRadian = 3.82;

// |x| rounded to n decimals (0..15) as decimal text, without a sign, and without a point where
// no decimal is kept ("2.68", "3"). The half is judged on the exact value the double holds; an
// exact half goes to the even neighbour (halfToEven) or away from zero. Fails as roundHalfEven.
std::string roundedDecimal(double x, int decimals, bool halfToEven);

// The integer part toward minus infinity: intFloor(-99.98) == -100. Not finite: fails.
double intFloor(double x);

// Sign of a number: -1, 0 or 1 (0 for NaN too).
inline int sgn(double x) { return (x > 0) - (x < 0); }

}  // namespace numeric
