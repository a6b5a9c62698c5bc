#include "dials/sun_series.h"

#include <cmath>

#include "numeric/checked.h"

namespace dials {

namespace {

// Equation of the centre: sine and cosine coefficients of L, 2L and 3L (radians).
constexpr double a1 = 0.006954, b1 = 0.032732;
constexpr double a2 = -0.00032, b2 = 0.000143;
constexpr double a3 = -0.000003, b3 = -0.000004;
// Reduction to the equator: coefficients of the sines of 2, 4 and 6 times the longitude.
constexpr double y1 = 0.04306, y2 = -0.00093, y3 = 0.00003;

}  // namespace

SunSeries sunForDay(double meanLongitudeDeg, double obliquityRad, double pi) {
    SunSeries sun;
    const double L = numeric::checkFinite(meanLongitudeDeg * pi / 180);
    numeric::checkFinite(obliquityRad);
    sun.equationOfCentre = a1 * std::sin(L) + b1 * std::cos(L) + a2 * std::sin(2 * L) +
                           b2 * std::cos(2 * L) + a3 * std::sin(3 * L) + b3 * std::cos(3 * L);
    // The reduction's arguments carry the equation of the centre to its second harmonic for
    // twice the longitude and to its first for four times; six times takes the mean longitude.
    const double S2 =
        std::sin(2 * L + 2 * a1 * std::sin(L) + 2 * b1 * std::cos(L) + 2 * a2 * std::sin(2 * L) +
                 2 * b2 * std::cos(2 * L));
    const double S4 = std::sin(4 * L + 4 * a1 * std::sin(L) + 4 * b1 * std::cos(L));
    const double S6 = std::sin(6 * L);

    const double lambda = L + sun.equationOfCentre;  // the true longitude
    const double s = std::sin(lambda) * std::sin(obliquityRad);
    sun.declination = std::atan(numeric::checkedDiv(s, numeric::checkedSqrt(1 - s * s)));
    sun.reductionToEquator = y1 * S2 + y2 * S4 + y3 * S6;
    return sun;
}

double analemmaObliquityRad(double pi) { return kAnalemmaObliquityDeg * pi / 180; }

}  // namespace dials
