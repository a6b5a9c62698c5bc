// Hour lines against the shadow oracle: every point a line draws lies on the half of the hour
// line that the shadow of that line's hour angle traces, never beyond the centre.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/procedures.h"
#include "flat3d_fixture.h"
#include "numeric/palette.h"
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
};

class HourLinesOnOracle : public testing::TestWithParam<PlaneCase> {};

TEST_P(HourLinesOnOracle, EveryPointHasItsLinesHourAngle) {
    const PlaneCase c = GetParam();
    for (const char* etna : {"0", "1"}) {
        SCOPED_TRACE(describe(c.place, c.variable) + ", standard meridian " + etna);
        Flat3dDial dial(c.place, c.variable, {{"ck_Etna", etna}, {"TxtHour", "4"}});
        ASSERT_TRUE(dial.setUp());
        const Drawing d =
            dial.draw(c.variable == Variable::X ? DrawHourLinesX : DrawHourLinesY);
        const auto lines = d.byTag();
        // 49 quarter-hour lines; a line the method cannot solve draws nothing at all.
        EXPECT_GE(lines.size(), 40u);
        EXPECT_LE(lines.size(), 49u);
        const oracle::ShadowOracle o = dial.oracle();
        for (const auto& [hourAngle, points] : lines) {
            EXPECT_TRUE(oracle::allOnHourLine(o, dial.oracleHourAngle(hourAngle), points))
                << "line of hour angle " << hourAngle;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Planes, HourLinesOnOracle, testing::ValuesIn(kCases));

TEST(HourLines, NoonLineOfVariableXIsLeftToTheNoonProcedure) {
    // Hour angle 0 has no solution by the stepped east coordinate: nothing at all is drawn for
    // it, not a stray line at the previous hour's values.
    Flat3dDial dial({45, 30, 0}, Variable::X, {{"TxtHour", "1"}});
    ASSERT_TRUE(dial.setUp());
    const auto lines = dial.draw(DrawHourLinesX).byTag();
    EXPECT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines.count(0.0), 0u);
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

// Every line starts at the centre and runs away from it on the side of its own hour only: no
// point lies beyond the centre, and the point nearest the centre is no farther from it than
// two neighbouring points are from each other.
void expectHalfLinesFromTheCentre(const Place& place, Variable v) {
    SCOPED_TRACE(describe(place, v));
    Flat3dDial dial(place, v, {{"TxtHour", "2"}});
    ASSERT_TRUE(dial.setUp());
    const auto lines = dial.draw(v == Variable::X ? DrawHourLinesX : DrawHourLinesY).byTag();
    const oracle::ShadowOracle o = dial.oracle();
    const auto centre = o.centre();
    ASSERT_TRUE(centre.has_value());
    ASSERT_LT(std::hypot(centre->x, centre->y), 0.9);   // within the stepped range
    ASSERT_GE(lines.size(), 20u);
    for (const auto& [hourAngle, points] : lines) {
        const double h = dial.oracleHourAngle(hourAngle);
        // The side of the hour: the shadow of its equinoctial sun, or the opposite of the
        // point the opposite sun shadows when the equinoctial sun of h is behind the plane.
        const auto sh = o.shadow(h, 0);
        ASSERT_TRUE(sh.has_value());
        const double sx = (sh->point.x - centre->x) * (sh->sunInFront ? 1 : -1);
        const double sy = (sh->point.y - centre->y) * (sh->sunInFront ? 1 : -1);
        const double sideLength = std::hypot(sx, sy);
        ASSERT_GT(points.size(), 1u) << "line " << h;
        double nearest = 1e9;
        for (const oracle::DialXY& p : points) {
            const double along = ((p.x - centre->x) * sx + (p.y - centre->y) * sy) / sideLength;
            EXPECT_GE(along, -1e-9) << "line " << h << " at (" << p.x << ", " << p.y << ")";
            nearest = std::min(nearest, std::hypot(p.x - centre->x, p.y - centre->y));
        }
        const double spacing = std::hypot(points[1].x - points[0].x, points[1].y - points[0].y);
        EXPECT_LE(nearest, spacing * 1.000001) << "line " << h;
    }
}

TEST(HourLines, NoPointLiesBeyondTheCentre) {
    expectHalfLinesFromTheCentre({45, 0, 0}, Variable::X);     // vertical south wall
    expectHalfLinesFromTheCentre({-35, 25, 20}, Variable::X);  // southern, declining, reclining
    expectHalfLinesFromTheCentre({-35, 25, 20}, Variable::Y);
    expectHalfLinesFromTheCentre({-52, -40, 25}, Variable::Y);
}

// The plane facing south reclined by the colatitude contains the polar axis: 25 parallel
// segments half an hour apart, whatever the hour fraction, each on its hour line.
void expectPolarDial(const Place& place) {
    SCOPED_TRACE(describe(place, Variable::X));
    Flat3dDial dial(place, Variable::X, {{"TxtHour", "1"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawHourLinesX);
    EXPECT_TRUE(d.points.empty());
    ASSERT_EQ(d.lines.size(), 25u);
    const oracle::ShadowOracle o = dial.oracle();
    const double shiftY = dial.system().surface().ShiftY();
    for (std::size_t i = 0; i < d.lines.size(); ++i) {
        const plot::LineRecord& l = d.lines[i];
        EXPECT_EQ(l.Color, numeric::qbColor(15));
        EXPECT_EQ(l.x1, l.x2);
        EXPECT_EQ(l.y1, -shiftY);
        EXPECT_EQ(l.Y2, shiftY);
        const double programmeHour = (-90 + 7.5 * static_cast<double>(i)) * dial.m().Pi / 180;
        if (std::fabs(l.x1) > 10) continue;   // the six o'clock lines run off to infinity
        std::vector<oracle::DialXY> along;
        for (double y = -0.5; y <= 0.5; y += 0.25) along.push_back({l.x1, y});
        EXPECT_TRUE(oracle::allOnHourLine(o, dial.oracleHourAngle(programmeHour), along))
            << "segment " << i;
    }
}

TEST(HourLines, PolarPlaneDrawsParallelSegments) {
    expectPolarDial({45, 0, 45});
    expectPolarDial({-45, 0, -45});
}

TEST(HourLines, PolarPlaneIsRecognisedWhenTheColatitudeIsNotExactInBinary) {
    // 90 - 58.2 is not 31.8 in binary: the plane is still the polar plane the user typed.
    ASSERT_NE(90 - 58.2, 31.8);
    expectPolarDial({58.2, 0, 31.8});
}

}  // namespace
}  // namespace flat3dtest
