#include "numeric/parse.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>

#include "numeric/failure.h"

namespace numeric {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

// The scan accepts [blanks][sign]digits[.digits][(E|e)[sign]digits] and stops at the first
// character that does not continue that form; what it accepted is converted with
// std::from_chars, which ignores the locale. An exponent letter without digits after it is not
// part of the number ("1e" is 1). A mantissa without any digit ("", "-", ".", "abc") gives 0.
double parseNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i])) ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    std::string number;  // unsigned mantissa and exponent, as from_chars reads them
    bool anyDigit = false;
    bool nonZeroDigit = false;
    long long leadingExponent = 0;  // rough decimal magnitude, to tell overflow from underflow
    bool seenPoint = false;
    bool seenNonZero = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            anyDigit = true;
            if (c != '0') nonZeroDigit = true;
            if (!seenPoint && (seenNonZero || c != '0')) ++leadingExponent;
            if (seenPoint && !seenNonZero && c == '0') --leadingExponent;
            if (c != '0') seenNonZero = true;
            number += c;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            number += c;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;

    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        if (j < n && isDigit(text[j])) {
            long long magnitude = 0;
            const bool exponentNegative = exponent.size() == 2 && exponent[1] == '-';
            for (; j < n && isDigit(text[j]); ++j) {
                exponent += text[j];
                if (magnitude < 1000000) magnitude = magnitude * 10 + (text[j] - '0');
            }
            number += exponent;
            leadingExponent += exponentNegative ? -magnitude : magnitude;
        }
    }

    if (!nonZeroDigit) return 0.0;

    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too small to represent: the value is 0. Too large: an overflow, never an infinity.
        if (leadingExponent <= 0) return 0.0;
        fail(FailureKind::Overflow);
    }
    if (ec != std::errc()) return 0.0;
    return negative ? -value : value;
}

double parseNumberOrInfinity(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (negative || text[i] == '+')) ++i;
    const double infinity = (negative ? -1 : 1) * std::numeric_limits<double>::infinity();
    std::string word(text.substr(i, 3));
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word == "inf") return infinity;
    try {
        return parseNumber(text);
    } catch (const NumericFailure&) {   // the one failure of the parse: a number too large
        return infinity;
    }
}

}  // namespace numeric
