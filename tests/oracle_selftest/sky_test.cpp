// The sky model and the time conventions against textbook values.

#include <cmath>

#include <gtest/gtest.h>

#include "support/oracle_sky.h"

namespace {

using oracle::foldDegrees;
using oracle::Sky;

// Angles that come out of an inverse function carry the stored Pi's scale (pi / Pi - 1 is about
// 1.3e-10): a right angle reads 90.00000001.
constexpr double kAngleTol = 1e-7;

TEST(OracleSky, NoonSunStandsOnTheMeridian) {
    // At noon the sun's altitude is 90 - |lat - decl|, due south when lat > decl, due north
    // when lat < decl.
    for (double lat : {51.5, 23.45, 0.0, -33.9}) {
        Sky sky(lat);
        for (double d : {-23.45, 0.0, 10.0}) {
            EXPECT_NEAR(sky.altitude(0, d), 90 - std::abs(lat - d), kAngleTol);
            if (lat > d) {
                EXPECT_NEAR(sky.azimuth(0, d), 0, kAngleTol);
            }
            if (lat < d) {
                EXPECT_NEAR(std::abs(sky.azimuth(0, d)), 180, kAngleTol);
            }
        }
    }
    // Afternoon sun is in the west (positive azimuth), morning sun in the east.
    EXPECT_GT(Sky(45).azimuth(30, 0), 0);
    EXPECT_LT(Sky(-45).azimuth(-30, 0), 0);
}

TEST(OracleSky, SunsetAndTheOldHours) {
    Sky sky(45);
    // Equinox: sunset at 6 p.m. everywhere; the sun at sunset is on the horizon due west.
    EXPECT_NEAR(*sky.sunsetHourAngle(0), 90, kAngleTol);
    EXPECT_NEAR(sky.altitude(*sky.sunsetHourAngle(20), 20), 0, 1e-12);
    EXPECT_FALSE(Sky(70).sunsetHourAngle(23.45));  // midnight sun
    // Equinox noon is Italian hour 18 and Babylonian hour 6; Italian 24 is sunset.
    EXPECT_NEAR(*sky.italianHourAngle(18, 0), 0, kAngleTol);
    EXPECT_NEAR(*sky.babylonianHourAngle(6, 0), 0, kAngleTol);
    EXPECT_NEAR(*sky.italianHourAngle(24, 15), *sky.sunsetHourAngle(15), 1e-12);
    EXPECT_NEAR(*sky.babylonianHourAngle(0, 15), -*sky.sunsetHourAngle(15), 1e-12);
    // At any moment the Italian hour exceeds the Babylonian one by the length of the night.
    for (double d : {-20.0, 5.0, 23.45}) {
        const double night = 24 - 2 * *sky.sunsetHourAngle(d) / 15;
        for (double h = -60; h <= 60; h += 20) {
            EXPECT_NEAR(*sky.italianHourOf(h, d) - *sky.babylonianHourOf(h, d), night, 1e-9);
            EXPECT_NEAR(*sky.italianHourOf(*sky.italianHourAngle(15, d), d), 15, 1e-9);
        }
    }
    // The sun of an Italian or Babylonian hour lies on the great circle of that hour, whatever
    // its declination.
    for (double n : {4.0, 14.0, 20.0}) {
        for (double d : {-23.45, 0.0, 23.45}) {
            EXPECT_NEAR(oracle::dot(sky.sun(*sky.italianHourAngle(n, d), d),
                                    sky.italianCircleNormal(n)),
                        0, 1e-12);
            EXPECT_NEAR(oracle::dot(sky.sun(*sky.babylonianHourAngle(n, d), d),
                                    sky.babylonianCircleNormal(n)),
                        0, 1e-12);
        }
    }
}

TEST(OracleSky, HourAnglesForAltitudeAndAzimuth) {
    for (double lat : {45.0, -35.0, 10.0}) {
        Sky sky(lat);
        for (double d : {-23.45, 0.0, 20.0}) {
            for (double alt : {5.0, 25.0}) {
                if (auto h = sky.hourAngleForAltitude(alt, d)) {
                    EXPECT_GE(*h, 0);
                    EXPECT_NEAR(sky.altitude(*h, d), alt, 1e-9);
                }
            }
            for (double az = -150; az <= 150; az += 30)
                for (double h : sky.hourAnglesForAzimuth(az, d))
                    EXPECT_NEAR(foldDegrees(sky.azimuth(h, d) - az), 0, 1e-9) << lat << " " << d;
        }
    }
    // Equinox: the sun is due west at 6 p.m. (on the horizon) and only then.
    const auto west = Sky(45).hourAnglesForAzimuth(90, 0);
    ASSERT_EQ(west.size(), 1u);
    EXPECT_NEAR(west[0], 90, kAngleTol);
    EXPECT_FALSE(Sky(45).hourAngleForAltitude(60, -23.45));  // never that high in winter
}

TEST(OracleTime, ApparentAndStandardTime) {
    EXPECT_EQ(oracle::hourAngleOfApparentTime(12), 0);
    EXPECT_EQ(oracle::hourAngleOfApparentTime(15.5), 52.5);
    // Central European time (zone -1) has its meridian at 15 E, i.e. -15 west.
    EXPECT_EQ(oracle::zoneMeridianWest(-1), -15);
    // At 12:00 CET the mean sun stands on 15 E; at 12.5 E it has not reached the meridian yet.
    EXPECT_DOUBLE_EQ(oracle::hourAngleOfStandardTime(12, -12.5, -1), -2.5);
    // New York (74 W, zone +5, meridian 75 W) sees it 1 degree past its meridian.
    EXPECT_DOUBLE_EQ(oracle::hourAngleOfStandardTime(12, 74, 5), 1);
    EXPECT_DOUBLE_EQ(oracle::standardMeridianCorrection(-12.5, -1), -2.5);
}

TEST(OracleTime, GreatCircleDirectionOfMecca) {
    // From 45.7438 N, 7.6438 E Mecca lies 58.025 degrees east of south (121.975 from north).
    const auto q = oracle::greatCircleAzimuth(45.7438, -7.6438, 21.42527, -39.81638);
    ASSERT_TRUE(q);
    EXPECT_NEAR(*q, -58.02501, 2e-5);
    // From the mirrored southern place it lies 31.1746 degrees east of north.
    const auto s = oracle::greatCircleAzimuth(-45.7438, -7.6438, 21.42527, -39.81638);
    ASSERT_TRUE(s);
    EXPECT_NEAR(foldDegrees(180 + *s), 31.1746, 2e-4);
    EXPECT_FALSE(oracle::greatCircleAzimuth(10, 20, 10, 20));
}

TEST(OracleSky, UsesTheGivenPi) {
    EXPECT_DOUBLE_EQ(Sky(0).rad(180), oracle::kStoredPi);
    EXPECT_DOUBLE_EQ(Sky(0, 3.0).rad(180), 3.0);
    // The stored value is short of pi by about 4e-10: degrees come back scaled by pi / Pi.
    EXPECT_NE(*Sky(45).sunsetHourAngle(0), 90.0);
    EXPECT_NEAR(*Sky(45).sunsetHourAngle(0), 90 * std::acos(-1.0) / oracle::kStoredPi, 1e-12);
}

}  // namespace
