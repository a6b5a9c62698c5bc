// The equinoctial, the horizon, the noon line and the substyle line against the shadow oracle.

#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/procedures.h"
#include "flat3d_fixture.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"

namespace flat3dtest {
namespace {

using namespace dials::flat3d;

const std::vector<PlaneCase> kCases = {
    {{45, 30, 0}, Variable::X},     {{45, 30, 0}, Variable::Y},
    {{52, -25, 35}, Variable::X},   {{52, -25, 35}, Variable::Y},
    {{40, 20, -25}, Variable::X},   {{40, 20, -25}, Variable::Y},
    {{45, 180, 10}, Variable::X},   {{45, 160, 10}, Variable::Y},
    {{10, 60, 45}, Variable::X},    {{10, 60, 45}, Variable::Y},
    {{-35, 20, -30}, Variable::X},  {{-35, 20, -30}, Variable::Y},
    {{-40, 170, 0}, Variable::X},   {{-52, -40, 25}, Variable::Y},
};

bool isX(const PlaneCase& c) { return c.variable == Variable::X; }

class StraightLinesOnOracle : public testing::TestWithParam<PlaneCase> {};

TEST_P(StraightLinesOnOracle, EachLineLiesWhereItsShadowFalls) {
    const PlaneCase c = GetParam();
    SCOPED_TRACE(describe(c.place, c.variable));
    Flat3dDial dial(c.place, c.variable);
    ASSERT_TRUE(dial.setUp());
    const oracle::ShadowOracle o = dial.oracle();

    const Drawing equinoctial = dial.draw(DrawEquinoctialLine);
    EXPECT_GT(equinoctial.points.size(), 100u);
    EXPECT_TRUE(oracle::allOnDeclinationCurve(o, 0, equinoctial.at()));
    EXPECT_EQ(equinoctial.withColour(numeric::qbColor(9)).size(), equinoctial.points.size());

    const Drawing horizon = dial.draw(DrawHorizonLine);
    EXPECT_GT(horizon.points.size(), 900u);   // what falls inside the plot area
    EXPECT_TRUE(oracle::allWithin(
        o, horizon.at(), [&](oracle::DialXY p) { return o.distanceToAltitudeCurve(0, p.x, p.y); },
        "the horizon"));

    const Drawing noon = dial.draw(DrawNoonLine);
    if (isX(c) || c.place.recl != 0) {
        EXPECT_GT(noon.points.size(), 100u);
    }
    EXPECT_TRUE(oracle::allOnWholeHourLine(o, 0, noon.at()));
    EXPECT_EQ(noon.withColour(numeric::qbColor(4)).size(), noon.points.size());

    const Drawing substyle = dial.draw(DrawSubstyleLineX, DrawSubstyleLineY);
    EXPECT_FALSE(substyle.points.empty());
    const auto centre = o.centre();
    ASSERT_TRUE(centre.has_value());
    EXPECT_TRUE(oracle::allWithin(
        o, substyle.at(),
        [&](oracle::DialXY p) { return oracle::distanceToLine(p, {0, 0}, *centre); },
        "the line through the foot and the centre"));
    // Laid whole: along the line, no two consecutive points with one in the plot area farther
    // apart than the 2 mm step, however the plane stretches the coordinate it is swept by.
    const double widest = oracle::widestStepAlongLine(substyle.at(), {0, 0}, *centre,
                                                      dialtest::kPlotArea);
    EXPECT_LE(widest, dialtest::kLineStep * (1 + 1e-9));
}

INSTANTIATE_TEST_SUITE_P(Planes, StraightLinesOnOracle, testing::ValuesIn(kCases));

TEST(StraightLines, HorizonOfAVerticalWallIsAtTheFootAndOfAReclinedPlaneAtSTanR) {
    Flat3dDial wall({45, 30, 0}, Variable::X);
    ASSERT_TRUE(wall.setUp());
    for (const DrawnPoint& p : wall.draw(DrawHorizonLine).points) ASSERT_EQ(p.at.y, 0);

    Flat3dDial reclined({45, 30, 30}, Variable::X);
    ASSERT_TRUE(reclined.setUp());
    const double expected = 0.1 * std::tan(30 * reclined.m().Pi / 180);
    for (const DrawnPoint& p : reclined.draw(DrawHorizonLine).points)
        ASSERT_NEAR(p.at.y, expected, 1e-12);
}

TEST(StraightLines, NoonLineOfASouthWallIsTheVerticalBelowTheCentre) {
    // Beyond the centre lies the line of midnight, whose sun never stands in front of a south
    // wall at 45 N: only the half of noon, from the centre 0.1 m above the foot, is drawn.
    Flat3dDial dial({45, 0, 0}, Variable::X);
    ASSERT_TRUE(dial.setUp());
    const Drawing noon = dial.draw(DrawNoonLine);
    EXPECT_GT(noon.points.size(), 500u);
    for (const DrawnPoint& p : noon.points) ASSERT_EQ(p.at.x, 0);
    EXPECT_TRUE(oracle::allOnHourLine(dial.oracle(), 0, noon.at()));
}

TEST(StraightLines, SubstyleLineStoresTheElevationOfAStyleAlongThePolarAxis) {
    // The face turned to the north pole at 12 N: the sine of the elevation is -1 but for a
    // rounding past it; the elevation is -90 degrees, not the set-up's value left in place.
    Flat3dDial dial({12, 180, 12}, Variable::X);
    ASSERT_TRUE(dial.setUp());
    EXPECT_EQ(dial.m().StyleElevRad, dial.m().Pi / 2);
    dial.draw(DrawSubstyleLineX);
    EXPECT_EQ(dial.m().StyleElevRad, -dial.m().Pi / 2);
}

TEST(StraightLines, LinesKeepingTheSteppedCoordinateAreDrawnAlongThemselves) {
    // Variable Y on a vertical wall, north and south: the noon line keeps one world north
    // coordinate. It is drawn from the centre down, where the noon sun casts its shadow.
    for (const Place& p : {Place{45, 20, 0}, Place{45, -35, 0}, Place{-30, 25, 0}}) {
        SCOPED_TRACE(describe(p, Variable::Y));
        Flat3dDial wall(p, Variable::Y);
        ASSERT_TRUE(wall.setUp());
        const Drawing noon = wall.draw(DrawNoonLine);
        EXPECT_GT(noon.points.size(), 500u);
        EXPECT_TRUE(oracle::allOnHourLine(wall.oracle(), 0, noon.at()));
    }
    // Variable Y at the equator, and close to it: the equinoctial is (almost) the plane of
    // constant world north. Variable X on the plane where cos D tan(lat) + tan R = 0: the
    // equinoctial keeps one world east coordinate.
    for (const PlaneCase& c :
         {PlaneCase{{0, 30, 20}, Variable::Y}, PlaneCase{{0, -50, -10}, Variable::Y},
          PlaneCase{{0.01, 30, 20}, Variable::Y}, PlaneCase{{0, 30, 0}, Variable::Y},
          PlaneCase{{45, 60, -26.565051177077986}, Variable::X}}) {
        SCOPED_TRACE(describe(c.place, c.variable));
        Flat3dDial dial(c.place, c.variable);
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(DrawEquinoctialLine);
        EXPECT_GE(d.points.size() + 500 * d.lines.size(), 500u);
        EXPECT_TRUE(oracle::allOnDeclinationCurve(dial.oracle(), 0, d.at()));
        for (const dialtest::Segment& s : d.segments)
            EXPECT_TRUE(oracle::allOnDeclinationCurve(dial.oracle(), 0, {s.a, s.b}));
    }
    // Variable X on a plane facing due south: the substyle keeps world east 0.
    Flat3dDial south({45, 0, 20}, Variable::X);
    ASSERT_TRUE(south.setUp());
    EXPECT_TRUE(south.draw(DrawSubstyleLineX).points.empty());
}

TEST(StraightLines, EquinoctialOfAVerticalWallOnTheEquatorIsAVerticalSegment) {
    Flat3dDial dial({0, 30, 0}, Variable::X);
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawEquinoctialLine);
    EXPECT_TRUE(d.points.empty());
    ASSERT_EQ(d.lines.size(), 1u);
    const plot::LineRecord& l = d.lines[0];
    EXPECT_EQ(l.x1, l.x2);
    EXPECT_EQ(l.y1, 0);
    // Down to the bottom edge of the plot area: the equinox sun shines on all of it.
    EXPECT_EQ(l.Y2, dial.surface().QuadranteH() - dial.surface().ShiftY());
    std::vector<oracle::DialXY> along;
    for (double t = 0; t <= 1; t += 0.125) along.push_back({l.x1, -t * l.Y2});
    EXPECT_TRUE(oracle::allOnDeclinationCurve(dial.oracle(), 0, along));
}

TEST(StraightLines, EquinoctialOfAReclinedPlaneOnTheEquatorHasNoVerticalSegment) {
    // Its points already lie on the line; a vertical segment would not.
    Flat3dDial dial({0, 30, 25}, Variable::X);
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawEquinoctialLine);
    EXPECT_TRUE(d.lines.empty());
    EXPECT_GT(d.points.size(), 100u);
    EXPECT_TRUE(oracle::allOnDeclinationCurve(dial.oracle(), 0, d.at()));
}

