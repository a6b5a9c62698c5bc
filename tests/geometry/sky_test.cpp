// The sky every family of programmes shares, against the independent sky of the shadow models
// and against values any almanac gives.

#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include "geometry/sky.h"
#include "support/oracle_sky.h"

namespace {

using geometry::Vec3;

constexpr double kPi = oracle::kStoredPi;
constexpr double kLatitudes[] = {-70, -35, 0.01, 23.45, 45, 66.6, 80};
constexpr double kDeclinations[] = {-23.45, -11.5, 0, 11.5, 20, 23.45};

double rad(double deg) { return deg * kPi / 180; }
Vec3 ours(const oracle::Vec3& v) { return {v.x, v.y, v.z}; }

testing::AssertionResult near(const Vec3& a, const Vec3& b, double tolerance) {
    if (std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance &&
        std::fabs(a.z - b.z) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(" << a.x << ", " << a.y << ", " << a.z << ") against ("
                                       << b.x << ", " << b.y << ", " << b.z << ")";
}

TEST(Sky, TheSunAndItsPlanesAreTheModelsOnAGridOfPlacesHoursAndDays) {
    for (double lat : kLatitudes) {
        const oracle::Sky sky(lat);
        const double phi = rad(lat);
        EXPECT_TRUE(near(geometry::celestialPole(phi), ours(sky.pole()), 1e-14));
        for (double hour = -180; hour <= 180; hour += 7.5) {
            const double H = rad(hour);
            EXPECT_TRUE(near(geometry::equatorPoint(phi, H), ours(sky.sun(hour, 0)), 1e-14));
            const Vec3 normal = geometry::hourPlaneNormal(phi, H);
            EXPECT_NEAR(length(normal), 1, 1e-14);
            EXPECT_NEAR(dot(normal, geometry::celestialPole(phi)), 0, 1e-14);
            for (double decl : kDeclinations) {
                const Vec3 sun = geometry::sunDirection(phi, H, rad(decl));
                EXPECT_TRUE(near(sun, ours(sky.sun(hour, decl)), 1e-14)) << lat << " " << hour;
                // Every sun of the hour lies in its hour plane, and its declination is its own.
                EXPECT_NEAR(dot(normal, sun), 0, 1e-14);
                EXPECT_NEAR(geometry::sineOfDeclination(phi, 3 * sun), std::sin(rad(decl)), 1e-14);
                EXPECT_EQ(geometry::aboveHorizon(sun), sky.altitude(hour, decl) > 0);
            }
        }
    }
}

TEST(Sky, ThePublishedNoonAltitudes) {
    // At 45 degrees north the noon sun stands 45 degrees high at the equinoxes, 68.45 at the June
    // solstice and 21.55 at the December one; it never sets at 80 north in June.
    const double phi = rad(45);
    auto altitude = [&](double decl) {
        return std::asin(geometry::sunDirection(phi, 0, rad(decl)).z) * 180 / kPi;
    };
    EXPECT_NEAR(altitude(0), 45, 1e-7);
    EXPECT_NEAR(altitude(23.45), 68.45, 1e-7);
    EXPECT_NEAR(altitude(-23.45), 21.55, 1e-7);
    EXPECT_TRUE(geometry::aboveHorizon(geometry::sunDirection(rad(80), rad(180), rad(23.45))));
}

TEST(Sky, TheDaysArcEndsWhereTheSunCrossesTheHorizonAndAGrazingSunIsNotAboveIt) {
    // The expected arc: 0 (no sunrise), pi (no sunset), or kOrdinary for acos(-tan tan).
    constexpr double kOrdinary = -1;
    struct Row {
        double lat, decl, arc;
    };
    for (const Row& r : {Row{45, 0, kPi / 2}, Row{0, 23.45, kPi / 2}, Row{45, 23.45, kOrdinary},
                         Row{-35, 20, kOrdinary}, Row{66.55, 23.4499, kOrdinary},
                         // The polar day and night, at both signs of the latitude and the pole.
                         Row{80, 23.45, kPi}, Row{80, -23.45, 0}, Row{-80, -23.45, kPi},
                         Row{-80, 23.45, 0}, Row{90, 10, kPi}, Row{90, 0, 0},
                         // Grazing days: a midnight sun on the horizon (to the stored Pi) never
                         // goes below it; a noon sun on it brings no daylight. On either side of
                         // the horizon by rounding (-tan tan a hair inside or outside +-1).
                         Row{66.55, 23.45, kPi}, Row{-66.55, -23.45, kPi}, Row{66.55, -23.45, 0},
                         Row{-66.55, 23.45, 0}, Row{80, 10, kPi}, Row{-70, 20, 0},
                         Row{66.55, 23.44999997, kPi}, Row{-66.55, 23.44999997, 0}}) {
        SCOPED_TRACE(testing::Message() << r.lat << " " << r.decl);
        const double phi = rad(r.lat), delta = rad(r.decl);
        const double arc = geometry::semiDiurnalArc(phi, delta, kPi);
        EXPECT_EQ(geometry::risesAndSets(arc, kPi), r.arc != 0 && r.arc != kPi);
        if (r.arc != kOrdinary) {
            EXPECT_EQ(arc, r.arc);
            continue;
        }
        // The sunset and the sunrise stand on the horizon, to the stored Pi.
        EXPECT_NEAR(arc, std::acos(-std::tan(phi) * std::tan(delta)), 1e-9);
        EXPECT_NEAR(geometry::sunDirection(phi, arc, delta).z, 0, 1e-9);
        EXPECT_NEAR(geometry::sunDirection(phi, -arc, delta).z, 0, 1e-9);
    }
}

TEST(Sky, TurnedHorizonsHoldTheSunsOfOneItalianAndOneBabylonianHour) {
    for (double lat : {-50.0, -20.0, 0.01, 30.0, 45.0, 60.0}) {
        const oracle::Sky sky(lat);
        const double phi = rad(lat);
        for (int n = 1; n <= 23; ++n) {
            // Italian hour n is the horizon turned back by 24 - n hours; its suns lie on that
            // circle's setting half, the Babylonian hour n's on its rising half.
            const double turn = rad(15.0 * (n - 24));
            const Vec3 normal = geometry::turnedHorizonNormal(phi, turn);
            EXPECT_TRUE(near(normal, ours(sky.italianCircleNormal(n)), 1e-14));
            const auto italian = geometry::HourPlaneHalf::ofTurnedHorizon(phi, turn, kPi, true);
            const auto babylonian = geometry::HourPlaneHalf::ofTurnedHorizon(phi, turn, kPi, false);
            for (double decl : kDeclinations) {
                const std::optional<double> Hi = sky.italianHourAngle(n, decl);
                const std::optional<double> Hb = sky.babylonianHourAngle(n, decl);
                ASSERT_TRUE(Hi && Hb);
                const Vec3 sunI = ours(sky.sun(*Hi, decl)), sunB = ours(sky.sun(*Hb, decl));
                EXPECT_NEAR(dot(normal, sunI), 0, 1e-9);
                EXPECT_NEAR(dot(normal, sunB), 0, 1e-9);
                EXPECT_TRUE(italian.keeps(sunI)) << lat << " " << n << " " << decl;
                EXPECT_FALSE(italian.keeps(sunB)) << lat << " " << n << " " << decl;
                EXPECT_TRUE(babylonian.keeps(sunB)) << lat << " " << n << " " << decl;
                EXPECT_FALSE(babylonian.keeps(sunI)) << lat << " " << n << " " << decl;
            }
        }
    }
}

TEST(Sky, AnItalianOrBabylonianPointIsCastByASunOfItsOwnHourAboveTheHorizon) {
    for (double lat : {-50.0, -20.0, 0.01, 30.0, 45.0, 60.0}) {
        const oracle::Sky sky(lat);
        const double phi = rad(lat);
        for (int n = 0; n <= 24; ++n) {
            const double turn = rad(15.0 * n);
            const auto italian = geometry::HourPlaneHalf::ofTurnedHorizon(phi, turn, kPi, true);
            const auto babylonian = geometry::HourPlaneHalf::ofTurnedHorizon(phi, turn, kPi, false);
            for (double decl : kDeclinations) {
                const double Hi = *sky.italianHourAngle(n, decl);
                const double Hb = *sky.babylonianHourAngle(n, decl);
                const Vec3 sunI = ours(sky.sun(Hi, decl)), sunB = ours(sky.sun(Hb, decl));
                const double upI = sky.altitude(Hi, decl), upB = sky.altitude(Hb, decl);
                // The hour's own suns above the horizon, by day; not at night, and not the suns
                // of sunset and sunrise (Italian 24, Babylonian 0), which stand on the horizon.
                // Never the other family's suns, nor the suns of the own half below the horizon.
                if (std::fabs(upI) > 1e-6 || n % 24 == 0) {
                    EXPECT_EQ(italian.castsOwnHour(sunI), n % 24 != 0 && upI > 0)
                        << lat << " " << n << " " << decl;
                }
                if (std::fabs(upB) > 1e-6 || n % 24 == 0) {
                    EXPECT_EQ(babylonian.castsOwnHour(sunB), n % 24 != 0 && upB > 0)
                        << lat << " " << n << " " << decl;
                }
                EXPECT_FALSE(italian.castsOwnHour(sunB)) << lat << " " << n << " " << decl;
                EXPECT_FALSE(babylonian.castsOwnHour(sunI)) << lat << " " << n << " " << decl;
                if (upB > 1e-6) {
                    EXPECT_FALSE(italian.castsOwnHour({-sunB.x, -sunB.y, -sunB.z}));
                }
                if (upI > 1e-6) {
                    EXPECT_FALSE(babylonian.castsOwnHour({-sunI.x, -sunI.y, -sunI.z}));
                }
            }
        }
    }
}

TEST(Sky, AnHourLineKeepsItsOwnSunsAndOnlyTheRealSunsOfTheOtherHalf) {
    for (double lat : kLatitudes) {
        const oracle::Sky sky(lat);
        const double phi = rad(lat);
        for (double hour = -165; hour <= 165; hour += 15) {
            const geometry::HourPlaneHalf half(phi, rad(hour), kPi, false);
            const geometry::HourPlaneHalf sixOClock(phi, rad(hour), kPi, true);
            for (double decl = -40; decl <= 40; decl += 5) {
                // The suns of the hour itself, by day or night, in or out of the year.
                EXPECT_TRUE(half.keeps(ours(sky.sun(hour, decl))));
                // Those twelve hours away: only a sun above the horizon within the solstices. A
                // sun on the horizon (to the stored Pi's rounding) is not above it.
                const Vec3 other = ours(sky.sun(hour + 180, decl));
                const double altitude = sky.altitude(hour + 180, decl);
                const bool real = altitude > 1e-6 && std::fabs(decl) <= 23.45;
                if (std::fabs(altitude) > 1e-6 || !(std::fabs(decl) <= 23.45)) {
                    EXPECT_EQ(half.keeps(other), real) << lat << " " << hour << " " << decl;
                }
                EXPECT_FALSE(sixOClock.keeps(other));
            }
        }
    }
}

TEST(Sky, ASunOnTheHorizonIsNotAboveIt) {
    const double phi = rad(45);
    // The horizon itself: a sun on it casts no shadow, whatever rounding left of its altitude.
    const Vec3 setting = geometry::sunDirection(phi, rad(90), 0);
    EXPECT_FALSE(geometry::aboveHorizon(setting));
    EXPECT_FALSE(geometry::aboveHorizon({setting.x, setting.y, 1e-12}));
    EXPECT_TRUE(geometry::aboveHorizon({setting.x, setting.y, 1e-6}));
}

TEST(Sky, TheExtensionOfAnHourLineIsLitWhenSomeSunOfTheOtherHourReachesTheFace) {
    const double phi = rad(45);
    const Vec3 southWall{0, -1, 0}, northWall{0, 1, 0};
    // Beyond the centre of a south wall the line of 8 p.m. carries 8 a.m.: lit all year. That of
    // 4 p.m. carries 4 a.m., a sun always below the horizon at 45 north.
    EXPECT_TRUE(geometry::HourPlaneHalf(phi, rad(120), kPi, false).otherHalfLitInTheYear(southWall));
    EXPECT_FALSE(geometry::HourPlaneHalf(phi, rad(60), kPi, false).otherHalfLitInTheYear(southWall));
    // On a north wall 5 a.m. lights the extension of the 5 p.m. line in summer; never the
    // noon sun, whose other half is midnight.
    EXPECT_TRUE(geometry::HourPlaneHalf(phi, rad(75), kPi, false).otherHalfLitInTheYear(northWall));
    EXPECT_FALSE(geometry::HourPlaneHalf(phi, 0, kPi, false).otherHalfLitInTheYear(northWall));
    // Where that half is drawn as a line of its own, it is never this line's.
    EXPECT_FALSE(geometry::HourPlaneHalf(phi, rad(120), kPi, true).otherHalfLitInTheYear(southWall));
}

}  // namespace
