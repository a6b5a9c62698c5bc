#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "failure_matchers.h"
#include "numeric/checked.h"
#include "numeric/quadratic.h"

using namespace numeric;
using K = FailureKind;

namespace {

constexpr double storedPi = 3.141592654;
constexpr double inf = std::numeric_limits<double>::infinity();
const double nan = std::nan("");

TEST(CheckedArithmetic, EveryFaultFailsWithItsKind) {
    EXPECT_FAILS(checkedDiv(1, 0), K::DivisionByZero);
    EXPECT_FAILS(checkedDiv(0, 0), K::DivisionByZero);
    EXPECT_FAILS(checkedDiv(-1, -0.0), K::DivisionByZero);
    EXPECT_FAILS(checkedDiv(1e300, 1e-300), K::Overflow);
    EXPECT_FAILS(checkedDiv(nan, 1), K::NotANumber);
    EXPECT_FAILS(checkedSqrt(-1e-300), K::NegativeSqrt);
    EXPECT_FAILS(checkedSqrt(inf), K::Overflow);
    EXPECT_FAILS(checkedMul(1e200, 1e200), K::Overflow);
    EXPECT_FAILS(checkedMul(0, inf), K::Overflow);
    EXPECT_FAILS(checkedAdd(1.7e308, 1.7e308), K::Overflow);
    EXPECT_FAILS(checkedAdd(inf, -inf), K::Overflow);
    EXPECT_FAILS(checkedAdd(nan, 1), K::NotANumber);
    EXPECT_FAILS(checkFinite(inf), K::Overflow);
    EXPECT_FAILS(checkFinite(-inf), K::Overflow);
    EXPECT_FAILS(checkFinite(nan), K::NotANumber);
}

TEST(CheckedArithmetic, GoodOperandsGiveThePlainResult) {
    EXPECT_EQ(checkedDiv(1, 4), 0.25);
    EXPECT_EQ(checkedDiv(0, -3), 0.0);
    EXPECT_EQ(checkedSqrt(0), 0.0);
    EXPECT_EQ(checkedMul(1e200, 1e-200), 1e200 * 1e-200);
}

TEST(Atn2, WorkedValuesInEachQuadrant) {
    EXPECT_NEAR(Atn2(1, 1, storedPi), 0.785398163, 1e-9);
    EXPECT_NEAR(Atn2(1, -1, storedPi), 2.356194491, 1e-9);
    EXPECT_NEAR(Atn2(-1, -1, storedPi), 3.926990817, 1e-9);
    EXPECT_NEAR(Atn2(-1, 1, storedPi), 5.497787145, 1e-9);
    EXPECT_NEAR(Atn2(-0.5, 1, storedPi), 5.819537699, 1e-9);
    EXPECT_LT(Atn2(-0.5, 1, storedPi), 2 * storedPi);
}

TEST(Atn2, PointsOnTheXAxisUseTheStoredPi) {
    EXPECT_EQ(Atn2(0, 5, storedPi), 0.0);
    EXPECT_EQ(Atn2(-0.0, 5, storedPi), 0.0);
    EXPECT_EQ(Atn2(0, -5, storedPi), storedPi);
    // The stored value, not the library constant, enters the result.
    EXPECT_EQ(Atn2(1, -1, storedPi), std::atan(-1.0) + storedPi);
    EXPECT_EQ(Atn2(-1, 1, storedPi), std::atan(-1.0) + (storedPi + storedPi));
}

TEST(Atn2, XZeroFailsWhateverY) {
    EXPECT_FAILS(Atn2(1, 0, storedPi), K::DivisionByZero);
    EXPECT_FAILS(Atn2(-1, 0, storedPi), K::DivisionByZero);
    EXPECT_FAILS(Atn2(0, 0, storedPi), K::DivisionByZero);
}

TEST(Atn2, TinyYAgainstLargeXStaysNextToItsAxis) {
    // y / x underflows to 0 here; the point is just above the positive x axis, not at pi.
    EXPECT_EQ(Atn2(1e-300, 1e300, storedPi), 0.0);
    EXPECT_EQ(Atn2(1e-300, -1e300, storedPi), storedPi);
}

TEST(ArcSinArcCos, GuardedEdgesAndWorkedValues) {
    EXPECT_EQ(ArcSin(1, storedPi), storedPi / 2);
    EXPECT_EQ(ArcSin(-1, storedPi), -storedPi / 2);
    EXPECT_NEAR(ArcSin(1, storedPi), 1.570796327, 1e-9);
    EXPECT_EQ(ArcCos(1, storedPi), 0.0);
    EXPECT_EQ(ArcCos(-1, storedPi), storedPi);
    EXPECT_EQ(ArcCos(0, storedPi), storedPi / 2);
    EXPECT_NEAR(ArcSin(0.5, storedPi), 0.5235987756, 1e-9);
    EXPECT_NEAR(ArcCos(0.5, storedPi), 1.0471975512, 1e-9);
    EXPECT_NO_THROW(ArcSin(0.9999999, storedPi));
    EXPECT_NO_THROW(ArcSin(std::nextafter(1.0, 0.0), storedPi));
}

TEST(ArcSinArcCos, BeyondOneFailsEvenByOneUlp) {
    EXPECT_FAILS(ArcSin(1.0000001, storedPi), K::OutOfDomain);
    EXPECT_FAILS(ArcSin(std::nextafter(1.0, 2.0), storedPi), K::OutOfDomain);
    EXPECT_FAILS(ArcSin(std::nextafter(-1.0, -2.0), storedPi), K::OutOfDomain);
    EXPECT_FAILS(ArcCos(-1.5, storedPi), K::OutOfDomain);
    EXPECT_FAILS(ArcSin(nan, storedPi), K::NotANumber);
}

TEST(IntegerConversion, HalvesGoToEven) {
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(-3.5), -4);
    EXPECT_EQ(toInt16(0.49999999999999994), 0);
    EXPECT_EQ(toInt16(2.5000000000000004), 3);
}

