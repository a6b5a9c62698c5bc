// The projection of a sun through the tip of a perpendicular style onto a flat face.

#include <gtest/gtest.h>

#include "geometry/face.h"
#include "geometry/stored_pi.h"
#include "geometry/sun_projection.h"

namespace {

constexpr double kPi = geometry::kStoredPi;
double rad(double deg) { return deg * kPi / 180; }

TEST(SunProjection, WorkedPointsOnASouthWallAndAHorizontalPlane) {
    const double phi = rad(45);
    // A south wall at 45 N: the equinox noon shadow one style length below the foot; the sun in
    // front of it, the polar axis rising behind it.
    const geometry::Face wall = geometry::Face::declining(0, 0);
    const geometry::SunProjection noon = geometry::projectSun(wall, phi, 0, 0, 0.1);
    ASSERT_TRUE(noon.point);
    EXPECT_NEAR(noon.point->x, 0, 1e-15);
    EXPECT_NEAR(noon.point->y, -0.1, 1e-9);
    EXPECT_GT(noon.denominator, 0);
    EXPECT_EQ(noon.polar, wall.polarElevationSine(phi));
    EXPECT_LT(noon.polar, 0);
    // The midnight sun stands behind the wall: its point is the noon sun's, mirrored.
    EXPECT_LT(geometry::projectSun(wall, phi, kPi, 0, 0.1).denominator, 0);
    // A horizontal plane at 45 N: the equinox point at 3 pm.
    const geometry::Face flat = geometry::Face::declining(0, rad(90));
    const geometry::SunProjection p = geometry::projectSun(flat, phi, rad(45), 0, 0.1);
    ASSERT_TRUE(p.point);
    EXPECT_NEAR(p.point->x, 0.1414214, 1e-7);
    EXPECT_NEAR(p.point->y, 0.1, 1e-9);
    // On the equator the equinox sun runs in the plane of a south wall: no point.
    const geometry::SunProjection grazing = geometry::projectSun(wall, 0, rad(30), 0, 0.1);
    EXPECT_EQ(grazing.denominator, 0);
    EXPECT_FALSE(grazing.point);
}

}  // namespace
