// The cylinder oracle checked against itself and against the flat shadow oracle: its shadow
// and its inverse agree, the right root is taken on each side, a huge radius is a flat wall.

#include <cmath>

#include <gtest/gtest.h>

#include "support/cylinder_oracle.h"
#include "support/shadow_oracle.h"

namespace {

using oracle::CylinderOracle;

struct Suns {
    template <class F>
    static void each(F&& f) {
        for (double H = -100; H <= 100; H += 12.5)
            for (double decl : {-23.45, -10.0, 0.0, 12.0, 23.45}) f(H, decl);
    }
};

TEST(CylinderOracle, ShadowAndInverseAgreeOnBothSides) {
    for (bool convex : {false, true}) {
        int cast = 0;
        for (double D : {0.0, 35.0, -120.0, 180.0}) {
            const CylinderOracle o(45, D, convex, 0.3, 0.1);
            Suns::each([&](double H, double decl) {
                const auto p = o.dialPoint(H, decl);
                if (!p) return;
                ++cast;
                const oracle::CylSun back = o.sunAt(p->x, p->y);
                EXPECT_TRUE(back.reachable);
                EXPECT_LE(std::fabs(p->x), o.reach() + 1e-12);
                EXPECT_NEAR(oracle::foldDegrees(back.sun.hourAngle - H), 0, 1e-7);
                EXPECT_NEAR(back.sun.declination, decl, 1e-7);
                const oracle::DialXY again = o.unrolledOf(o.surfacePoint(p->x, p->y));
                EXPECT_NEAR(again.x, p->x, 1e-12);
            });
        }
        EXPECT_GT(cast, 40) << "convex " << convex;
    }
}

TEST(CylinderOracle, NoonShadowOfASouthFacingDialRunsDownTheFootsGeneratrix) {
    for (bool convex : {false, true}) {
        const CylinderOracle o(45, 0, convex, 0.3, 0.1);
        const auto p = o.dialPoint(0, 0);
        ASSERT_TRUE(p.has_value());
        EXPECT_NEAR(p->x, 0, 1e-12);
        EXPECT_NEAR(p->y, -0.1, 1e-10);  // the sun's altitude is 45 degrees
    }
    // A convex dial facing north never has the noon sun in front.
    EXPECT_FALSE(CylinderOracle(45, 180, true, 0.3, 0.1).dialPoint(0, 10).has_value());
    // A concave one receives it on the far wall, half a turn from the foot.
    const auto far = CylinderOracle(45, 180, false, 0.3, 0.1).dialPoint(0, 10);
    ASSERT_TRUE(far.has_value());
    EXPECT_NEAR(std::fabs(far->x), 0.3 * std::acos(-1.0), 1e-6);
}

TEST(CylinderOracle, AHugeRadiusIsTheFlatWall) {
    for (double D : {0.0, 40.0, -70.0}) {
        for (bool convex : {false, true}) {
            const CylinderOracle cyl(50, D, convex, 1e7, 0.1);
            const oracle::ShadowOracle flat(50, D, 0, 0.1);
            Suns::each([&](double H, double decl) {
                const auto f = flat.dialPoint(H, decl);
                if (!f || std::hypot(f->x, f->y) > 0.5) return;
                const auto c = cyl.dialPoint(H, decl);
                ASSERT_TRUE(c.has_value());
                EXPECT_LT(oracle::distance(*c, *f), 1e-6);
            });
        }
    }
}

TEST(CylinderOracle, DistancesMeasureHowFarAPointIsFromItsCurve) {
    const CylinderOracle o(45, 25, false, 0.3, 0.1);
    const auto p = o.dialPoint(-30, 10);
    ASSERT_TRUE(p.has_value());
    EXPECT_LT(o.distanceToHourLine(-30, p->x, p->y), 1e-12);
    EXPECT_LT(o.distanceToDeclinationCurve(10, p->x, p->y), 1e-12);
    const double off = o.distanceToHourLine(-30, p->x + 0.002, p->y);
    EXPECT_GT(off, 1e-4);
    EXPECT_LT(off, 0.002 + 1e-12);
    EXPECT_NEAR(o.distanceToDeclinationCurve(10, p->x, p->y + 0.001), 0.001, 0.0005);
}

}  // namespace
