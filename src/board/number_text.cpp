#include "board/number_text.h"

#include <charconv>
#include <cmath>

#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/fold.h"
#include "numeric/format.h"
#include "numeric/rounding.h"

namespace board {

namespace {

void replaceSeparator(std::string& text, std::string_view separator) {
    const std::size_t point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, separator);
}

// Adds one unit at the last digit of a text of digits and one point ("9.99" -> "10.00").
void incrementLastDigit(std::string& digits) {
    for (std::size_t k = digits.size(); k-- > 0;) {
        if (digits[k] == '.') continue;
        if (digits[k] < '9') {
            ++digits[k];
            return;
        }
        digits[k] = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

std::string generalText(double x, std::string_view separator) {
    std::string text = numeric::toText(x);
    replaceSeparator(text, separator);
    return text;
}

std::string fixedText(double x, int decimals, std::string_view separator) {
    numeric::checkFinite(x);
    if (decimals < 0 || decimals > 15) numeric::fail(numeric::FailureKind::OutOfDomain);

    // The exact decimal expansion of the double: no double needs more fraction digits.
    static constexpr int exactDigits = 1100;
    char buffer[exactDigits + 400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                       std::chars_format::fixed, exactDigits);
    if (written.ec != std::errc()) numeric::fail(numeric::FailureKind::Overflow);
    std::string digits(buffer, written.ptr);

    const std::size_t point = digits.find('.');
    const std::size_t firstDropped = point + 1 + static_cast<std::size_t>(decimals);
    const bool roundUp = digits[firstDropped] >= '5';
    digits.resize(decimals == 0 ? point : firstDropped);
    if (roundUp) incrementLastDigit(digits);

    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    if (x < 0 && !zero) digits.insert(digits.begin(), '-');
    replaceSeparator(digits, separator);
    return digits;
}

double Int(double x) { return numeric::intFloor(x); }

double frac(double x) { return x - Int(x); }

double Sgn(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

double foldDegrees(double degrees) {
    return numeric::foldKeepingUpperEnd(numeric::checkFinite(degrees), 180);
}

}  // namespace board
