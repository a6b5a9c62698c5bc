#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "geometry/stored_pi.h"
#include "numeric/fold.h"

using namespace numeric;

namespace {

TEST(Fold, EachConventionAtItsEnds) {
    // An angle in degrees; its fold keeping the upper end; its supplement so folded; its turn
    // past the vertical to the positive side (NAN beyond a quarter turn, where no substyle lies);
    // its fold keeping the lower end and the turns taken off; its upper fold as shown with four
    // decimals (in degrees).
    const double n = NAN;
    const struct {
        double angle, folded, supplement, pastVertical, lower, turns, shown;
    } kRows[] = {
        {180, 180, 0, n, 180, 0, 180}, {-180, 180, 0, n, 180, -1, 180},
        {540, 180, 0, n, 180, 1, 180}, {-540, 180, 0, n, 180, -2, 180},
        {360, 0, 180, n, 0, 1, 0}, {0, 0, 180, 180, 0, 0, 0},
        {90, 90, 90, 90, 90, 0, 90}, {-90, -90, -90, 90, 270, -1, -90},
        {30, 30, 150, 150, 30, 0, 30}, {-30, -30, -150, 150, 330, -1, -30},
        {179.99, 179.99, 0.01, n, 179.99, 0, 179.99},
        {-179.99, -179.99, -0.01, n, 180.01, -1, -179.99},
        // Shown as -180.0000 or not.
        {-179.99996, -179.99996, -0.00004, n, 180.00004, -1, 180.00004},
        {180.00004, -179.99996, -0.00004, n, 180.00004, 0, 180.00004},
        {-179.99994, -179.99994, -0.00006, n, 180.00006, -1, -179.99994},
        // A turn less a hair rounds up to the whole turn: 0 of that turn, none taken off.
        {-1e-14, -1e-14, 180, 180, 0, 0, -1e-14},
    };
    for (const double half : {180.0, geometry::kStoredPi})
        for (const auto& r : kRows) {
            SCOPED_TRACE(testing::Message() << r.angle << " degrees, half turn " << half);
            const double k = half / 180, tolerance = 1e-12 * half;
            // Within the range the fold returns the angle bit for bit; beyond it, exactly.
            EXPECT_NEAR(foldKeepingUpperEnd(r.angle * k, half), r.folded * k,
                        half == 180 ? 0 : tolerance);
            EXPECT_NEAR(supplementKeepingUpperEnd(r.angle * k, half), r.supplement * k, tolerance);
            const TurnsOff lower = foldKeepingLowerEnd(r.angle * k, half);
            EXPECT_NEAR(lower.angle, r.lower * k, tolerance);
            EXPECT_EQ(lower.turns, r.turns);
            if (half == 180) {
                EXPECT_NEAR(foldShownKeepingUpperEnd(r.angle, half, 4), r.shown, 1e-12);
            }
            // Only the sign of `towards` counts.
            for (const double side : {1e-300, -2.0, 0.0}) {
                if (std::isnan(r.pastVertical)) continue;
                EXPECT_NEAR(turnedPastVertical(r.angle * k, side, half),
                            sgn(side) * r.pastVertical * k, tolerance);
            }
        }
    // What is not finite is left to fail where it is used.
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(foldKeepingUpperEnd(inf, 180), inf);
    EXPECT_EQ(supplementKeepingUpperEnd(inf, 180), -inf);
    EXPECT_EQ(foldKeepingLowerEnd(-inf, 180).angle, -inf);
    EXPECT_EQ(foldShownKeepingUpperEnd(inf, 180, 4), inf);
    EXPECT_TRUE(std::isnan(foldKeepingUpperEnd(NAN, 180)));
}

}  // namespace
