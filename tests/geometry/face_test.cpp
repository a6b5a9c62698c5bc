// The flat face of a dial in the world frame, and the polar style it carries.

#include <cmath>

#include <gtest/gtest.h>

#include "geometry/face.h"
#include "geometry/sky.h"
#include "support/oracle_sky.h"

namespace {

using geometry::Vec3;

constexpr double kPi = oracle::kStoredPi;

double rad(double deg) { return deg * kPi / 180; }

testing::AssertionResult near(const Vec3& a, const Vec3& b, double tolerance) {
    if (length(a - b) <= tolerance) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "apart by " << length(a - b);
}


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

TEST(Face, CarriesItsPolarStyle) {
    // The centre lies on the face and on the polar axis through the tip; the substyle runs from
    // the foot to it; the equinox sun of the substyle hour shines most squarely on the face. A
    // face due south reclined past the vertical and holding the axis keeps its substyle hour
    // at -pi, as the technical-data list has always shown it.
    for (double lat : {-40.0, 0.0, 45.0, 66.6})
        for (double decl : {-150.0, -30.0, 0.0, 60.0, 180.0})
            for (double recl : {-120.0, -20.0, 0.0, 35.0, 100.0}) {
                SCOPED_TRACE(testing::Message() << lat << " " << decl << " " << recl);
                const double phi = rad(lat);
                const geometry::Face face = geometry::Face::declining(rad(decl), rad(recl));
                const Vec3 pole = geometry::celestialPole(phi);
                EXPECT_DOUBLE_EQ(face.polarElevationSine(phi), dot(pole, face.out));
                // The same face from its angle to the horizon, the same pole from the
                // colatitude: they differ by what the stored Pi's right angle leaves.
                const geometry::Face fromHorizon =
                    geometry::Face::decliningFromHorizon(rad(decl), kPi / 2 - rad(recl));
                EXPECT_TRUE(near(fromHorizon.out, face.out, 1e-9));
                EXPECT_TRUE(near(fromHorizon.up, face.up, 1e-9));
                const Vec3 byColatitude = geometry::celestialPoleAtColatitude(kPi / 2 - phi);
                EXPECT_NEAR(face.polarElevationSine(byColatitude), face.polarElevationSine(phi),
                            1e-9);
                const double H = face.substyleHour(phi);
                const double line = face.substyleHourLine(phi);
                EXPECT_LE(std::fabs(line), kPi / 2);
                EXPECT_NEAR(std::sin(line - H), 0, 1e-15);
                for (double dH : {-0.01, 0.01})
                    EXPECT_GE(dot(geometry::equatorPoint(phi, H), face.out),
                              dot(geometry::equatorPoint(phi, H + dH), face.out));
                const auto centre = face.centre(0.2, phi);
                if (!centre) continue;
                const Vec3 fromTip = face.world(*centre) - 0.2 * face.out;
                EXPECT_NEAR(length(cross(fromTip, pole)), 0, 1e-12 * length(fromTip));
                const geometry::DialPoint along = face.substyleDirection(phi);
                EXPECT_NEAR(centre->x * along.y - centre->y * along.x, 0, 1e-12);
            }
    const geometry::Face past = geometry::Face::declining(0, rad(-135));
    EXPECT_FALSE(past.centre(0.2, rad(45)).has_value());
    EXPECT_EQ(past.substyleHour(rad(45)), -std::atan2(0, -1));
    // A wall facing north on the stored Pi: its substyle hour lies 6e-10 from midnight, and its
    // hour line keeps the digits of that small angle.
    const double D = rad(180), phi = rad(45);
    const double line = geometry::Face::declining(D, 0).substyleHourLine(phi);
    const double expected = std::atan(std::sin(D) / (std::cos(D) * std::sin(phi)));
    EXPECT_NEAR(line, expected, 1e-15 * std::fabs(expected));
    // A vertical wall's style as its programmes count it: the elevation asin(cos phi cos D), the
    // substyle atan(sin D / tan phi) from the vertical, the hour -atan(tan D / sin phi).
    for (double lat : {-40.0, 45.0})
        for (double decl : {-150.0, -30.0, 60.0}) {
            const double p = rad(lat), d = rad(decl);
            const auto style = geometry::Face::declining(d, 0).styleAngles(p, kPi);
            EXPECT_NEAR(style.elevation, std::asin(std::cos(p) * std::cos(d)), 1e-12);
            EXPECT_NEAR(style.substyle, std::atan(std::sin(d) / std::tan(p)), 1e-12);
            EXPECT_NEAR(style.hour, -std::atan(std::tan(d) / std::sin(p)), 1e-12);
        }
}

}  // namespace
