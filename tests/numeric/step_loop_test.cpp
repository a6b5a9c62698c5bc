#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "failure_matchers.h"
#include "numeric/palette.h"
#include "numeric/step_loop.h"

using namespace numeric;

namespace {

TEST(StepRange, PointLoopOfTheCurves) {
    // -1 to 1 by 0.002: the counter drifts above the exact multiples, so 1 itself is never
    // reached and the loop makes 1000 rounds, the last at 0.998000000000002.
    const StepRange range(-1, 1, 0.002);
    EXPECT_EQ(range.count(), 1000u);
    double last = 0;
    for (double t : range) last = t;
    EXPECT_GT(last, 0.998);
    EXPECT_LT(last, 0.999);
    EXPECT_EQ(StepRange(-1, 1, 0.001).count(), 2000u);
}

TEST(StepRange, CountsOfTheDayLoops) {
    EXPECT_EQ(StepRange(0, 360, 360 / 365.2422).count(), 366u);          // one step a mean day
    EXPECT_EQ(StepRange(-80, 360, 2 * (360 / 365.2422)).count(), 224u);  // one step every two days
    EXPECT_EQ(StepRange(0, 365, 1).count(), 366u);
}

TEST(StepRange, DeclinationSweep) {
    std::vector<double> values;
    for (double d : StepRange(-23.44, 23.44, 0.05)) values.push_back(d);
    ASSERT_EQ(values.size(), 938u);
    EXPECT_EQ(values.front(), -23.44);
    EXPECT_NEAR(values.back(), 23.41, 1e-9);
}

TEST(StepRange, CounterIsAdvancedByRepeatedAddition) {
    double expected = 0;
    int rounds = 0;
    for (double t : StepRange(0, 1, 0.1)) {
        EXPECT_EQ(t, expected);  // not 0 + i * 0.1
        expected += 0.1;
        ++rounds;
    }
    EXPECT_EQ(rounds, 11);  // 0.1 added ten times is 0.9999999999999999, still <= 1
    EXPECT_EQ(StepRange(0, 1, 0.25).count(), 5u);
}

TEST(StepRange, NegativeStepsAndEmptyLoops) {
    std::vector<double> values;
    for (double t : StepRange(3, 1, -1)) values.push_back(t);
    EXPECT_EQ(values, (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(StepRange(1, -1, -0.002).count(), 1000u);
    EXPECT_EQ(StepRange(1, 2, -1).count(), 0u);
    EXPECT_EQ(StepRange(2, 1, 1).count(), 0u);
    EXPECT_EQ(StepRange(5, 5, 1).count(), 1u);
    EXPECT_EQ(StepRange(5, 5, -1).count(), 1u);
}

TEST(StepRange, LoopsThatCouldNeverEndFailAtConstruction) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    EXPECT_FAILS(StepRange(0, 1, 0), FailureKind::InvalidStep);
    EXPECT_FAILS(StepRange(0, 1, -0.0), FailureKind::InvalidStep);
    EXPECT_FAILS(StepRange(0, 1, nan), FailureKind::InvalidStep);
    EXPECT_FAILS(StepRange(0, 1, inf), FailureKind::InvalidStep);
    EXPECT_FAILS(StepRange(nan, 1, 1), FailureKind::InvalidStep);
    EXPECT_FAILS(StepRange(0, inf, 1), FailureKind::InvalidStep);
    EXPECT_FAILS(StepRange(-inf, 0, 1), FailureKind::InvalidStep);
    // A step lost in the rounding of the counter would leave it standing still.
    EXPECT_FAILS(StepRange(1e17, 2e17, 1), FailureKind::InvalidStep);
    EXPECT_FAILS(StepRange(1, 2, 1e-17), FailureKind::InvalidStep);
}

TEST(CountedLoop, CounterFollowsTheLoopAndEndsOneStepPastTheLastValue) {
    double counter = 123;
    std::vector<double> seen;
    countedLoop(counter, -90, 90, 7.5, [&](double value) {
        EXPECT_EQ(counter, value);
        seen.push_back(value);
    });
    ASSERT_EQ(seen.size(), 25u);
    EXPECT_EQ(seen.front(), -90);
    EXPECT_EQ(seen.back(), 90);
    EXPECT_EQ(counter, 97.5);

    // The end is not reached exactly: the counter is the last value plus the step.
    countedLoop(counter, 0, 1, 0.1, [](double) {});
    EXPECT_EQ(counter, 0.9999999999999999 + 0.1);

    // Counting down.
    seen.clear();
    countedLoop(counter, 3, 1, -1, [&](double value) { seen.push_back(value); });
    EXPECT_EQ(seen, (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(counter, 0);
}

TEST(CountedLoop, ALoopThatDoesNotRunLeavesTheStartAndABadStepLeavesTheCounter) {
    double counter = 5;
    int rounds = 0;
    countedLoop(counter, 2, 1, 1, [&](double) { ++rounds; });
    EXPECT_EQ(rounds, 0);
    EXPECT_EQ(counter, 2);

    counter = 5;
    EXPECT_FAILS(countedLoop(counter, 0, 1, 0, [&](double) { ++rounds; }),
                 FailureKind::InvalidStep);
    EXPECT_EQ(rounds, 0);
    EXPECT_EQ(counter, 5);
}

TEST(Palette, StandardSixteenColours) {
    const Colour expected[16] = {
        rgb(0, 0, 0),       rgb(0, 0, 128),     rgb(0, 128, 0),     rgb(0, 128, 128),
        rgb(128, 0, 0),     rgb(128, 0, 128),   rgb(128, 128, 0),   rgb(192, 192, 192),
        rgb(128, 128, 128), rgb(0, 0, 255),     rgb(0, 255, 0),     rgb(0, 255, 255),
        rgb(255, 0, 0),     rgb(255, 0, 255),   rgb(255, 255, 0),   rgb(255, 255, 255),
    };
    for (int i = 0; i < 16; ++i) EXPECT_EQ(qbColor(i), expected[i]) << i;
    EXPECT_EQ(qbColor(12), 255);           // red in the low byte
    EXPECT_EQ(qbColor(9), 255 * 65536);    // blue in the high byte
    EXPECT_EQ(blue(qbColor(1)), 128);
    EXPECT_FAILS(qbColor(-1), FailureKind::OutOfDomain);
    EXPECT_FAILS(qbColor(16), FailureKind::OutOfDomain);
}

}  // namespace
