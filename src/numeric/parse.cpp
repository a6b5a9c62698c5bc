#include "numeric/parse.h"

#include <cctype>
#include <cmath>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>

#include "numeric/failure.h"

namespace numeric {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string lowerCase(std::string_view text) {
    std::string word(text);
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}

// The scan accepts [blanks][sign]digits[.digits][(E|e)[sign]digits] and stops at the first
// character that does not continue that form; what it accepted is converted with
// std::from_chars, which ignores the locale. An exponent letter without digits after it is not
// part of the number ("1e" is 1). A mantissa without any digit ("", "-", ".", "abc") gives 0.
// stop, when given, is set to where the scan stopped, or to 0 when no digit was found;
// underflow, when given, to whether a number other than 0 was too small for a double (and so 0).
double scanNumber(std::string_view text, std::size_t* stop, bool* underflow = nullptr) {
    if (stop) *stop = 0;
    if (underflow) *underflow = false;
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
    if (stop) *stop = i;

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
            if (stop) *stop = j;
        }
    }

    if (!nonZeroDigit) return 0.0;

    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too small to represent: the value is 0. Too large: an overflow, never an infinity.
        if (leadingExponent <= 0) {
            if (underflow) *underflow = true;
            return 0.0;
        }
        fail(FailureKind::Overflow);
    }
    if (ec != std::errc()) return 0.0;
    return negative ? -value : value;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

double parseNumber(std::string_view text) { return scanNumber(text, nullptr); }

double parseNumberOrInfinity(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (negative || text[i] == '+')) ++i;
    const double infinity = (negative ? -1 : 1) * std::numeric_limits<double>::infinity();
    if (lowerCase(text.substr(i, 3)) == "inf") return infinity;
    try {
        bool underflow = false;
        const double value = scanNumber(text, nullptr, &underflow);
        return underflow ? std::copysign(std::numeric_limits<double>::denorm_min(), infinity)
                         : value;
    } catch (const NumericFailure&) {   // the one failure of the parse: a number too large
        return infinity;
    }
}

bool isWholeNumber(std::string_view text) {
    const std::string_view core = trimBlanks(text);
    if (core.empty()) return true;
    std::string_view word = core;
    if (word.front() == '+' || word.front() == '-') word.remove_prefix(1);
    const std::string lower = lowerCase(word);
    if (lower == "inf" || lower == "infinity") return true;
    std::size_t stop = 0;
    try {
        scanNumber(core, &stop);
    } catch (const NumericFailure&) {   // a number too large is a number all the same
    }
    return stop == core.size();
}

}  // namespace numeric