TEST(IntegerConversion, RangeEdges) {
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);  // the even neighbour is in range
    EXPECT_FAILS(toInt16(32767.5), K::ConversionOverflow);
    EXPECT_FAILS(toInt16(-32768.6), K::ConversionOverflow);
    EXPECT_FAILS(toInt16(nan), K::ConversionOverflow);
    EXPECT_FAILS(toInt16(-inf), K::ConversionOverflow);
}

}  // namespace

TEST(StableQuadraticRoots, EachRootExactWhereTheTextbookFormulaCancels) {
    // x^2 + 1e8 x + 1 = 0: the small root -1e-8 loses every digit in (-b + sqrt(d)) / 2a.
    const numeric::QuadraticRoots r = numeric::stableQuadraticRoots(1, 1e8, 1);
    ASSERT_TRUE(r.minus && r.plus);
    EXPECT_DOUBLE_EQ(*r.plus, -1e-8);
    EXPECT_DOUBLE_EQ(*r.minus, -1e8);
    // The names follow the formula, whatever the signs of a and b.
    const numeric::QuadraticRoots n = numeric::stableQuadraticRoots(-1, 3, 4);  // roots 4, -1
    ASSERT_TRUE(n.minus && n.plus);
    EXPECT_DOUBLE_EQ(*n.minus, 4);
    EXPECT_DOUBLE_EQ(*n.plus, -1);
    const numeric::QuadraticRoots p = numeric::stableQuadraticRoots(2, -6, 4);  // roots 1, 2
    ASSERT_TRUE(p.minus && p.plus);
    EXPECT_DOUBLE_EQ(*p.minus, 1);
    EXPECT_DOUBLE_EQ(*p.plus, 2);
}

TEST(StableQuadraticRoots, DegenerateAndImpossibleCases) {
    // a = 0: the line b x + c = 0 keeps its root, the root at infinity is missing.
    numeric::QuadraticRoots r = numeric::stableQuadraticRoots(0, 4, -2);
    EXPECT_FALSE(r.minus);
    ASSERT_TRUE(r.plus);
    EXPECT_DOUBLE_EQ(*r.plus, 0.5);
    r = numeric::stableQuadraticRoots(1e-300, 4, -2);  // almost a line: the finite root stays exact
    ASSERT_TRUE(r.plus);
    EXPECT_DOUBLE_EQ(*r.plus, 0.5);
    // The double root 0.
    r = numeric::stableQuadraticRoots(3, 0, 0);
    ASSERT_TRUE(r.minus && r.plus);
    EXPECT_EQ(*r.minus, 0);
    EXPECT_EQ(*r.plus, 0);
    // No real root, an overflowing discriminant, no equation at all.
    EXPECT_FALSE(numeric::stableQuadraticRoots(1, 0, 1).any());
    EXPECT_FALSE(numeric::stableQuadraticRoots(1, 1e300, 1).any());
    EXPECT_FALSE(numeric::stableQuadraticRoots(0, 0, 0).any());
    EXPECT_FALSE(numeric::stableQuadraticRoots(1, std::nan(""), 1).any());
}
