#include "numeric/format.h"

#include <charconv>
#include <cstdlib>
#include <string>

#include "numeric/checked.h"

namespace numeric {

// The rule:
//  1. 0 and -0 are "0".
//  2. Otherwise the value is rounded to 15 significant digits (std::to_chars in scientific
//     form with 14 digits after the point; the rounding is that of the exact binary value, a
//     true tie going to even), giving a mantissa d.dddddddddddddd and a decimal exponent e of
//     the rounded value (so 999999999999999.9 rounds to 1E+15). Trailing zeros of the mantissa
//     are dropped, and its point too when nothing follows it.
//  3. When e >= 15 or e <= -5 the text is the mantissa, "E", the sign of e and at least two
//     exponent digits: "1E+15", "1.5E-07", "-2.5E+100".
//  4. Otherwise the digits are written plainly with "." as the decimal point, a "0" before the
//     point of a value below 1 and no trailing zeros: "0.0001", "45.7438", "123456789012345".
// A minus sign precedes a negative value in both forms. A value that is not finite has no text
// and fails (NotANumber or Overflow), so that it can never reach a label.
std::string toText(double x) {
    checkFinite(x);
    if (x == 0.0) return "0";

    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    const std::string scientific(buffer, written.ptr);  // "-d.dddddddddddddde+XX"

    const bool negative = scientific.front() == '-';
    const std::size_t ePos = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + ePos + 1);
    std::string digits;  // the 15 significant digits, without the point
    for (std::size_t k = negative ? 1 : 0; k < ePos; ++k)
        if (scientific[k] != '.') digits += scientific[k];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text = negative ? "-" : "";
    if (exponent >= 15 || exponent <= -5) {
        text += digits[0];
        if (digits.size() > 1) text += '.' + digits.substr(1);
        text += 'E';
        text += exponent < 0 ? '-' : '+';
        const std::string magnitude = std::to_string(std::abs(exponent));
        if (magnitude.size() < 2) text += '0';
        text += magnitude;
    } else if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
        }
    }
    return text;
}

}  // namespace numeric
