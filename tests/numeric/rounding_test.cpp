#include <cmath>
#include <limits>
#include <tuple>

#include <gtest/gtest.h>

#include "failure_matchers.h"
#include "numeric/rounding.h"

using namespace numeric;

namespace {

TEST(RoundHalfEven, ExactDecimalHalvesGoToEven) {
    EXPECT_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(roundHalfEven(0.375, 2), 0.38);
    EXPECT_EQ(roundHalfEven(-0.125, 2), -0.12);
    EXPECT_EQ(roundHalfEven(2.5, 0), 2.0);
    EXPECT_EQ(roundHalfEven(3.5, 0), 4.0);
    EXPECT_EQ(roundHalfEven(-2.5, 0), -2.0);
    EXPECT_EQ(roundHalfEven(0.5, 0), 0.0);
    EXPECT_EQ(roundHalfEven(1.0625, 3), 1.062);
    EXPECT_EQ(roundHalfEven(1.1875, 3), 1.188);
}

TEST(RoundHalfEven, DecidedByTheValueTheDoubleHolds) {
    // Stored as 2.67499999999999982236431605997495353221893310546875.
    EXPECT_EQ(roundHalfEven(2.675, 2), 2.67);
    // Stored as 2.66500000000000003552713678800500929355621337890625: above the half.
    EXPECT_EQ(roundHalfEven(2.665, 2), 2.67);
    EXPECT_EQ(roundHalfEven(9.995, 2), 9.99);
    // Just above an exact half goes up.
    EXPECT_EQ(roundHalfEven(std::nextafter(0.125, 1.0), 2), 0.13);
}

TEST(RoundHalfEven, CarriesAndOrdinaryValues) {
    EXPECT_EQ(roundHalfEven(9.996, 2), 10.0);
    EXPECT_EQ(roundHalfEven(-99.9999, 3), -100.0);
    EXPECT_EQ(roundHalfEven(45.74384, 3), 45.744);
    EXPECT_EQ(roundHalfEven(1.23456789, 5), 1.23457);
    EXPECT_EQ(roundHalfEven(1e20, 2), 1e20);
    EXPECT_EQ(roundHalfEven(1e-20, 15), 0.0);
    EXPECT_EQ(roundHalfEven(0.1 + 0.2, 15), 0.3);
}

TEST(RoundHalfEven, BadArgumentsFail) {
    EXPECT_FAILS(roundHalfEven(1, -1), FailureKind::OutOfDomain);
    EXPECT_FAILS(roundHalfEven(1, 16), FailureKind::OutOfDomain);
    EXPECT_FAILS(roundHalfEven(std::numeric_limits<double>::infinity(), 2), FailureKind::Overflow);
    EXPECT_FAILS(roundHalfEven(std::nan(""), 2), FailureKind::NotANumber);
}

TEST(TruncateDown, TowardMinusInfinityAndAStepArithmeticLeftAHairShort) {
    const std::tuple<double, int, double> rows[] = {
        {-1.23456789, 5, -1.23457}, {1.23456789, 5, 1.23456}, {0.123456789, 5, 0.12345},
        {-0.123451, 5, -0.12346},   {2.5, 0, 2.0},            {-2.5, 0, -3.0},
        // A step that binary arithmetic leaves an ulp off: 0.29 * 100 is 28.999999999999996.
        {0.29, 2, 0.29}, {0.00013, 5, 0.00013}, {-39.84996, 5, -39.84996},
        {-0.20000000000000004, 5, -0.2}, {-1e-10, 4, 0.0},
        // What the stored Pi leaves of 45 degrees, of 18 h and of 12 h is that step.
        {44.99999998824844, 5, 45.0}, {17.999999998108613, 5, 18.0}, {11.9999999996, 5, 12.0},
        // Further off than the stored Pi leaves, or than a tenth of the step, it is cut.
        {44.9999999, 5, 44.99999}, {123456.789999999, 5, 123456.79},
        {123456.7899989, 5, 123456.78999}};
    for (const auto& [x, decimals, shown] : rows) EXPECT_EQ(truncateDown(x, decimals), shown) << x;
    // What the stored Pi leaves of an angle is the same at every size, in degrees some 5.7e-8:
    // 9 degrees computed 1.2e-8 short are 9, and 170.26969 degrees 1e-7 short are cut; an hour
    // is left a fifteenth of that.
    const std::tuple<double, double, double> angles[] = {
        {8.9999999883, kDegreesPerRadian, 9},  {-9.0000000117, kDegreesPerRadian, -9},
        {170.2696899, kDegreesPerRadian, 170.26968}, {-45.0000000118, kDegreesPerRadian, -45},
        {17.999999998, kHoursPerRadian, 18},   {5.99999999, kHoursPerRadian, 5.99999}};
    for (const auto& [x, perRadian, shown] : angles)
        EXPECT_EQ(truncateDown(x, 5, perRadian), shown) << x;
    // A length of the same size is left off by its own size only.
    EXPECT_EQ(truncateDown(-0.1154700538, 5), -0.11548);
    EXPECT_EQ(truncateDown(8.9999999883, 5), 8.99999);
    EXPECT_FAILS(truncateDown(1e300, 15), FailureKind::Overflow);
    EXPECT_FAILS(truncateDown(std::nan(""), 2), FailureKind::NotANumber);
}

TEST(IntFloor, IntegerPartTowardMinusInfinity) {
    EXPECT_EQ(intFloor(-99.98), -100.0);
    EXPECT_EQ(intFloor(99.98), 99.0);
    EXPECT_EQ(intFloor(-3.0), -3.0);
    EXPECT_FAILS(intFloor(std::nan("")), FailureKind::NotANumber);
}

TEST(Sgn, SignOfANumber) {
    EXPECT_EQ(sgn(-2.5), -1);
    EXPECT_EQ(sgn(1e-300), 1);
    EXPECT_EQ(sgn(0.0), 0);
    EXPECT_EQ(sgn(-0.0), 0);
    EXPECT_EQ(sgn(-std::numeric_limits<double>::infinity()), -1);
    EXPECT_EQ(sgn(std::nan("")), 0);
}

}  // namespace
