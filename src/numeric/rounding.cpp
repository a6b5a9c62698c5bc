#include "numeric/rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/tolerance.h"

namespace numeric {

namespace {

constexpr int maxDecimals = 15;

// 10^n, exact for 0 <= n <= 22.
double powerOfTen(int n) {
    double p = 1.0;
    for (int k = 0; k < n; ++k) p *= 10.0;
    return p;
}

void requireDecimals(int decimals) {
    if (decimals < 0 || decimals > maxDecimals) fail(FailureKind::OutOfDomain);
}

// A double has a finite decimal expansion (at most 1074 digits after the point), which
// std::to_chars writes out in full when asked for enough fixed digits. Fails (Overflow) when it
// cannot be written.
std::string exactDecimal(double magnitude) {
    static constexpr int exactDigits = 1100;  // more than any double's fraction needs
    char buffer[exactDigits + 400];           // plus up to 309 integer digits and a sign
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::fixed, exactDigits);
    if (written.ec != std::errc()) fail(FailureKind::Overflow);
    return std::string(buffer, written.ptr);
}

// Adds one unit at the last digit of a text of digits and at most one point, carrying to the
// left ("9.99" -> "10.00").
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

// The rounding works on the exact decimal value of the double (exactDecimal). A half is a tie
// only when the expansion really ends in 5 at the first dropped digit: 0.125 is a tie (-> 0.12
// to even), while 2.675 is stored as 2.67499999... and goes down to 2.67 either way.
std::string roundedDecimal(double x, int decimals, bool halfToEven) {
    requireDecimals(decimals);
    std::string digits = exactDecimal(std::fabs(checkFinite(x)));

    const std::size_t point = digits.find('.');
    const std::size_t keep = point + 1 + static_cast<std::size_t>(decimals);  // first dropped
    const char first = digits[keep];
    bool roundUp = first > '5' || (first == '5' && !halfToEven);
    if (first == '5' && halfToEven) {
        const bool beyondHalf = digits.find_first_not_of('0', keep + 1) != std::string::npos;
        // A tie goes to the even neighbour, judged by the last kept digit.
        const char last = digits[decimals == 0 ? point - 1 : keep - 1];
        roundUp = beyondHalf || (last - '0') % 2 == 1;
    }
    digits.resize(decimals == 0 ? point : keep);
    if (roundUp) incrementLastDigit(digits);
    return digits;
}

// The rounded decimal text is read back, giving the double nearest to it.
double roundHalfEven(double x, int decimals) {
    const std::string digits = roundedDecimal(x, decimals, true);
    double result = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), result, std::chars_format::fixed);
    return checkFinite(std::signbit(x) ? -result : result);
}

// The value is counted in steps of the last decimal (x * 10^n, which binary arithmetic may
// leave an ulp off a whole number); the nearest whole count is taken when the value lies within
// the allowance of it, the count below otherwise. Dividing the whole count by 10^n (both exact)
// gives the double nearest to the decimal.
double truncateDown(double x, int decimals, double unitsPerRadian) {
    requireDecimals(decimals);
    const double scale = powerOfTen(decimals);
    const double steps = checkedMul(checkFinite(x), scale);
    const double nearest = std::round(steps);
    // What the stored Pi leaves of the value, which is far more than the few ulps of the count.
    const double residue = kStoredPiResidue *
                           (unitsPerRadian > 0 ? unitsPerRadian : std::max(1.0, std::fabs(x)));
    const double allowance = std::min(residue * scale, 0.1);
    return (std::fabs(steps - nearest) <= allowance ? nearest : std::floor(steps)) / scale;
}

double intFloor(double x) { return std::floor(checkFinite(x)); }

}  // namespace numeric
