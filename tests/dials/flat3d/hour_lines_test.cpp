// Hour lines against the shadow oracle: every point a line draws lies on the half of the hour
// line that the shadow of that line's hour angle traces, or beyond the centre on the line of
// the opposite hour when the sun of that hour can cast a shadow there.

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/procedures.h"
#include "flat3d_fixture.h"
#include "numeric/palette.h"
#include "numeric/step_loop.h"
#include "support/oracle_checks.h"

namespace flat3dtest {
namespace {

using dials::flat3d::DrawHourLinesX;
using dials::flat3d::DrawHourLinesY;

// Northern and southern places; declining, reclining, inclining and horizontal planes; planes
// facing the pole.
const std::vector<PlaneCase> kCases = {
    {{45, 30, 0}, Variable::X},       {{45, 30, 0}, Variable::Y},
    {{52, -25, 35}, Variable::X},     {{52, -25, 35}, Variable::Y},
    {{40, 20, -25}, Variable::X},     {{40, 20, -25}, Variable::Y},
    {{45, 0, 90}, Variable::X},       {{45, 0, 0}, Variable::X},
    {{45, 180, 10}, Variable::X},     {{45, 160, 10}, Variable::Y},
    {{10, 60, 45}, Variable::X},      {{10, 60, 45}, Variable::Y},
    {{-35, 20, -30}, Variable::X},    {{-35, 20, -30}, Variable::Y},
    {{-40, 170, 0}, Variable::X},     {{-40, 170, 0}, Variable::Y},
    {{-30, 0, -90}, Variable::X},     {{-52, -40, 25}, Variable::Y},
    // Planes parallel to the polar axis, each whole line belonging to one hour: east and west
    // walls, and planes facing away from the equator inclined by the colatitude (facing down).
    {{45, -90, 0}, Variable::Y},      {{-33, 90, 0}, Variable::Y},
    {{45, 180, -45}, Variable::X},    {{45, 180, -45}, Variable::Y},
    {{-45, 180, 45}, Variable::X},    {{-45, -180, 45}, Variable::Y},
};

// Whether, for some declination of the year, the sun of hour angle h (oracle degrees) stands
// above the horizon and in front of the plane.
bool reachedInTheYear(const oracle::ShadowOracle& o, double h) {
    for (int i = 0; i <= 200; ++i) {
        const auto s = o.shadow(h, -23.45 + 46.9 * i / 200);
        if (s && s->sunInFront && s->sunAboveHorizon) return true;
    }
    return false;
}

// Every point lies on the half of hour h or on the half of h + 180 if the shadow reaches it.
testing::AssertionResult allOnLitHourLine(const oracle::ShadowOracle& o, double h,
                                          const std::vector<oracle::DialXY>& points) {
    const bool extension = reachedInTheYear(o, h + 180);
    return oracle::allWithin(
        o, points,
        [&](oracle::DialXY p) {
            const double beyond = extension ? o.distanceToHourLine(h + 180, p.x, p.y) : 1e9;
            return std::min(o.distanceToHourLine(h, p.x, p.y), beyond);
        },
        "the lit hour line H = " + std::to_string(h));
}

class HourLinesOnOracle : public testing::TestWithParam<PlaneCase> {};

TEST_P(HourLinesOnOracle, EveryPointHasItsLinesHourAngle) {
    const PlaneCase c = GetParam();
    for (const char* etna : {"0", "1"}) {
        SCOPED_TRACE(describe(c.place, c.variable) + ", standard meridian " + etna);
        Flat3dDial dial(c.place, c.variable, {{"ck_Etna", etna}, {"TxtHour", "4"}});
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(DrawHourLinesX, DrawHourLinesY);
        const auto lines = d.byTag();
        // 49 quarter-hour lines; a line the method cannot solve draws nothing at all, nor does
        // a line that no sun above the horizon reaches (on an east wall, the lines of the
        // afternoon loop values are those of the night hours twelve hours before).
        EXPECT_GE(lines.size(), 9u);
        EXPECT_LE(lines.size(), 49u);
        const oracle::ShadowOracle o = dial.oracle();
        for (const auto& [hourAngle, points] : lines) {
            EXPECT_TRUE(allOnLitHourLine(o, dial.oracleHourAngle(hourAngle), points))
                << "line of hour angle " << hourAngle;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Planes, HourLinesOnOracle, testing::ValuesIn(kCases));

// The plot area in dial coordinates (y up), a millimetre inside its edges.
using Area = oracle::DialArea;
constexpr Area kInsideThePlotArea = [] {
    const auto [left, right, bottom, top] = dialtest::kPlotArea;
    return Area{left + 0.001, right - 0.001, bottom + 0.001, top - 0.001};
}();

// The part inside the area of the half of the oracle's hour line h that the shadow of that hour
// traces: from the centre through the shadows of the hour. None when it misses the area.
std::optional<std::pair<oracle::DialXY, oracle::DialXY>> litHalfInArea(
    const oracle::ShadowOracle& o, double h, const Area& area) {
    const auto centre = o.centre();
    if (!centre) return std::nullopt;
    std::optional<oracle::DialXY> shadow;
    for (double decl : {0.0, 30.0, -30.0, 60.0, -60.0, 85.0, -85.0})
        if (!shadow) shadow = o.dialPoint(h, decl);
    if (!shadow) return std::nullopt;
    const double length = oracle::distance(*centre, *shadow);
    const double ux = (shadow->x - centre->x) / length, uy = (shadow->y - centre->y) / length;
    double from = 0, to = 1e300;
    auto clip = [&](double base, double dir, double lo, double hi) {
        if (dir == 0) return base >= lo && base <= hi;
        const double t0 = (lo - base) / dir, t1 = (hi - base) / dir;
        from = std::max(from, std::min(t0, t1));
        to = std::min(to, std::max(t0, t1));
        return from < to;
    };
    if (!clip(centre->x, ux, area.left, area.right) ||
        !clip(centre->y, uy, area.bottom, area.top))
        return std::nullopt;
    return std::make_pair(oracle::DialXY{centre->x + from * ux, centre->y + from * uy},
                          oracle::DialXY{centre->x + to * ux, centre->y + to * uy});
}

// Lines lying almost in a meridian plane (the first), planes of either hemisphere facing every
// way, horizontal dials typed either way.
const std::vector<PlaneCase> kAreaCases = {
    {{67.11, -57.19, 13.45}, Variable::X}, {{67.11, -57.19, 13.45}, Variable::Y},
    {{-67.11, 57.19, -13.45}, Variable::X}, {{-67.11, 57.19, -13.45}, Variable::Y},
    {{60, 75, 10}, Variable::X},           {{60, 75, 10}, Variable::Y},
    {{52, -80, -20}, Variable::Y},         {{30, 120, 10}, Variable::X},
    {{-35, 65, 45}, Variable::Y},          {{-35, 65, 45}, Variable::X},
    {{45, 20, 0}, Variable::Y},            {{10, 60, 45}, Variable::X},
    {{45, 0, 90}, Variable::X},            {{45, 0, -90}, Variable::X},
    {{-40, 0, 90}, Variable::X},           {{-40, 0, -90}, Variable::X},
    {{0, 40, 20}, Variable::X},            {{0, 40, 20}, Variable::Y},
};

class HourLinesAcrossThePlotArea : public testing::TestWithParam<PlaneCase> {};

TEST_P(HourLinesAcrossThePlotArea, EveryLitHourLineIsDrawnWhereverItCrossesTheArea) {
    const PlaneCase c = GetParam();
    SCOPED_TRACE(describe(c.place, c.variable));
    Flat3dDial dial(c.place, c.variable, {{"TxtHour", "4"}});
    ASSERT_TRUE(dial.setUp());
    const auto lines = dial.draw(DrawHourLinesX, DrawHourLinesY).byTag();
    const oracle::ShadowOracle o = dial.oracle();
    const Area& area = kInsideThePlotArea;
    const double pi = dial.m().Pi;
    std::size_t crossing = 0;
    for (double hourLoop : numeric::StepRange(-90, 90, 3.75)) {
        const double programme = hourLoop * pi / 180;
        const auto half = litHalfInArea(o, dial.oracleHourAngle(programme), area);
        if (!half || oracle::distance(half->first, half->second) < 0.01) continue;
        ++crossing;
        const auto line = lines.find(programme);
        ASSERT_NE(line, lines.end()) << "no point of the line of hour angle " << hourLoop;
        EXPECT_TRUE(oracle::coversSegment(half->first, half->second, line->second, 0.005))
            << "line of hour angle " << hourLoop;
    }
    EXPECT_GT(crossing, 0u);
}

INSTANTIATE_TEST_SUITE_P(Planes, HourLinesAcrossThePlotArea, testing::ValuesIn(kAreaCases));

TEST(HourLines, NoonLineOfVariableXIsDrawnThoughItKeepsTheEastCoordinate) {
    // The line of hour angle 0 keeps one world east coordinate: it is drawn all the same, on a
    // wall and on the horizontal dial of either hemisphere.
    for (const Place& p : {Place{45, 30, 0}, Place{45, 0, 90}, Place{45, 0, -90},
                           Place{-40, 0, 90}, Place{-40, 0, -90}}) {
        SCOPED_TRACE(describe(p, Variable::X));
        Flat3dDial dial(p, Variable::X, {{"TxtHour", "1"}});
        ASSERT_TRUE(dial.setUp());
        const auto lines = dial.draw(DrawHourLinesX).byTag();
        EXPECT_EQ(lines.size(), 13u);
        ASSERT_EQ(lines.count(0.0), 1u);
        EXPECT_GT(lines.at(0.0).size(), 400u);
        EXPECT_TRUE(oracle::allOnHourLine(dial.oracle(), 0, lines.at(0.0)));
    }
}

TEST(HourLines, ColoursMarkNoonAndSixOClock) {
    Flat3dDial dial({45, 30, 20}, Variable::Y, {{"TxtHour", "1"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawHourLinesY);
    const double pi = dial.m().Pi;
    for (const DrawnPoint& p : d.points) {
        const double degrees = std::round(p.tag * 180 / pi);
        const int index = degrees == 0 ? 12 : std::fabs(degrees) == 90 ? 9 : 7;
        ASSERT_EQ(p.colour, numeric::qbColor(index)) << "line " << degrees;
    }
    EXPECT_FALSE(d.withColour(numeric::qbColor(12)).empty());
}

TEST(HourLines, StandardMeridianShiftsEveryLineByTheLongitudeCorrection) {
    // 12.5 E in zone -1: the lines of standard time lie 2.5 degrees east of apparent time.
    Flat3dDial dial({45, 30, 0}, Variable::X,
                    {{"txtLON", "-12.5"}, {"TxtFuso", "-1"}, {"TxtHour", "1"}, {"ck_Etna", "1"}});
    ASSERT_TRUE(dial.setUp());
    EXPECT_NEAR(dial.m().LonCorrRad, 2.5 * dial.m().Pi / 180, 1e-15);
    const auto lines = dial.draw(DrawHourLinesX).byTag();
    ASSERT_EQ(lines.size(), 13u);
    // The line of hour 0 is now 12:00 standard time, a line the sun's shadow follows there.
    ASSERT_EQ(lines.count(dial.m().LonCorrRad), 1u);
    EXPECT_TRUE(oracle::allOnHourLine(dial.oracle(),
                                      oracle::hourAngleOfStandardTime(12, -12.5, -1),
                                      lines.at(dial.m().LonCorrRad)));
}

// The line of programme hour hourLoop (degrees, east positive) draws its own half and, beyond
// the centre, the line of the opposite hour: the sun lights it.
void expectExtensionDrawn(const Place& place, double hourLoop) {
    SCOPED_TRACE(describe(place, Variable::X));
    Flat3dDial dial(place, Variable::X, {{"TxtHour", "1"}});
    ASSERT_TRUE(dial.setUp());
    const auto lines = dial.draw(DrawHourLinesX).byTag();
    const auto line = lines.find(hourLoop * dial.m().Pi / 180);
    ASSERT_NE(line, lines.end());
    const oracle::ShadowOracle o = dial.oracle();
    const double h = dial.oracleHourAngle(line->first);
    ASSERT_TRUE(reachedInTheYear(o, h + 180));
    std::vector<oracle::DialXY> own, beyond;
    for (const oracle::DialXY& p : line->second) {
        const bool onOwnHalf = o.distanceToHourLine(h, p.x, p.y) <= oracle::toleranceFor(0.1);
        (onOwnHalf ? own : beyond).push_back(p);
    }
    EXPECT_GT(own.size(), 100u);
    EXPECT_GT(beyond.size(), 100u);
    EXPECT_TRUE(oracle::allOnHourLine(o, h + 180, beyond));
}

TEST(HourLines, LineBeyondTheCentreIsDrawnOnlyWhereTheSunReachesIt) {
    // At 45 N in summer the sun is up at 7 pm: on a horizontal dial its shadow falls on the
    // 7 am line beyond the centre. At 45 S in December the sun is up at 5 am, and its shadow
    // falls beyond the centre on the line of 5 pm (the programme's hour 75 there).
    expectExtensionDrawn({45, 0, 90}, 75);
    expectExtensionDrawn({-45, 0, -90}, 75);   // the face looking up
    // On a vertical south wall at 45 N the sun of an hour beyond six never stands in front.
    Flat3dDial wall({45, 0, 0}, Variable::X, {{"TxtHour", "2"}});
    ASSERT_TRUE(wall.setUp());
    const auto lines = wall.draw(DrawHourLinesX).byTag();
    ASSERT_GE(lines.size(), 20u);
    for (const auto& [hourAngle, points] : lines) {
        const double h = wall.oracleHourAngle(hourAngle);
        EXPECT_TRUE(oracle::allOnHourLine(wall.oracle(), h, points)) << "line " << h;
    }
}

// The plane facing south reclined by the colatitude contains the polar axis: 23 parallel
// segments half an hour apart, whatever the hour fraction, each on its hour line; none for 6 and
// 18 h, whose suns lie in the plane.
void expectPolarDial(const Place& place) {
    SCOPED_TRACE(describe(place, Variable::X));
    Flat3dDial dial(place, Variable::X, {{"TxtHour", "1"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawHourLinesX);
    EXPECT_TRUE(d.points.empty());
    ASSERT_EQ(d.lines.size(), 23u);
    const oracle::ShadowOracle o = dial.oracle();
    const double shiftY = dial.surface().ShiftY();
    for (std::size_t i = 0; i < d.lines.size(); ++i) {
        const plot::LineRecord& l = d.lines[i];
        EXPECT_EQ(l.Color, numeric::qbColor(15));
        EXPECT_EQ(l.x1, l.x2);
        EXPECT_EQ(l.y1, -shiftY);
        EXPECT_EQ(l.Y2, shiftY);
        const double programmeHour = (-82.5 + 7.5 * static_cast<double>(i)) * dial.m().Pi / 180;
        std::vector<oracle::DialXY> along;
        for (double y = -0.5; y <= 0.5; y += 0.25) along.push_back({l.x1, y});
        EXPECT_TRUE(oracle::allOnHourLine(o, dial.oracleHourAngle(programmeHour), along))
            << "segment " << i;
    }
}

TEST(HourLines, PolarPlaneDrawsParallelSegments) {
    expectPolarDial({45, 0, 45});
    expectPolarDial({-45, 0, -45});
    expectPolarDial({0, 0, 90});  // the horizontal plane at the equator
}

TEST(HourLines, PolarPlaneIsRecognisedWhenTheColatitudeIsNotExactInBinary) {
    // 90 - 58.2 is not 31.8 in binary: the plane is still the polar plane the user typed.
    ASSERT_NE(90 - 58.2, 31.8);
    expectPolarDial({58.2, 0, 31.8});
}

}  // namespace
}  // namespace flat3dtest
