#pragma once
// Number to text, as every label and list of the system shows numbers.

#include <string>

namespace numeric {

// The shortest form with at most 15 significant digits (the value rounded to 15 significant
// digits, trailing zeros dropped), "." as separator whatever the locale, no padding, a leading
// "0" before the point ("0.5", "-0.25"), negative zero written "0". Exponent form, mantissa
// then "E", a sign and at least two digits ("1E+15", "1.5E+16", "1E-05", "-2.5E-07"), when the
// decimal exponent of the rounded value is 15 or more, or -5 or less; plain form otherwise
// (123456789012345 and 0.0001 stay plain). A NaN or an infinity has no text: it throws
// NumericFailure (NotANumber or Overflow).
std::string toText(double x);

}  // namespace numeric
