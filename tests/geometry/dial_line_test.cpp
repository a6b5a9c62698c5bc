// A straight line of a flat dial: its equation, its sides, its nearest point and direction.

#include <cmath>

#include <gtest/gtest.h>

#include "geometry/dial_line.h"

namespace {

TEST(DialLine, AnEquationIsItsNearestPointAndAnUpwardUnitDirection) {
    const auto line = geometry::lineOf({3, 4, 10});   // 3x + 4y = 10: nearest point (1.2, 1.6)
    ASSERT_TRUE(line);
    EXPECT_NEAR(line->base.x, 1.2, 1e-15);
    EXPECT_NEAR(line->base.y, 1.6, 1e-15);
    EXPECT_NEAR(std::hypot(line->direction.x, line->direction.y), 1, 1e-15);
    EXPECT_GT(line->direction.y, 0);
    EXPECT_LT(geometry::lineOf({0, 1, 0.1})->direction.x, 0);   // a horizontal line runs left
    EXPECT_FALSE(geometry::lineOf({0, 0, 1}));
    EXPECT_FALSE(geometry::lineOf({1, NAN, 1}));
}

}  // namespace
