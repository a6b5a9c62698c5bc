// The flat face of a dial in the world frame, and the polar style it carries.

#include <gtest/gtest.h>

#include "geometry/face.h"
#include "geometry/sky.h"
#include "support/oracle_sky.h"

namespace {

using geometry::Vec3;

constexpr double kPi = oracle::kStoredPi;

double rad(double deg) { return deg * kPi / 180; }

TEST(Face, ThePolarAxisInTheFacePutsTheCentreAtInfinity) {
    // The declinations and reclinations the programmes compute on the stored Pi: a wall facing
    // due east or west (cos 90 degrees some 2e-10), a polar dial, the horizontal plane at the
    // equator. The centre lies at infinity, and the meridian plane of an east or west wall is
    // parallel to it; a wall a thousandth of a degree off keeps both.
    struct Case {
        double lat, decl, recl;
        bool centreAtInfinity, meridianParallel;
    };
    for (const Case& c : {Case{45, 90, 0, true, true}, Case{-45, -90, 0, true, true},
                          Case{0, 90, 0, true, true}, Case{45, 0, 45, true, false},
                          Case{0, 0, 90, true, false}, Case{45, 89.999, 0, false, false},
                          Case{45, 0, 0, false, false}, Case{90, 0, 0, true, false}}) {
        SCOPED_TRACE(testing::Message() << c.lat << " " << c.decl << " " << c.recl);
        const geometry::Face face = geometry::Face::declining(rad(c.decl), rad(c.recl));
        const Vec3 pole = geometry::celestialPole(rad(c.lat));
        EXPECT_EQ(face.meetsAtInfinity(pole), c.centreAtInfinity);
        EXPECT_EQ(face.meetsAtInfinity(3 * pole), c.centreAtInfinity);  // any length
        EXPECT_EQ(face.parallelToPlane(geometry::hourPlaneNormal(rad(c.lat), 0)), c.meridianParallel);
    }
}

}  // namespace
