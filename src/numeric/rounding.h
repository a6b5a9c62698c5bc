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
// exact value (kStoredPiResidue for each unit of the value's size: the 45 degrees of a substyle
// computed as 44.9999999882 is 45). That allowance is never more than a tenth of the step. The
// result is the double nearest to its decimal. Decimals outside 0..15 throw
// NumericFailure(OutOfDomain); a value that is not finite, or whose scaling overflows, throws.
double truncateDown(double x, int decimals);

// The exact decimal expansion of a finite value of 0 or more: every digit the double holds, in
// fixed notation with a point ("0.125000...0"; no double needs more fraction digits than it
// gives). Fails (Overflow) when it cannot be written.
std::string exactDecimal(double magnitude);

// Adds one unit at the last digit of a text of digits and at most one point, carrying to the
// left ("9.99" -> "10.00").
void incrementLastDigit(std::string& digits);

// The integer part toward minus infinity: intFloor(-99.98) == -100. Not finite: fails.
double intFloor(double x);

// Sign of a number: -1, 0 or 1 (0 for NaN too).
inline int sgn(double x) { return (x > 0) - (x < 0); }

}  // namespace numeric
