#include <cmath>
#include <limits>
#include <stdexcept>

#include <gtest/gtest.h>

#include "numeric/checked.h"
#include "numeric/skip.h"

using namespace numeric;

namespace {

TEST(Skip, AFailingStatementLeavesItsTargetAndReportsFalse) {
    double y = 7;
    double divisor = 0;
    EXPECT_FALSE(skip([&] { y = checkedDiv(1, divisor); }));
    EXPECT_EQ(y, 7);
    divisor = 4;
    EXPECT_TRUE(skip([&] { y = checkedDiv(1, divisor); }));
    EXPECT_EQ(y, 0.25);
}

TEST(Skip, OnlyTheFailingStatementIsLost) {
    // A point loop: the failing point keeps the previous value and the loop goes on.
    double x = -1;
    double previous = 0;
    int completed = 0;
    for (double d : {4.0, 0.0, 2.0}) {
        if (skip([&] { x = checkedDiv(1, d); })) ++completed;
        previous = x;
        if (d == 0.0) {
            EXPECT_EQ(previous, 0.25);
        }
    }
    EXPECT_EQ(completed, 2);
    EXPECT_EQ(x, 0.5);
}

TEST(Skip, OtherExceptionsAreNotSwallowed) {
    EXPECT_THROW(skip([] { throw std::logic_error("not numeric"); }), std::logic_error);
    double y = 1;
    EXPECT_THROW(assignOrSkip(y, []() -> double { throw std::logic_error("x"); }), std::logic_error);
    EXPECT_EQ(y, 1);
}

TEST(AssignOrSkip, AssignsOnlyFiniteCompletedResults) {
    double y = 3;
    EXPECT_TRUE(assignOrSkip(y, [] { return 1.5; }));
    EXPECT_EQ(y, 1.5);

    const double zero = 0;
    EXPECT_FALSE(assignOrSkip(y, [&] { return 1 / zero; }));  // unchecked infinity
    EXPECT_EQ(y, 1.5);
    EXPECT_FALSE(assignOrSkip(y, [&] { return zero / zero; }));  // unchecked NaN
    EXPECT_EQ(y, 1.5);
    EXPECT_FALSE(assignOrSkip(y, [] { return -std::numeric_limits<double>::infinity(); }));
    EXPECT_EQ(y, 1.5);
    EXPECT_FALSE(assignOrSkip(y, [] { return checkedSqrt(-1); }));
    EXPECT_EQ(y, 1.5);
    EXPECT_FALSE(assignOrSkip(y, [] { return ArcSin(1.5, 3.141592654); }));
    EXPECT_EQ(y, 1.5);
}

}  // namespace
