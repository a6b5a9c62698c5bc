#pragma once
// How the board writes numbers: the general format (numeric::toText) and fixed patterns such as
// "0.0000", each with a chosen decimal separator. Texts the user edits again use "."; the
// report uses the regional separator.

#include <string>
#include <string_view>

namespace board {

// The general number format: integers without decimals, other values with up to 15
// significant digits, trailing zeros dropped.
std::string generalText(double x, std::string_view separator = ".");

// The value with exactly `decimals` decimals (0..15), rounded half away from zero on the exact
// decimal value of the double, as the patterns "0.00" and "0.0000" write it. A value that
// rounds to zero is written without a minus sign.
std::string fixedText(double x, int decimals, std::string_view separator = ".");

// Int(x): the largest integer not greater than x. frac(x) = x - Int(x), in [0, 1).
double Int(double x);
double frac(double x);
// An angle in degrees brought into (-180, 180] by whole turns.
double foldDegrees(double degrees);

}  // namespace board
