#pragma once
// Rounding conventions of the displayed numbers.

namespace numeric {

// Rounds to n decimals (0..15), halves to even (2.5 -> 2, 0.125 -> 0.12 at 2 decimals).
double roundHalfEven(double x, int decimals);

// Truncates downward (toward minus infinity) to n decimals: -1.23456789 -> -1.23457 at 5.
double truncateDown(double x, int decimals);

// The integer part toward minus infinity: intFloor(-99.98) == -100.
double intFloor(double x);

}  // namespace numeric
