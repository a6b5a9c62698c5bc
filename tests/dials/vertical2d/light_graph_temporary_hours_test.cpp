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

namespace lighttest {
namespace {

namespace v2 = dials::vertical2d;
constexpr double kSolstice = 23.45;

// The temporary hour from noon (a multiple of 0.5 in -5.5 ... 5.5) of the sun whose shadow falls
// on a dial point; none when it is no such sun. The sun found this way is always in front of the
// wall, so a point drawn for a sun behind it is caught here too.
std::optional<double> temporaryHourAt(const oracle::ShadowOracle& o, const oracle::DialXY& p) {
    const oracle::HourDecl sun = o.sunFor(p.x, p.y);
    if (std::fabs(sun.declination) > kSolstice + 1e-9) return std::nullopt;
    const auto sunset = o.sky().sunsetHourAngle(sun.declination);
    if (!sunset) return std::nullopt;
    const double halves = 12 * sun.hourAngle / *sunset;
    if (std::fabs(halves - std::round(halves)) > 1e-6 || std::fabs(halves) > 11.5)
        return std::nullopt;
    return std::round(halves) / 2;
}

const std::vector<Wall> kWalls = {{45, 0},   {45, 30}, {52, -60}, {40, 120},
                                  {30, -150}, {60, 80}, {66, 10},  {20, 170},
                                  {75, 0},   {45, 180}, {35, -90}, {80, 120}, {23.45, -150}};

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
    // the pieces of the hours 0 and 12 end there too.
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