TEST(StraightLines, NoonLineKeepsItsMidnightHalfWhereTheMidnightSunReachesIt) {
    // At 70 N in June the midnight sun stands above the horizon, in front of a wall facing
    // north (at 70 S in December, of one facing south), and its shadow falls beyond the centre.
    for (const PlaneCase& c : {PlaneCase{{70, 180, 0}, Variable::X},
                               PlaneCase{{-70, 180, 10}, Variable::Y}}) {
        SCOPED_TRACE(describe(c.place, c.variable));
        Flat3dDial dial(c.place, c.variable);
        ASSERT_TRUE(dial.setUp());
        const oracle::ShadowOracle o = dial.oracle();
        const auto midnight = o.shadow(180, c.place.lat > 0 ? 23.45 : -23.45);
        ASSERT_TRUE(midnight.has_value());
        ASSERT_TRUE(midnight->sunInFront && midnight->sunAboveHorizon);
        const oracle::DialXY p = midnight->point;
        EXPECT_GT(o.distanceToHourLine(0, p.x, p.y), 0.1);   // not on the half of noon
        double nearest = 1e9;
        for (const oracle::DialXY& q : dial.draw(DrawNoonLine).at())
            nearest = std::min(nearest, std::hypot(q.x - p.x, q.y - p.y));
        EXPECT_LT(nearest, 0.003);
    }
}

}  // namespace
}  // namespace flat3dtest
