// The analemma against the shadow oracle: every point is the shadow of the true sun at 12:00 of
// the zone's standard time on one mean day.

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/procedures.h"
#include "dials/sun_series.h"
#include "flat3d_fixture.h"
#include "numeric/palette.h"
#include "numeric/step_loop.h"
#include "support/oracle_checks.h"

namespace flat3dtest {
namespace {

using dials::kMeanDayDeg;
using dials::SunSeries;
using dials::sunForDay;

constexpr double kPi = 3.141592654;
const double kObliquity = dials::kAnalemmaObliquityDeg * kPi / 180;

// The distance in metres from a dial point to the nearest shadow of the analemma's days: the
// true sun at 12:00 of the zone's time, on the days it stands above the horizon and in front of
// the plane (on the other days no shadow falls).
double offTheAnalemma(const oracle::ShadowOracle& o, const oracle::DialXY& p,
                      double noonHourAngle) {
    double best = std::numeric_limits<double>::infinity();
    for (double t : numeric::StepRange(0, 360, kMeanDayDeg)) {
        const SunSeries day = sunForDay(t, kObliquity, kPi);
        const auto shadow = o.shadow(noonHourAngle - day.equationOfTime() * 180 / kPi,
                                     day.declination * 180 / kPi);
        if (shadow && shadow->sunInFront && shadow->sunAboveHorizon)
            best = std::min(best, std::hypot(p.x - shadow->point.x, p.y - shadow->point.y));
    }
    return best;
}

struct AnalemmaCase {
    Place place;
    Variable variable;
    const char* lon;
    const char* zone;
};

void PrintTo(const AnalemmaCase& c, std::ostream* out) {
    *out << describe(c.place, c.variable) << ", lon " << c.lon << ", zone " << c.zone;
}

const std::vector<AnalemmaCase> kCases = {
    {{45, 0, 0}, Variable::X, "-7.6438", "-1"},   {{45, 20, 0}, Variable::Y, "-12.5", "-1"},
    {{45, 0, 90}, Variable::X, "0", "0"},         {{52, -25, 35}, Variable::X, "5", "0"},
    {{52, -25, 35}, Variable::Y, "-20", "-1"},    {{40, 20, -25}, Variable::X, "74", "5"},
    {{-35, 20, -30}, Variable::X, "-150", "-10"}, {{-35, 20, -30}, Variable::Y, "-151", "-10"},
    {{-40, 0, 0}, Variable::X, "58", "3"},        {{-30, 0, -90}, Variable::X, "-18.4", "-2"},
    // Variable Y on a plane facing due north (a world north coordinate of the plane says
    // nothing of its dial abscissa), and X on one facing almost due west.
    {{45, 180, 89.999}, Variable::Y, "0", "0"},   {{-45, 180, -89.999}, Variable::Y, "0", "0"},
    {{20, 89.9, 75}, Variable::X, "-10", "-1"},
    // Beyond the polar circle, the equator on a plane past the vertical, a tropic.
    {{80, 40, 30}, Variable::X, "-7.5", "-1"},    {{0, -75, 110}, Variable::Y, "3", "0"},
    {{23.45, 40, 0}, Variable::Y, "-7.5", "-1"},
};

class AnalemmaOnOracle : public testing::TestWithParam<AnalemmaCase> {};

TEST_P(AnalemmaOnOracle, EveryPointIsTheTrueSunAtZoneNoon) {
    const AnalemmaCase c = GetParam();
    Flat3dDial dial(c.place, c.variable, {{"txtLON", c.lon}, {"TxtFuso", c.zone}});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(dials::flat3d::PlotAnalemmaX, dials::flat3d::PlotAnalemmaY);
    const int colour = c.variable == Variable::X ? 14 : 12;
    EXPECT_EQ(d.withColour(numeric::qbColor(colour)).size(), d.points.size());
    // One point a mean day; points outside the plot are not recorded.
    EXPECT_LE(d.points.size(), 366u);
    EXPECT_GT(d.points.size(), 200u);
    const oracle::ShadowOracle o = dial.oracle();
    const double noon = oracle::hourAngleOfStandardTime(12, std::stod(c.lon), std::stod(c.zone));
    double worst = 0;
    for (const DrawnPoint& p : d.points) worst = std::max(worst, offTheAnalemma(o, p.at, noon));
    EXPECT_LT(worst, oracle::toleranceFor(o.styleLength())) << "metres";
}

INSTANTIATE_TEST_SUITE_P(Planes, AnalemmaOnOracle, testing::ValuesIn(kCases));

TEST(Analemma, AllDaysOnAPlaneFacingTheNoonSun) {
    Flat3dDial dial({45, 0, 0}, Variable::X);
    ASSERT_TRUE(dial.setUp());
    EXPECT_EQ(dial.draw(dials::flat3d::PlotAnalemmaX).points.size(), 366u);
}

TEST(Analemma, NoDayWhoseNoonSunIsBehindThePlaneOrDown) {
    // Beyond the tropics the noon sun never reaches a wall facing the pole; at 70 N it stays below
    // the horizon in midwinter, so the horizontal dial loses those days. Beyond the polar circles
    // the winter noon sun stands below the horizon behind a wall facing the pole: its line through
    // the tip meets the wall where the opposite direction, a sun above the horizon in front of
    // the wall, would cast it, and still no point of that day is drawn.
    for (const Place& p : {Place{45, 180, 0}, Place{-40, 180, 0}, Place{45, 170, 20},
                           Place{70, 180, 0}, Place{-75, 180, 0}}) {
        for (Variable v : {Variable::X, Variable::Y}) {
            Flat3dDial dial(p, v);
            ASSERT_TRUE(dial.setUp());
            EXPECT_TRUE(dial.draw(dials::flat3d::PlotAnalemmaX, dials::flat3d::PlotAnalemmaY)
                            .points.empty())
                << describe(p, v);
        }
    }
    Flat3dDial arctic({70, 0, 90}, Variable::X);
    ASSERT_TRUE(arctic.setUp());
    const Drawing d = arctic.draw(dials::flat3d::PlotAnalemmaX);
    EXPECT_GT(d.points.size(), 250u);
    EXPECT_LT(d.points.size(), 350u);
    EXPECT_TRUE(oracle::allCastBySunAboveHorizon(arctic.oracle(), d.at()));
}

TEST(Analemma, ExtremesLieOnTheSolsticeCurves) {
    Flat3dDial dial({45, 10, 0}, Variable::X);
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(dials::flat3d::PlotAnalemmaX);
    const oracle::ShadowOracle o = dial.oracle();
    double lowest = 1e9, highest = -1e9;
    for (const DrawnPoint& p : d.points) {
        const double decl = o.sunFor(p.at.x, p.at.y).declination;
        lowest = std::min(lowest, decl);
        highest = std::max(highest, decl);
    }
    // 23 26' 47" against the 23.45 of the solstice lines.
    EXPECT_NEAR(highest, 23.45, 0.01);
    EXPECT_NEAR(lowest, -23.45, 0.01);
}

}  // namespace
}  // namespace flat3dtest
