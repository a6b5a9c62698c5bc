#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "geometry/stored_pi.h"
#include "numeric/fold.h"

using namespace numeric;

namespace {

TEST(Fold, EachConventionAtItsEnds) {
    // An angle in degrees; its fold keeping the upper end; its supplement so folded; its turn
    // past the vertical to the positive side (NAN beyond a quarter turn, where no substyle lies).
    const double n = NAN;
    const struct {
        double angle, folded, supplement, pastVertical;
    } kRows[] = {
        {180, 180, 0, n},   {-180, 180, 0, n},  {540, 180, 0, n},           {-540, 180, 0, n},
        {360, 0, 180, n},   {0, 0, 180, 180},   {179.99, 179.99, 0.01, n},  {90, 90, 90, 90},
        {-90, -90, -90, 90}, {30, 30, 150, 150}, {-179.99, -179.99, -0.01, n},
        {-30, -30, -150, 150},
    };
    for (const double half : {180.0, geometry::kStoredPi})
        for (const auto& r : kRows) {
            SCOPED_TRACE(testing::Message() << r.angle << " degrees, half turn " << half);
            const double k = half / 180, tolerance = 1e-12 * half;
            // Within the range the fold returns the angle bit for bit; beyond it, exactly.
            EXPECT_NEAR(foldKeepingUpperEnd(r.angle * k, half), r.folded * k,
                        half == 180 ? 0 : tolerance);
            EXPECT_NEAR(supplementKeepingUpperEnd(r.angle * k, half), r.supplement * k, tolerance);
            if (std::isnan(r.pastVertical)) continue;
            // Only the sign of `towards` counts.
            for (const double towards : {1e-300, -2.0, 0.0})
                EXPECT_NEAR(turnedPastVertical(r.angle * k, towards, half),
                            ((towards > 0) - (towards < 0)) * r.pastVertical * k, tolerance);
        }
    // What is not finite is left to fail where it is used.
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(foldKeepingUpperEnd(inf, 180), inf);
    EXPECT_EQ(supplementKeepingUpperEnd(inf, 180), -inf);
    EXPECT_TRUE(std::isnan(foldKeepingUpperEnd(NAN, 180)));
}

}  // namespace
