#pragma once
// Lenient number parsing of a text box.

#include <string_view>

namespace numeric {

// The text without its leading and trailing blanks (spaces, tabs, carriage returns, line feeds).
std::string_view trimBlanks(std::string_view text);

// The leading number of the text: leading blanks skipped, optional sign, digits with "." as
// the decimal separator whatever the locale, optional exponent (E or e, optional sign,
// digits). Empty or non-numeric text gives 0. A value that does not fit a finite double
// throws NumericFailure(Overflow), never an infinity.
double parseNumber(std::string_view text);

// The same number as a check of the inputs sees it: a value too large for a double, or a spelt
// infinity ("inf", "infinity", in any case, after the blanks and sign), is the infinity of its
// sign rather than a failure or 0, so that it can be refused as the number too large it is;
// a value other than 0 too small for a double ("1e-400") is the smallest double of its sign
// rather than 0, so that it can be refused as the number too small it is.
double parseNumberOrInfinity(std::string_view text);

// Whether the text, leading and trailing blanks aside, is one number as parseNumber reads it
// whole, or a spelt infinity: nothing but blanks before or after it, no second sign, no comma,
// no letter. An empty text, or one of blanks only, counts (it reads as 0).
bool isWholeNumber(std::string_view text);

}  // namespace numeric
