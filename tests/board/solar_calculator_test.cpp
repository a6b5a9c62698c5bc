// Julian day, equation of time, declination and right ascension against published values.

#include "board/solar_calculator.h"

#include <gtest/gtest.h>

#include <string>


namespace {

using board::EqTempo;
using board::SolarValues;

struct Moment {
    std::string year, month, day, hh, mm, ss;
};

SolarValues at(const Moment& t, double* eot = nullptr) {
    SolarValues v;
    const double et = EqTempo(t.year, t.month, t.day, t.hh, t.mm, t.ss, v);
    if (eot) *eot = et;
    return v;
}

struct JulianCase {
    Moment t;
    double jd;
};

class JulianDay : public testing::TestWithParam<JulianCase> {};

TEST_P(JulianDay, MatchesTheAlmanac) {
    EXPECT_NEAR(at(GetParam().t).JulianDay, GetParam().jd, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    KnownDates, JulianDay,
    testing::Values(JulianCase{{"2000", "1", "1", "12", "0", "0"}, 2451545.0},
                    JulianCase{{"1957", "10", "4", "19", "26", "24"}, 2436116.31},
                    JulianCase{{"333", "1", "27", "12", "0", "0"}, 1842713.0},
                    JulianCase{{"1987", "6", "19", "12", "0", "0"}, 2446966.0},
                    // The last Julian and the first Gregorian day follow each other.
                    JulianCase{{"1582", "10", "4", "0", "0", "0"}, 2299159.5},
                    JulianCase{{"1582", "10", "15", "0", "0", "0"}, 2299160.5}));

TEST(JulianDay, DayFractionIsTruncatedToHundredthsAndTheDayTextToTwoCharacters) {
    // 12:10 is 0.5069 of a day: it enters as .50.
    EXPECT_DOUBLE_EQ(at({"2000", "1", "1", "12", "10", "0"}).JulianDay, 2451545.0);
    EXPECT_DOUBLE_EQ(at({"2000", "1", "123", "12", "0", "0"}).JulianDay,
                     at({"2000", "1", "23", "12", "0", "0"}).JulianDay);
    EXPECT_DOUBLE_EQ(at({"2000", "1", "7", "12", "0", "0"}).JulianDay,
                     at({"2000", "01", "07", "12", "0", "0"}).JulianDay);
}

TEST(JulianDay, HoursBeyondTheDayCarryIntoTheDayNumber) {
    // 25:00 on the 31st is 01:00 of day 32, the first of the next month.
    EXPECT_DOUBLE_EQ(at({"2024", "12", "31", "25", "0", "0"}).JulianDay,
                     at({"2025", "1", "1", "1", "0", "0"}).JulianDay);
    EXPECT_DOUBLE_EQ(at({"2024", "3", "10", "-2", "0", "0"}).JulianDay,
                     at({"2024", "3", "9", "22", "0", "0"}).JulianDay);
    // 24:00 is midnight at the end of the day, not a tenth of a day after its start.
    EXPECT_DOUBLE_EQ(at({"2024", "3", "10", "24", "0", "0"}).JulianDay,
                     at({"2024", "3", "11", "0", "0", "0"}).JulianDay);
    EXPECT_DOUBLE_EQ(at({"2024", "3", "10", "50", "0", "0"}).JulianDay,
                     at({"2024", "3", "12", "2", "0", "0"}).JulianDay);
    // A hair before midnight stays in its day; half an hour before the day is the day before's.
    EXPECT_NEAR(at({"2024", "3", "19", "23", "59", "59.9999"}).JulianDay, 2460389.49, 1e-6);
    EXPECT_NEAR(at({"2024", "3", "20", "-0.5", "0", "0"}).JulianDay, 2460389.47, 1e-6);
}

TEST(SunPosition, MatchesTheAlmanacOf13October1992) {
    // Apparent declination -7 deg 47' 06", right ascension 13 h 13 m 31.4 s, equation of time
    // +13.71 min (0 h TD).
    double eot = 0;
    const SolarValues v = at({"1992", "10", "13", "0", "0", "0"}, &eot);
    EXPECT_DOUBLE_EQ(v.Pi, 3.141592654);
    EXPECT_NEAR(v.SunDecl * 180 / v.Pi, -7.78507, 0.002);
    EXPECT_EQ(v.RaHours, 13);
    EXPECT_EQ(v.RaMinutes, 13);
    EXPECT_NEAR(v.RaSeconds, 31.4, 0.5);
    EXPECT_NEAR(eot, 13.71, 0.02);
    EXPECT_EQ(v.EotMinutes, 13);
    EXPECT_NEAR(v.EotFraction, eot - 13, 1e-12);
    EXPECT_NEAR(v.Obliquity * 180 / v.Pi, 23.4402, 0.001);
}

TEST(SunPosition, SolsticesAndTheExtremesOfTheEquationOfTime) {
    double eot = 0;
    EXPECT_NEAR(at({"2024", "6", "20", "21", "0", "0"}).SunDecl * 180 / 3.141592654, 23.44, 0.01);
    EXPECT_NEAR(at({"2024", "12", "21", "9", "0", "0"}).SunDecl * 180 / 3.141592654, -23.44, 0.01);
    // About -14 min 14 s on 11 February and +16 min 25 s on 3 November.
    const SolarValues feb = at({"2024", "2", "11", "12", "0", "0"}, &eot);
    EXPECT_NEAR(eot, -14.23, 0.1);
    EXPECT_EQ(feb.EotMinutes, -14);
    EXPECT_LT(feb.EotFraction, 0);
    at({"2024", "11", "3", "12", "0", "0"}, &eot);
    EXPECT_NEAR(eot, 16.42, 0.1);
}

TEST(SunPosition, RightAscensionStaysWithinTheDayAfterTheSpringEquinox) {
    // The true longitude is a little over 360 degrees here: 0 h 1 m, not 24 h 1 m.
    const SolarValues v = at({"2024", "3", "20", "12", "0", "0"});
    EXPECT_EQ(v.RaHours, 0);
    EXPECT_EQ(v.RaMinutes, 1);
    EXPECT_NEAR(v.SunDecl * 180 / v.Pi, 0.15, 0.01);
}

}  // namespace
