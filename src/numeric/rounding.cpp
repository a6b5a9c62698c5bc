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

}  // namespace

// A double has a finite decimal expansion (at most 1074 digits after the point), which
// std::to_chars writes out in full when asked for enough fixed digits.
std::string exactDecimal(double magnitude) {
    static constexpr int exactDigits = 1100;  // more than any double's fraction needs
    char buffer[exactDigits + 400];           // plus up to 309 integer digits and a sign
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::fixed, exactDigits);
    if (written.ec != std::errc()) fail(FailureKind::Overflow);
    return std::string(buffer, written.ptr);
}

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

// The rounding works on the exact decimal value of the double (exactDecimal). A half is a tie
// only when the expansion really ends in 5 at the first dropped digit: 0.125 is a tie (-> 0.12),
// while 2.675 is stored as 2.67499999... and goes down to 2.67. The rounded decimal text is read
// back, giving the double nearest to it.
double roundHalfEven(double x, int decimals) {
    requireDecimals(decimals);
    checkFinite(x);

    std::string digits = exactDecimal(std::fabs(x));

    const std::size_t point = digits.find('.');
    const std::size_t keep = point + 1 + static_cast<std::size_t>(decimals);  // first dropped
    const char first = digits[keep];
    bool roundUp = false;
    if (first > '5') {
        roundUp = true;
    } else if (first == '5') {
        const bool beyondHalf = digits.find_first_not_of('0', keep + 1) != std::string::npos;
        if (beyondHalf) {
            roundUp = true;
        } else {
            // A tie: go to the even neighbour, judged by the last kept digit.
            std::size_t last = keep - 1;
            if (digits[last] == '.') --last;
            roundUp = (digits[last] - '0') % 2 == 1;
        }
    }
    digits.resize(keep);
    if (roundUp) incrementLastDigit(digits);
    if (digits.back() == '.') digits.pop_back();

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
