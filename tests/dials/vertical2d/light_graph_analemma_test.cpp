// The light graph's analemma: each day's point is the shadow of the true sun at 12:00 of the
// zone's time, that is at the hour angle of the zone meridian plus the equation of time, on the
// days when that sun shines on the wall.

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/sun_series.h"
#include "dials/vertical2d/light_graph_procedures.h"
#include "light_graph_fixture.h"
#include "numeric/step_loop.h"
#include "support/oracle_checks.h"

namespace lighttest {
namespace {

namespace v2 = dials::vertical2d;
constexpr double kAnalemmaPi = 3.1415926536;

struct AnalemmaCase {
    Wall wall;
    double lonWest;
    double zone;
};

void PrintTo(const AnalemmaCase& c, std::ostream* out) {
    *out << describe(c.wall) << ", lon " << c.lonWest << " W, zone " << c.zone;
}

std::unique_ptr<LightDial> makeDial(const AnalemmaCase& c) {
    auto settings = only({"ck_Lemniscate"});
    settings.emplace_back("txtLON", std::to_string(c.lonWest));
    settings.emplace_back("TxtFuso", std::to_string(c.zone));
    return std::make_unique<LightDial>(c.wall, settings);
}

const std::vector<AnalemmaCase> kCases = {
    {{45, 0}, -15, -1},   {{45, 0}, -7.5, -1},  {{45, 30}, -12.5, -1}, {{52, -60}, 5, 0},
    {{40, 120}, -20, -1}, {{30, -150}, 75, 5},  {{60, 80}, -10, -1},   {{10, 0}, 0, 0},
    {{0, 0}, -15, -1},    {{0, 180}, -15, -1},  {{0, 30}, -7.5, -1},   {{0, -120}, 3, 0},
    // A wall facing the pole beyond the polar circle, whose winter noon sun stands below the
    // horizon behind it, and the tropic.
    {{80, 180}, -7.5, -1}, {{23.45, -90}, 0, 0},
};

class LightGraphAnalemma : public testing::TestWithParam<AnalemmaCase> {};

TEST_P(LightGraphAnalemma, EachDayIsTheShadowOfTheTrueSunAtStandardNoon) {
    const AnalemmaCase& c = GetParam();
    const auto dial = makeDial(c);
    ASSERT_TRUE(dial->setUp());
    const Drawing d = dial->draw(v2::PlotAnalemmaLight);
    // The same days from the shared series; the oracle's sun at the zone meridian's mean noon,
    // moved by the equation of time (apparent minus mean time is -(Ec - Q)).
    const plot::PlotSurface& plot = dial->surface();
    const oracle::ShadowOracle o(c.wall.lat, c.wall.decl, 0, c.wall.style, kAnalemmaPi);
    const double obliquity = dials::kAnalemmaObliquityDeg * kAnalemmaPi / 180;
    std::vector<oracle::DialXY> expected;
    for (double t : numeric::StepRange(-80, 360, 2 * dials::kMeanDayDeg)) {
        const auto sun = dials::sunForDay(t, obliquity, kAnalemmaPi);
        const double H = o.sky().deg(-sun.equationOfTime()) +
                         oracle::standardMeridianCorrection(c.lonWest, c.zone);
        const auto shadow = o.shadow(H, o.sky().deg(sun.declination));
        // A sun behind the wall or below the horizon casts no shadow on it; points beyond the
        // plot area are not recorded.
        if (shadow && shadow->sunInFront && shadow->sunAboveHorizon &&
            std::fabs(shadow->point.x) <= plot.ShiftX() &&
            shadow->point.y >= plot.ShiftY() - plot.QuadranteH() &&
            shadow->point.y <= plot.ShiftY())
            expected.push_back(shadow->point);
    }
    // A wall facing away from the equator never sees the sun at noon, or for part of the year.
    if (std::fabs(c.wall.decl) < 90) {
        EXPECT_GT(expected.size(), 40u);
    }
    ASSERT_EQ(d.points.size(), expected.size());
    // The wall's angles were turned to radians with the reader's pi, the sun's with the
    // analemma's: they differ by some 1e-9 of a radian.
    const double tolerance = oracle::toleranceFor(c.wall.style);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_NEAR(d.points[i].at.x, expected[i].x, tolerance) << "day " << i;
        ASSERT_NEAR(d.points[i].at.y, expected[i].y, tolerance) << "day " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Walls, LightGraphAnalemma, testing::ValuesIn(kCases));

TEST(LightGraphAnalemmaSouthWall, TheSixteenMinuteExtremeLiesEastOfTheNoonLine) {
    // 15 E in the zone of 15 E: 12:00 on the clock is mean noon at the place. Early in November
    // the sun is 16 minutes ahead of the clock, west of the meridian: the shadow lies east of
    // the noon line, on the right of the dial. In February it lags by 14 minutes.
    const auto dial = makeDial({{45, 0, 1}, -15, -1});
    ASSERT_TRUE(dial->setUp());
    const Drawing d = dial->draw(v2::PlotAnalemmaLight);
    double east = -1, west = 1;
    for (const DrawnPoint& p : d.points) {
        east = std::max(east, p.at.x);
        west = std::min(west, p.at.x);
    }
    EXPECT_NEAR(east, 0.080, 0.001);
    EXPECT_NEAR(west, -0.072, 0.001);
    // Every day's cone cuts this wall in a hyperbola: the winter colour is kept all year.
    EXPECT_EQ(d.colours(), std::set<plot::Colour>{colourOf(12)});
}

TEST(LightGraphAnalemmaColours, ClosedDayCurvesAndThePolarStylePerpendicularHaveTheirOwn) {
    const auto low = makeDial({{10, 0}, 0, 0});
    ASSERT_TRUE(low->setUp());
    EXPECT_EQ(low->draw(v2::PlotAnalemmaLight).colours(),
              (std::set<plot::Colour>{colourOf(12), colourOf(3)}));

    const auto equator = makeDial({{0, 0}, 0, 0});
    ASSERT_TRUE(equator->setUp());
    EXPECT_EQ(equator->draw(v2::PlotAnalemmaLight).colours(), std::set<plot::Colour>{colourOf(6)});
}

}  // namespace
}  // namespace lighttest
