#include <cmath>
#include <limits>

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

TEST(TruncateDown, TowardMinusInfinity) {
    EXPECT_EQ(truncateDown(-1.23456789, 5), -1.23457);
    EXPECT_EQ(truncateDown(1.23456789, 5), 1.23456);
    EXPECT_EQ(truncateDown(2.5, 0), 2.0);
    EXPECT_EQ(truncateDown(-2.5, 0), -3.0);
    // The product is computed in binary: 0.29 * 100 is 28.999999999999996.
    EXPECT_EQ(truncateDown(0.29, 2), 0.28);
    EXPECT_FAILS(truncateDown(1e300, 15), FailureKind::Overflow);
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
