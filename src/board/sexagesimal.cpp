#include "board/sexagesimal.h"

#include <cmath>

#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/fold.h"

namespace board {

namespace {

// A non-negative whole number of 1/scale seconds split into units of 3600 s, minutes and
// seconds. fmod is exact, so minutes and seconds stay in range whatever the size.
Sexagesimal splitUnits(double total, double scale) {
    const double perWhole = 3600 * scale;
    const double perMinute = 60 * scale;
    const double rest = std::fmod(total, perWhole);
    const double minutes = std::floor(rest / perMinute);
    return {std::floor(total / perWhole), minutes, (rest - minutes * perMinute) / scale};
}

}  // namespace

Sexagesimal splitSexagesimal(double x, int secondDecimals) {
    if (secondDecimals < 0 || secondDecimals > 6) numeric::fail(numeric::FailureKind::OutOfDomain);
    const double scale = std::pow(10.0, secondDecimals);
    const double total = std::round(numeric::checkFinite(std::fabs(x) * 3600 * scale));
    return splitUnits(numeric::checkFinite(total), scale);
}

Sexagesimal timeOfDay(double hours) {
    const double total = std::round(numeric::checkFinite(hours * 3600));
    return splitUnits(numeric::foldKeepingLowerEnd(total, 12 * 3600).angle, 1);
}

}  // namespace board
