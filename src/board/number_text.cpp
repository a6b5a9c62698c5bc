#include "board/number_text.h"

#include "numeric/checked.h"
#include "numeric/fold.h"
#include "numeric/format.h"
#include "numeric/rounding.h"

namespace board {

namespace {

void replaceSeparator(std::string& text, std::string_view separator) {
    const std::size_t point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, separator);
}

}  // namespace

std::string generalText(double x, std::string_view separator) {
    std::string text = numeric::toText(x);
    replaceSeparator(text, separator);
    return text;
}

std::string fixedText(double x, int decimals, std::string_view separator) {
    std::string digits = numeric::roundedDecimal(x, decimals, false);
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    if (x < 0 && !zero) digits.insert(digits.begin(), '-');
    replaceSeparator(digits, separator);
    return digits;
}

double Int(double x) { return numeric::intFloor(x); }

double frac(double x) { return x - Int(x); }

double foldDegrees(double degrees) {
    return numeric::foldKeepingUpperEnd(numeric::checkFinite(degrees), 180);
}

}  // namespace board
