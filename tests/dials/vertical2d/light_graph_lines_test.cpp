// The light graph's hour lines, declination lines and straight lines against the shadow oracle
// of the wall, on walls of many declinations in the northern hemisphere and at the equator.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>


#include "dials/vertical2d/light_graph_procedures.h"
#include "light_graph_fixture.h"
#include "vertical2d_fixture.h"
#include "support/oracle_checks.h"

namespace lighttest {
namespace {

namespace v2 = dials::vertical2d;

// Among them latitudes equal or next to a drawn declination, where one conic is a parabola on a
// wall facing due south (and 17.40985 with the wall declining 10: there the 20 degree line is).
const std::vector<Wall> kWalls = {
    {45, 0},      {45, 30},   {52, -60}, {40, 120},  {30, -150}, {60, 80},   {20, 179},
    {70, -20},    {10, 0},    {0, 30},   {0, -60},   {0, 120},   {0, 0},     {0, 180},
    {0, -180},    {35, -90},  {39.67, 43.58},        {20, 0},    {23.45, 0}, {11.5, 0},
    {20.001, 0},  {11.5001, 0},          {17.409852048871457, 10},
};

class LightGraphWalls : public testing::TestWithParam<Wall> {};

TEST_P(LightGraphWalls, HourLinesLieOnTheHourLinesOfTheirHourAngle) {
    LightDial dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    dial.tagWith(&shell::Module1::HourCounter);
    const auto lines = dial.draw(v2::DrawHourLinesLight).byTag();
    EXPECT_GT(lines.size(), 5u);  // lines off the plot area leave no point
    for (const auto& [hour, points] : lines)
        EXPECT_TRUE(oracle::allOnWholeHourLine(dial.oracle(), hour, points)) << hour;
}

TEST_P(LightGraphWalls, EveryHourLineCrossingThePlotAreaIsDrawnAcrossIt) {
    // Quarter hours: among them lines along the substyle and lines across it (at 39.67 N on a
    // wall declining 43.58 W the line of -33.75 degrees is perpendicular to the substyle).
    LightDial dial(GetParam(), {{"TxtHour", "4"}});
    ASSERT_TRUE(dial.setUp());
    dial.tagWith(&shell::Module1::HourCounter);
    const auto lines = dial.draw(v2::DrawHourLinesLight).byTag();
    const oracle::ShadowOracle o = dial.oracle();
    const double step = dialtest::kPointStep;
    for (double hour = -90; hour <= 90; hour += 3.75) {
        const auto line = o.wholeHourLine(hour);
        if (!line) continue;
        const double chord = vert2dtest::chordInPlotArea(*line);
        if (chord < 3 * step) continue;
        const auto drawn = lines.find(hour);
        const std::size_t count = drawn == lines.end() ? 0 : drawn->second.size();
        // A point every step along the line across the whole area.
        EXPECT_GE(count + 1.0, chord / step) << "hour " << hour;
    }
}

TEST_P(LightGraphWalls, DeclinationPairsLieOnTheirDeclinations) {
    // A definition of 1: points every 2 mm.
    LightDial dial(GetParam(), {{"txt_Definition", "1"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(v2::DrawDeclinationLinesLight);
    EXPECT_EQ(dialtest::expectDeclinationPairs(dial.oracle(), d, 20), d.points.size());
    // Only where the sun of the day stands above the horizon, none on the branches above the
    // horizontal through the tip.
    EXPECT_TRUE(oracle::allCastBySunAboveHorizon(dial.oracle(), d.at()));
    // Every sunlit part inside the plot area, the steep ones too, has points a few millimetres
    // apart, on the equator as elsewhere.
    for (const dialtest::DeclinationPair& pair : dialtest::kDeclinationPairs)
        EXPECT_LT(oracle::largestGapAlongSunlitCurves(dial.oracle(), pair.declination,
                                                      d.withColour(colourOf(pair.colour)),
                                                      dialtest::kPlotArea),
                  0.005)
            << "declination " << pair.declination;
}

INSTANTIATE_TEST_SUITE_P(Walls, LightGraphWalls, testing::ValuesIn(kWalls));

TEST(LightGraphDeclinationLines, EveryLineReachesItsHorizonPointAtTheDesignDefinition) {
    // Measured from the true lines down to the horizon (no sun left out for its low altitude):
    // with the points a centimetre apart, no shadow in the plot area is farther from a point than
    // the middle of a step, the ends on the horizon included; and each end is laid once, none
    // for a sun behind the wall.
    for (const double lat : {0.0, 10.0, 30.0, 45.0, 60.0, 70.0, 89.0})
        for (const double decl : {-170.0, -120.0, -60.0, -20.0, 0.0, 40.0, 90.0, 150.0, 180.0}) {
            SCOPED_TRACE(describe(Wall{lat, decl}));
            LightDial dial({lat, decl});
            ASSERT_TRUE(dial.setUp());
            const Drawing d = dial.draw(v2::DrawDeclinationLinesLight);
            for (const dialtest::DeclinationPair& pair : dialtest::kDeclinationPairs) {
                const auto points = d.withColour(colourOf(pair.colour));
                EXPECT_LT(oracle::largestGapAlongSunlitCurves(dial.oracle(), pair.declination,
                                                              points, dialtest::kPlotArea,
                                                              dialtest::kPointStep, 0),
                          0.75 * dialtest::kPointStep)
                    << "declination " << pair.declination;
                EXPECT_TRUE(oracle::eachHorizonEndOnce(points)) << pair.declination;
            }
        }
}

TEST(LightGraphHourLines, StandardMeridianTimeMovesEachLineByTheZoneCorrection) {
    LightDial dial({45, -25}, {{"ck_Etna", "1"}, {"txtLON", "-7.5"}, {"TxtFuso", "-1"}});
    ASSERT_TRUE(dial.setUp());
    dial.tagWith(&shell::Module1::HourCounter);
    for (const auto& [hour, points] : dial.draw(v2::DrawHourLinesLight).byTag()) {
        const double clock = oracle::hourAngleOfStandardTime(12 + hour / 15, -7.5, -1);
        EXPECT_TRUE(oracle::allOnWholeHourLine(dial.oracle(), clock, points)) << hour;
    }
}

TEST(LightGraphStraightLines, EquinoctialSubstyleAndNoonLineOnTheirTrueLines) {
    for (const Wall& w : {Wall{45, 0}, Wall{45, 30}, Wall{52, -60}, Wall{40, 120}, Wall{45, 180},
                          Wall{45, -180}}) {
        SCOPED_TRACE(describe(w));
        LightDial dial(w);
        ASSERT_TRUE(dial.setUp());
        const oracle::ShadowOracle o = dial.oracle();
        const Drawing equinoctial = dial.draw(v2::DrawEquinoctialLineLight);
        EXPECT_GT(equinoctial.points.size(), 100u);
        EXPECT_TRUE(oracle::allOnDeclinationCurve(o, 0, equinoctial.at()));
        // The substyle runs from the foot through the centre.
        const auto c = o.centre();
        const Drawing substyle = dial.draw(v2::DrawSubstyleLineLight);
        EXPECT_GT(substyle.points.size(), 100u);
        for (const auto& p : substyle.at()) ASSERT_LT(oracle::distanceToLine(p, {0, 0}, *c), 1e-9);
        // Laid whole, a point every PointStep where the plot area shows it, however steep.
        EXPECT_LE(oracle::widestStepAlongLine(substyle.at(), {0, 0}, *c, dialtest::kPlotArea),
                  dialtest::kPointStep * (1 + 1e-9));
        // The noon line is the vertical through the centre, from the top edge of the plot area
        // to its bottom edge.
        const Drawing noon = dial.draw(v2::DrawNoonLineLight);
        ASSERT_EQ(noon.lines.size(), 1u);
        EXPECT_NEAR(noon.lines[0].x1, c->x, 1e-9);
        EXPECT_EQ(noon.lines[0].x1, noon.lines[0].x2);
        const plot::PlotSurface& plot = dial.surface();
        EXPECT_EQ(std::fmin(noon.lines[0].y1, noon.lines[0].Y2), -plot.ShiftY());
        EXPECT_EQ(std::fmax(noon.lines[0].y1, noon.lines[0].Y2),
                  plot.QuadranteH() - plot.ShiftY());
    }
}

TEST(LightGraphStraightLines, AtAndNearTheEquatorTheEquinoctialRunsAcrossThePlotArea) {
    // At the equator the equinoctial is vertical; just north of it nearly so.
    for (const Wall& w : {Wall{0, 30}, Wall{0, -60}, Wall{0, 120}, Wall{0, 90}, Wall{0.01, 60},
                          Wall{0.5, -100}}) {
        SCOPED_TRACE(describe(w));
        LightDial dial(w);
        ASSERT_TRUE(dial.setUp());
        const Drawing equinoctial = dial.draw(v2::DrawEquinoctialLineLight);
        // A point every step over the height of the plot area.
        const double height = dialtest::kPlotArea.top - dialtest::kPlotArea.bottom;
        EXPECT_GT(equinoctial.points.size() * dialtest::kPointStep, height - 0.1);
        EXPECT_TRUE(oracle::allOnDeclinationCurve(dial.oracle(), 0, equinoctial.at()));
    }
    // Facing due south or north there the wall is the plane of the equator: no equinoctial.
    for (const Wall& w : {Wall{0, 0}, Wall{0, 180}}) {
        LightDial dial(w);
        ASSERT_TRUE(dial.setUp());
        EXPECT_TRUE(dial.draw(v2::DrawEquinoctialLineLight).points.empty()) << describe(w);
    }
}

TEST(LightGraphStraightLines, AtTheEquatorTheSubstyleIsHorizontalExceptOnASouthWall) {
    // On a wall facing north the polar axis, horizontal here, is as good as perpendicular to the
    // wall: the substyle is drawn as on every other equatorial wall, along the horizon.
    for (const Wall& w : {Wall{0, 180}, Wall{0, -180}, Wall{0, 30}}) {
        SCOPED_TRACE(describe(w));
        LightDial dial(w);
        ASSERT_TRUE(dial.setUp());
        const Drawing substyle = dial.draw(v2::DrawSubstyleLineLight);
        ASSERT_GT(substyle.points.size(), 100u);
        double left = 1, right = -1;
        for (const auto& p : substyle.at()) {
            ASSERT_LT(std::fabs(p.y), 1e-9);
            left = std::fmin(left, p.x);
            right = std::fmax(right, p.x);
        }
        EXPECT_LT(left, -0.5);
        EXPECT_GT(right, 0.5);
    }
    // Facing due south its substyle angle is 0 and no point can be computed.
    LightDial south({0, 0});
    ASSERT_TRUE(south.setUp());
    EXPECT_TRUE(south.draw(v2::DrawSubstyleLineLight).points.empty());
}

TEST(LightGraphStraightLines, TriangleOfTheStyleHasItsRightAngleAtTheFoot) {
    for (const Wall& w : {Wall{45, 30, 0.3}, Wall{52, -60, 0.3}}) {
        LightDial dial(w);
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(v2::DrawStyleTriangleLight);
        ASSERT_EQ(d.lines.size(), 3u);  // perpendicular style, polar style, substyle
        const plot::LineRecord &style = d.lines[0], &polar = d.lines[1], &sub = d.lines[2];
        EXPECT_NEAR(std::hypot(style.x1, style.y1), 0.3, 1e-12);
        EXPECT_NEAR(style.x1 * sub.x1 + style.y1 * sub.y1, 0, 1e-9);
        EXPECT_NEAR(std::hypot(polar.x2 - polar.x1, polar.Y2 - polar.y1),
                    0.3 / std::sin(dial.m().StyleElevRad), 1e-9);
        EXPECT_NEAR(sub.x1, dial.oracle().centre()->x, 1e-9);
        EXPECT_GT(style.x1 * w.decl, 0);  // on the side of the declination
    }
}

}  // namespace
}  // namespace lighttest
