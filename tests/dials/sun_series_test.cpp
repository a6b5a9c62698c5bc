// The sun series every analemma of the system draws, against published values.

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "dials/sun_series.h"
#include "numeric/step_loop.h"

namespace {

using dials::kMeanDayDeg;
using dials::SunSeries;
using dials::sunForDay;

constexpr double kPi = 3.141592654;
const double kObliquity = dials::kAnalemmaObliquityDeg * kPi / 180;

double minutesOfTime(double radians) { return radians * 180 / kPi * 4; }

TEST(SunSeries, MatchesThePublishedYear) {
    double maxE = -1, minE = 1, maxDecl = -1, minDecl = 1, dayOfMaxE = 0, dayOfMinE = 0;
    for (double t : numeric::StepRange(0, 360, kMeanDayDeg)) {
        const SunSeries sun = sunForDay(t, kObliquity, kPi);
        const double e = sun.equationOfTime();
        if (e > maxE) maxE = e, dayOfMaxE = t;
        if (e < minE) minE = e, dayOfMinE = t;
        maxDecl = std::max(maxDecl, sun.declination);
        minDecl = std::min(minDecl, sun.declination);
    }
    // Sundials run about 14 1/4 minutes slow in mid-February and 16 1/2 minutes fast in early
    // November; the mean longitude counts from the March equinox.
    EXPECT_NEAR(minutesOfTime(maxE), 14.25, 0.3);
    EXPECT_NEAR(minutesOfTime(minE), -16.4, 0.3);
    EXPECT_NEAR(dayOfMaxE, 360 - 38 * kMeanDayDeg, 5);
    EXPECT_NEAR(dayOfMinE, 228 * kMeanDayDeg, 5);
    EXPECT_NEAR(maxDecl * 180 / kPi, dials::kAnalemmaObliquityDeg, 0.01);
    EXPECT_NEAR(minDecl * 180 / kPi, -dials::kAnalemmaObliquityDeg, 0.01);
}

TEST(SunSeries, EquinoxesAndSolsticesFallOnTheTrueLongitude) {
    // The true sun is about two days ahead of the mean one at the spring equinox.
    const SunSeries spring = sunForDay(0, kObliquity, kPi);
    EXPECT_NEAR(spring.equationOfCentre * 180 / kPi, 1.88, 0.05);
    EXPECT_NEAR(std::sin(spring.declination),
                std::sin(spring.equationOfCentre) * std::sin(kObliquity), 1e-15);
    // Near aphelion the true sun is only about half a degree ahead at the June solstice.
    const double meanSummer = 90 - 0.46;
    const SunSeries summer = sunForDay(meanSummer, kObliquity, kPi);
    EXPECT_NEAR(meanSummer + summer.equationOfCentre * 180 / kPi, 90, 0.1);
}

}  // namespace
