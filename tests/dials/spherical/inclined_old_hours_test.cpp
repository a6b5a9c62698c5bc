// Italian, Babylonian and temporary hours and the analemma against the shadow oracle: the sun
// that casts each drawn point's shadow must be above the horizon at an hour of the family.

#include <cmath>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "dials/sun_series.h"
#include "dials/spherical/inclined_procedures.h"
#include "inclined_fixture.h"
#include "numeric/palette.h"
#include "numeric/step_loop.h"
#include "support/oracle_checks.h"

namespace inclinedtest {
namespace {

using namespace dials::spherical;

// How far x lies from the nearest multiple of step.
double offGrid(double x, double step) { return std::fabs(x - step * std::round(x / step)); }

// The hour of the family that the sun of a dial point stands at (hours), if any.
using HourOf = std::function<std::optional<double>(const oracle::Sky&, oracle::HourDecl)>;

struct OldHours {
    const char* name;
    const char* checkBox;
    void (*procedure)(shell::Context&);
    int colour;
    double first, last;  // the programme's hour counter
    HourOf hourOf;
};

const OldHours kFamilies[] = {
    // The programme's Italian line k lies where the sun is 23 - k hours before sunset, the
    // Italian hour k + 1.
    {"Italian", "ck_Italiche", DrawSphericalItalianHours, 12, -1, 24,
     [](const oracle::Sky& sky, oracle::HourDecl s) -> std::optional<double> {
         const auto h = sky.italianHourOf(s.hourAngle, s.declination);
         if (!h) return std::nullopt;
         return *h - 1;
     }},
    {"Babylonian", "ck_babiloniche", DrawSphericalBabylonianHours, 13, 0, 24,
     [](const oracle::Sky& sky, oracle::HourDecl s) {
         return sky.babylonianHourOf(s.hourAngle, s.declination);
     }},
    // Twelfths of the day from sunrise.
    {"temporary", "ckTemp", DrawSphericalTemporaryHours, 11, 0, 12,
     [](const oracle::Sky& sky, oracle::HourDecl s) -> std::optional<double> {
         const auto H0 = sky.sunsetHourAngle(s.declination);
         if (!H0) return std::nullopt;
         return (s.hourAngle + *H0) / (2 * *H0) * 12;
     }},
};

class InclinedOldHoursOnOracle : public testing::TestWithParam<Plane> {};

TEST_P(InclinedOldHoursOnOracle, EveryPointIsAnHourOfItsFamilyWithTheSunUp) {
    for (const OldHours& family : kFamilies) {
        SCOPED_TRACE(family.name);
        InclinedDial dial(GetParam(), {{family.checkBox, "1"}, {"TxtHour", "2"}});
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(family.procedure);
        EXPECT_GT(d.points.size(), 100u);
        const oracle::ShadowOracle o = dial.oracle();
        // Not the horizon: the suns of sunrise and sunset (the Babylonian hour 0, the Italian
        // hour 24, the temporary hours 0 and 12) cast no shadow.
        EXPECT_TRUE(oracle::allCastClearOfTheHorizon(o, d.at()));
        for (const dialtest::DrawnPoint& p : d.points) {
            ASSERT_EQ(p.colour, qbColor(family.colour));
            const oracle::HourDecl sun = o.sunFor(p.at.x, p.at.y);
            const auto hour = family.hourOf(o.sky(), sun);
            ASSERT_TRUE(hour) << p.at.x << ", " << p.at.y;
            // Where the family's hours crowd together against the declination (a day near the
            // polar day or night, a few minutes long or short of a whole turn), the hour read
            // back from a point carries the point's rounding, and the semi-diurnal arc the
            // programme computes loses digits, as much as 1e-5 degree of the sun's declination
            // or hour angle either way moves the hour (on a day a few minutes long, a great
            // deal): the sampler lays those lines up to where such days end.
            double crowding = 0;
            for (const oracle::HourDecl by : {oracle::HourDecl{0, -1e-5}, {0, 1e-5}, {-1e-5, 0}, {1e-5, 0}})
                if (const auto nearby = family.hourOf(
                        o.sky(), {sun.hourAngle + by.hourAngle, sun.declination + by.declination}))
                    crowding = std::max(crowding, std::fabs(*nearby - *hour));
            ASSERT_LT(offGrid(*hour, 0.5), 1e-6 + crowding)
                << "hour " << *hour << " at " << p.at.x << ", " << p.at.y;
            ASSERT_GE(*hour, family.first - 1e-6);
            ASSERT_LE(*hour, family.last + 1e-6);
            ASSERT_GT(o.sky().altitude(sun.hourAngle, sun.declination), -1e-6);
        }
    }
}

// The analemma: the shadow of the true sun at 12:00 mean time of the zone meridian, one point
// every two days where the sun is up and in front of the dial, and between them as many as lay
// the figure whole; no other point.
TEST_P(InclinedOldHoursOnOracle, AnalemmaFollowsTheSunAtMeanNoonOfTheZone) {
    InclinedDial dial(GetParam(), {{"ck_Lemniscate", "1"}, {"txtLON", "-10"}, {"TxtFuso", "-1"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawSphericalAnalemma);
    const double obliquity = 23.44638888888889 * kPi / 180;
    const sphtest::SweptLine figure{
        [obliquity](double M) {
            const dials::SunSeries sun = dials::sunForDay(M, obliquity, kPi);
            return std::optional(oracle::HourDecl{
                oracle::standardMeridianCorrection(-10, -1) - sun.equationOfTime() * 180 / kPi,
                sun.declination * 180 / kPi});
        },
        -80, 360, 2 * 360 / 365.2422, nullptr, dialtest::colourOf(10)};
    EXPECT_TRUE(laysTheLinesWhole(dial, d, {figure}));
}

std::vector<Plane> oldHourPlanes() {
    std::vector<Plane> list = planes();
    list.push_back({80, 0, 90});  // the polar night: no sun at noon for part of the year
    list.push_back({-70, 20, 0});
    // Walls facing due east and west, whose horizon line (sunrise, sunset) crosses the plot.
    for (const Plane& wall : {Plane{45, -90, 0}, Plane{45, 90, 0}, Plane{-45, -90, 0},
                              Plane{-45, 90, 0}})
        list.push_back(wall);
    return list;
}

INSTANTIATE_TEST_SUITE_P(Planes, InclinedOldHoursOnOracle, testing::ValuesIn(oldHourPlanes()));
INSTANTIATE_TEST_SUITE_P(PastTheVertical, InclinedOldHoursOnOracle, testing::ValuesIn(pastTheVertical()));
INSTANTIATE_TEST_SUITE_P(OtherSignOfNinety, InclinedOldHoursOnOracle,
                         testing::ValuesIn(otherSignHorizontals()));

TEST(InclinedOldHours, EveryLitHourBeyondThePolarCircle) {
    // At 70 N the summer days last up to 23 h: the first Italian hours after sunset and the last
    // Babylonian hours before sunrise are lit, on the horizontal dial and on a north wall.
    for (const Plane& plane : {Plane{70, 0, 90}, Plane{70, 170, 0}, Plane{-70, 10, -90}}) {
        SCOPED_TRACE(describe(plane));
        for (const OldHours* family : {&kFamilies[0], &kFamilies[1]}) {
            SCOPED_TRACE(family->name);
            InclinedDial dial(plane, {{family->checkBox, "1"}, {"TxtHour", "1"}});
            ASSERT_TRUE(dial.setUp());
            const oracle::ShadowOracle o = dial.oracle();
            std::set<long> drawn;
            for (const dialtest::DrawnPoint& p : dial.draw(family->procedure).points)
                drawn.insert(std::lround(*family->hourOf(o.sky(), o.sunFor(p.at.x, p.at.y))));
            // The hours whose sun, above the horizon and in front of the plane, casts a shadow
            // near the foot on some day of the programme's sweep.
            std::set<long> lit;
            for (int n = -1; n <= 24; ++n)
                for (double d : numeric::StepRange(-23.44, 23.44, 0.05)) {
                    const auto H0 = o.sky().sunsetHourAngle(d);
                    if (!H0) continue;
                    // The programme's hour n, as the oracle counts it (afternoon +).
                    const double H = family == &kFamilies[0] ? 15.0 * (n + 1) + *H0 - 360
                                                             : 15.0 * n - *H0;
                    const auto s = o.shadow(H, d);
                    if (std::fabs(H) < *H0 - 1e-6 && s && s->sunInFront &&
                        std::hypot(s->point.x, s->point.y) < 0.5)
                        lit.insert(n);
                }
            for (long n : lit) EXPECT_TRUE(drawn.count(n)) << "hour " << n;
        }
    }
}

TEST(InclinedOldHours, UntickedFamilyDrawsNothing) {
    InclinedDial dial({45, 0, 90}, {{"ck_Italiche", "0"}, {"ck_babiloniche", "1"}, {"ckTemp", "0"},
                                    {"ck_Lemniscate", "0"}});
    ASSERT_TRUE(dial.setUp());
    EXPECT_TRUE(dial.draw(DrawSphericalItalianHours).points.empty());
    EXPECT_TRUE(dial.draw(DrawSphericalTemporaryHours).points.empty());
    EXPECT_TRUE(dial.draw(DrawSphericalAnalemma).points.empty());
    EXPECT_FALSE(dial.draw(DrawSphericalBabylonianHours).points.empty());
}

TEST(InclinedAnalemma, WorkedPointOfTheEquinox) {
    // Mean longitude 0 on a south wall at 45 N, on the zone meridian.
    InclinedDial dial({45, 0, 0});
    ASSERT_TRUE(dial.setUp());
    const dials::SunSeries sun =
        dials::sunForDay(0, 23.44638888888889 * kPi / 180, kPi);
    const double E = -sun.equationOfTime();
    EXPECT_NEAR(E, -0.0301633, 1e-7);
    EXPECT_NEAR(sun.declination * 180 / kPi, 0.74926, 1e-5);
    const std::optional<geometry::DialPoint> p = ShadowPointSpherical(dial.m(), E, sun.declination);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->x, -0.004324, 1e-6);
    EXPECT_NEAR(p->y, -0.102651, 1e-6);
    // The whole figure lies on the wall: one point every two days, the end of the year twice,
    // and between them the points that lay it whole.
    dial.set("ck_Lemniscate", "1");
    EXPECT_GT(dial.draw(DrawSphericalAnalemma).points.size(), 224u);
}

}  // namespace
}  // namespace inclinedtest
