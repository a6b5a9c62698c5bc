#pragma once
// Rounding conventions of the displayed numbers, and the sign of a number.

namespace numeric {

// Rounds to n decimals (0..15), halves to even (2.5 -> 2, 0.125 -> 0.12 at 2 decimals). The
// half is judged on the exact value the double holds: 2.675 is stored a little below the half
// and gives 2.67. Decimals outside 0..15 throw NumericFailure(OutOfDomain); a value that is not
// finite throws as checkFinite does.
double roundHalfEven(double x, int decimals);

// Truncates downward (toward minus infinity) to n decimals: -1.23456789 -> -1.23457 at 5.
// Computed as floor(x * 10^n) / 10^n in binary, so 0.29 at 2 decimals gives 0.28.
double truncateDown(double x, int decimals);

// The integer part toward minus infinity: intFloor(-99.98) == -100. Not finite: fails.
double intFloor(double x);

// Sign of a number: -1, 0 or 1 (0 for NaN too).
inline int sgn(double x) { return (x > 0) - (x < 0); }

}  // namespace numeric
