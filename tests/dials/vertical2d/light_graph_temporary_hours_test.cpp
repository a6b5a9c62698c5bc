// The light graph's temporary hours against the shadow oracle: every point is the shadow of a sun
// that stands a whole or half temporary hour from sunrise, on a day between the solstices, and
// shines on the wall; the lines of the hours 0 and 12 carry the sunrise and sunset shadows.

#include <cmath>
#include <optional>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "dials/vertical2d/light_graph_procedures.h"
#include "light_graph_fixture.h"
#include "support/oracle_checks.h"

namespace lighttest {
namespace {

namespace v2 = dials::vertical2d;
constexpr double kSolstice = 23.45;

// The temporary hour from noon (a multiple of 0.5 in -5.5 ... 5.5) of the sun whose shadow falls
// on a dial point; none when it is no such sun. The sun found this way is always in front of the
// wall, so a point drawn for a sun behind it is caught here too. Within a thousandth of a degree
// of the days whose sun only touches the horizon at noon or midnight (where the lines end beyond
// the polar circle) the hour of a point's sun is too ill-conditioned to compare.
std::optional<double> temporaryHourAt(const oracle::ShadowOracle& o, const oracle::DialXY& p) {
    const oracle::HourDecl sun = o.sunFor(p.x, p.y);
    if (std::fabs(sun.declination) > kSolstice + 1e-9) return std::nullopt;
    if (std::fabs(sun.declination) > 90 - o.sky().latitude() - 1e-3) return 0.0;
    const auto sunset = o.sky().sunsetHourAngle(sun.declination);
    if (!sunset) return std::nullopt;
    const double halves = 12 * sun.hourAngle / *sunset;
    if (std::fabs(halves - std::round(halves)) > 1e-6 || std::fabs(halves) > 11.5)
        return std::nullopt;
    return std::round(halves) / 2;
}

const std::vector<Wall> kWalls = {{45, 0},   {45, 30}, {52, -60}, {40, 120},
                                  {30, -150}, {60, 80}, {66, 10},  {20, 170},
                                  {75, 0},   {45, 180}, {35, -90}, {80, 120}, {23.45, -150},
                                  {89, 40},  {89.9, -60}, {89.9999999, 20}};

class LightGraphTemporaryHours : public testing::TestWithParam<Wall> {};

TEST_P(LightGraphTemporaryHours, PointsAndHorizonPiecesAreShadowsOfTheirHours) {
    LightDial dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(v2::DrawTemporaryHoursLight);
    const oracle::ShadowOracle o = dial.oracle();
    std::size_t off = 0;
    for (const DrawnPoint& p : d.points)
        if (p.colour != colourOf(10) || !temporaryHourAt(o, p.at)) ++off;
    EXPECT_EQ(off, 0u) << "of " << d.points.size();
    // The hours 0 and 12: sunrise or sunset shadows of days between the solstices; none of a
    // sun in the wall, far off.
    EXPECT_TRUE(dialtest::nothingFarOff(dial.surface().displayList()));
    for (const plot::LineRecord& l : d.lines) {
        EXPECT_EQ(l.y1, 0);
        EXPECT_EQ(l.Y2, 0);
        for (double f = 0.01; f < 1; f += 0.07) {
            const double x = l.x1 + f * (l.x2 - l.x1);
            if (std::fabs(x) > 5) continue;
            const oracle::HourDecl sun = o.sunFor(x, 0);
            EXPECT_LE(std::fabs(sun.declination), kSolstice + 1e-6) << x;
            const double sunset = o.sky().sunsetHourAngle(sun.declination).value_or(-1);
            EXPECT_NEAR(std::fabs(sun.hourAngle), sunset, 1e-6);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Walls, LightGraphTemporaryHours, testing::ValuesIn(kWalls));

TEST(LightGraphTemporaryHoursLaidWhole, EveryShadowOfAnHourHasAPointWithinTheStep) {
    // The shadows of each temporary hour's suns every 0.05 degree of declination through the
    // year, wherever they fall in the plot area, have a point drawn within a step (1 cm). Near
    // the pole the lines run close along the horizon, lit only on days between two samples of
    // the sweep where their sun crosses the wall.
    std::vector<Wall> walls = {{80, 80},   {85, -80},   {89, 70},          {89.5, -70},
                               {89.9, 40}, {89.9, -20}, {89.99999, 20}};
    for (const double lat : {10.0, 30.0, 45.0, 60.0, 63.0, 66.0, 70.0, 80.0})
        for (const double decl : {-150.0, -60.0, 0.0, 20.0, 90.0, 120.0, 180.0})
            walls.push_back({lat, decl});
    for (const Wall& wall : walls) {
        SCOPED_TRACE(describe(wall));
        LightDial dial(wall);
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(v2::DrawTemporaryHoursLight);
        const oracle::ShadowOracle o = dial.oracle();
        for (double th = -5.5; th <= 5.5; th += 0.5) {
            std::vector<oracle::HourDecl> suns;
            for (const oracle::HourDecl& day : oracle::sunsOfHourAngle(0))
                if (const auto sunset = o.sky().sunsetHourAngle(day.declination))
                    suns.push_back({th * *sunset / 6, day.declination});
            EXPECT_TRUE(oracle::laidWithinTheStep(o, suns, d.at(), dialtest::kPlotArea,
                                                  dialtest::kPointStep, "hour"))
                << th;
        }
        // The hours 0 and 12: every sunrise and sunset shadow in the plot area lies on a
        // piece of the horizon drawn.
        for (const oracle::HourDecl& day : oracle::sunsOfHourAngle(0)) {
            const auto sunset = o.sky().sunsetHourAngle(day.declination);
            for (const double h : {-sunset.value_or(0), sunset.value_or(0)}) {
                const auto p = o.dialPoint(h, day.declination);
                if (!sunset || !p || std::fabs(p->x) > dialtest::kPlotArea.right) continue;
                bool onAPiece = false;
                for (const plot::LineRecord& l : d.lines)
                    onAPiece |= std::fmin(l.x1, l.x2) - 1e-6 <= p->x &&
                                p->x <= std::fmax(l.x1, l.x2) + 1e-6;
                EXPECT_TRUE(onAPiece) << h << " " << day.declination;
            }
        }
    }
}

TEST(LightGraphTemporaryHoursSouthWall, TwentyThreeCurvesBetweenTheSolsticeLines) {
    LightDial dial({45, 0});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(v2::DrawTemporaryHoursLight);
    const oracle::ShadowOracle o = dial.oracle();
    std::set<double> hours;
    double lowest = 90, highest = -90;
    for (const DrawnPoint& p : d.points) {
        const double th = temporaryHourAt(o, p.at).value_or(99);
        hours.insert(th);
        const double decl = o.sunFor(p.at.x, p.at.y).declination;
        lowest = std::fmin(lowest, decl);
        highest = std::fmax(highest, decl);
        if (th == 0) {
            EXPECT_NEAR(p.at.x, 0, 1e-12);  // temporary noon on the noon line
        }
    }
    EXPECT_EQ(hours.size(), 23u);
    EXPECT_NEAR(lowest, -kSolstice, 1e-9);
    EXPECT_NEAR(highest, kSolstice, 1e-9);
    // Sunrise and sunset: from the winter solstice's points out beyond the edges of the plot.
    ASSERT_EQ(d.lines.size(), 2u);
    const auto winterRise = o.dialPoint(-*o.sky().sunsetHourAngle(-kSolstice), -kSolstice);
    EXPECT_NEAR(d.lines[0].x1, winterRise->x, 1e-9);
    EXPECT_LE(d.lines[0].x2, -dial.surface().ShiftX());
    EXPECT_NEAR(d.lines[1].x1, -winterRise->x, 1e-9);
    EXPECT_GE(d.lines[1].x2, dial.surface().ShiftX());
}

TEST(LightGraphTemporaryHoursSouthWall, SunriseAndSunsetPiecesEndWhereTheHorizonEnds) {
    // With the origin moved off the centre of the plot area (here beyond the last sunrise
    // shadow before the equinox, 8.1 m out) the horizon still runs from x = -ShiftX to ShiftX;
    // the pieces of the hours 0 and 12 end there too, each recorded whole (the plot clips it).
    LightDial dial({45, 0});
    ASSERT_TRUE(dial.setUp());
    dial.surface().setShiftX(10);
    const Drawing horizon = dial.draw(v2::DrawHorizonLineLight);
    const Drawing d = dial.draw(v2::DrawTemporaryHoursLight);
    ASSERT_EQ(horizon.lines.size(), 1u);
    ASSERT_EQ(d.lines.size(), 2u);
    EXPECT_EQ(d.lines[0].x2, horizon.lines[0].x1);
    EXPECT_EQ(d.lines[1].x2, horizon.lines[0].x2);
}

}  // namespace
}  // namespace lighttest
