// Hour lines, equinoctial and declination lines of the vertical dial against the shadow oracle:
// in the northern hemisphere they are the shadow lines of the wall as typed, in the southern
// the true front view of a wall facing north, its declination counted from north.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/vertical2d/vertical2d_procedures.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"
#include "support/oracle_sky.h"
#include "vertical2d_fixture.h"

namespace vert2dtest {
namespace {

using namespace dials::vertical2d;

// Among them latitudes equal or next to a drawn declination, where one conic is a parabola on a
// wall facing the equator, and latitudes next to the poles.
const std::vector<Wall> kWalls = {
    {45, 0},     {45, 30},     {45, -30},   {52, 65},    {38, -80},   {45, 120},
    {45, -160},  {45, 180},    {20, 10},    {10, 40},    {23.45, 0},  {60, -15},
    {70, 20},    {80, -35},    {90, 25},    {-35, 0},    {-35, 25},   {-45, -60},
    {-20, 130},  {-70, 10},    {-90, -30},  {0, 30},     {0, -50},    {0, 0},
    {0, 180},    {0, 120},     {45, 30, 1}, {-35, 25, 0.5},
    {20, 0},     {-20, 0},     {-23.45, 0}, {11.5, 0},   {-11.5, 0},  {20.001, 0},
    {-11.5001, 0}, {11.5, 30},  {11.5, -80}, {-11.5, 135}, {0, -45},  {0, 90},
    {0, -90},    {-88, 100},   {89.99999, 40}, {-89.9999999, -70}, {89.99999999, 150},
};

// Whether the segment reaches past the plot area at both ends, along its line.
bool spansThePlotArea(const Segment& s) {
    const oracle::DialArea& a = dialtest::kPlotArea;
    auto outside = [&](const oracle::DialXY& p) {
        return p.x <= a.left || p.x >= a.right || p.y <= a.bottom || p.y >= a.top;
    };
    return outside(s.a) && outside(s.b);
}

class LinesOnOracle : public testing::TestWithParam<Wall> {};

TEST_P(LinesOnOracle, HourLinesAreTheShadowLinesOfTheirHours) {
    const Wall w = GetParam();
    for (const char* etna : {"0", "1"}) {
        SCOPED_TRACE(describe(w) + ", standard meridian " + etna);
        Vert2dDial dial(w, {{"TxtHour", "1"}, {"ck_Etna", etna}});
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(DrawHourLinesVert2D);
        ASSERT_LE(d.segments.size(), 13u);
        EXPECT_EQ(dial.m().HourCounter, 105);
        const oracle::ShadowOracle o = dial.oracle();
        const double correction =
            etna[0] == '1' ? oracle::standardMeridianCorrection(-7.6438, -1) : 0;
        // The lines come in the order of their hours, those missing the plot area left out:
        // each lies on the line of the next hour that holds it.
        std::size_t inView = 0;
        double H = -90;
        for (const Segment& s : d.segments) {
            const auto points = pointsInView(s);
            if (points.empty()) continue;  // near the pole, an hour whose sun grazes the wall
            ++inView;
            while (H <= 90 && !oracle::allOnWholeHourLine(o, dial.oracleHourAngle(H) + correction,
                                                          points, toleranceFor(w)))
                H += 15;
            ASSERT_LE(H, 90) << "a line of no hour, from (" << s.a.x << ", " << s.a.y << ")";
            const int colour = H == 0 ? 12 : H == 90 ? 9 : 7;
            EXPECT_EQ(s.colour, numeric::qbColor(colour)) << "H = " << H;
            H += 15;
        }
        EXPECT_GE(inView, std::fabs(w.lat) == 90 ? 5u : 9u);
    }
}

TEST_P(LinesOnOracle, HourLinesAndEquinoctialRunAcrossTheWholePlotArea) {
    // Not cut at a fixed height or width: every part of them inside the plot area is drawn.
    const Wall w = GetParam();
    SCOPED_TRACE(describe(w));
    Vert2dDial dial(w, {{"TxtHour", "4"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing hours = dial.draw(DrawHourLinesVert2D);
    // Every line that crosses the plot area, and only those (not at the pole, where the
    // programme draws the dial of a latitude a ten-thousandth short of it).
    if (std::fabs(w.lat) != 90) {
        std::size_t crossing = 0;
        for (double H = -90; H <= 90; H += 3.75) {
            const auto line = dial.oracle().wholeHourLine(dial.oracleHourAngle(H));
            crossing += line && chordInPlotArea(*line) > 0;
        }
        EXPECT_EQ(hours.segments.size(), crossing);
    }
    for (const Segment& s : hours.segments) EXPECT_TRUE(spansThePlotArea(s));
    for (const Segment& s : dial.draw(DrawEquinoctialVert2D).segments)
        EXPECT_TRUE(spansThePlotArea(s));
}

TEST_P(LinesOnOracle, DeclinationLinesLieOnTheirPairs) {
    const Wall w = GetParam();
    SCOPED_TRACE(describe(w));
    Vert2dDial dial(w);
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawDeclinationLinesVert2D);
    EXPECT_EQ(dialtest::expectDeclinationPairs(dial.oracle(), d, 50, toleranceFor(w)),
              d.points.size());
    // Only where the sun of the day stands above the horizon, none on the branches above the
    // horizontal through the tip.
    EXPECT_TRUE(oracle::allCastBySunAboveHorizon(dial.oracle(), d.at()));
    // Every sunlit part inside the plot area, the steep ones too, has points a few millimetres
    // apart.
    for (const dialtest::DeclinationPair& pair : dialtest::kDeclinationPairs)
        EXPECT_LT(oracle::largestGapAlongSunlitCurves(dial.oracle(), pair.declination,
                                                      d.withColour(dialtest::colourOf(pair.colour)),
                                                      dialtest::kPlotArea),
                  0.005)
            << "declination " << pair.declination;
}

TEST_P(LinesOnOracle, EquinoctialIsTheLineOfTheEquinox) {
    const Wall w = GetParam();
    SCOPED_TRACE(describe(w));
    Vert2dDial dial(w);
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawEquinoctialVert2D);
    // On the equator a wall facing due south or north is the plane of the equator itself.
    if (w.lat == 0 && std::fmod(w.decl, 180) == 0) {
        EXPECT_TRUE(d.segments.empty());
        return;
    }
    ASSERT_EQ(d.segments.size(), 1u);
    const Segment& s = d.segments[0];
    EXPECT_EQ(s.colour, numeric::qbColor(9));
    EXPECT_TRUE(
        oracle::allOnDeclinationCurve(dial.oracle(), 0, pointsInView(s), toleranceFor(w)));
}

INSTANTIATE_TEST_SUITE_P(Walls, LinesOnOracle, testing::ValuesIn(kWalls), wallName);

TEST(Vertical2dLines, EveryDeclinationLineReachesItsHorizonPoint) {
    // Measured from the true lines down to the horizon (no sun left out for its low altitude):
    // no shadow in the plot area is farther from a point than the middle of a 2 mm step, the
    // ends on the horizon included, in both hemispheres; and each end is laid once, none for a
    // sun behind the wall.
    for (const double lat : {-70.0, -45.0, -10.0, 0.0, 20.0, 45.0, 70.0, 80.0})
        for (const double decl : {-170.0, -60.0, 0.0, 40.0, 90.0, 150.0, 180.0}) {
            if (lat == 0 && decl == 90) continue;  // the style in the wall: refused
            SCOPED_TRACE(describe(Wall{lat, decl}));
            Vert2dDial dial({lat, decl});
            ASSERT_TRUE(dial.setUp());
            const Drawing d = dial.draw(DrawDeclinationLinesVert2D);
            for (const dialtest::DeclinationPair& pair : dialtest::kDeclinationPairs) {
                const auto points = d.withColour(dialtest::colourOf(pair.colour));
                EXPECT_LT(oracle::largestGapAlongSunlitCurves(dial.oracle(), pair.declination,
                                                              points, dialtest::kPlotArea,
                                                              dialtest::kLineStep, 0),
                          0.75 * dialtest::kLineStep)
                    << "declination " << pair.declination;
                EXPECT_TRUE(oracle::eachHorizonEndOnce(points)) << pair.declination;
            }
        }
}

TEST(Vertical2dLines, AWallFacingDueEastOrWestHasNoNoonLine) {
    // The noon suns lie in the wall: the hour plane meets it only at infinity.
    for (const Wall& w : {Wall{45, 90}, Wall{-30, -90}}) {
        Vert2dDial dial(w, {{"TxtHour", "1"}});
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(DrawHourLinesVert2D);
        EXPECT_EQ(d.segments.size(), 12u);
        EXPECT_TRUE(d.segmentsWithColour(numeric::qbColor(12)).empty()) << describe(w);
    }
}

TEST(Vertical2dLines, SouthWallAtLatitude45) {
    Vert2dDial dial({45, 0, 1}, {{"TxtHour", "1"}});
    ASSERT_TRUE(dial.setUp());
    const shell::Module1& m = dial.m();
    EXPECT_EQ(m.SubstyleRad, 0);
    EXPECT_NEAR(m.StyleElevRad, m.Pi / 4, 1e-12);
    EXPECT_NEAR(m.StyleHypotenuse, std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(m.PlaneCoefY, 1, 1e-9);
    EXPECT_NEAR(m.StyleElevDeg, -45, 1e-7);

    // The hour line of 15 degrees crosses the horizon at sin 45 tan 15 and falls 0.1895 to the
    // right for every metre down; it is drawn from above the plot area to below it.
    const Drawing hours = dial.draw(DrawHourLinesVert2D);
    const double x0 = std::sin(m.Pi / 4) * std::tan(m.Pi / 12);
    const auto h15 = std::find_if(hours.segments.begin(), hours.segments.end(), [&](auto& s) {
        return std::fabs(s.a.x - s.a.y * (s.b.x - s.a.x) / (s.b.y - s.a.y) - x0) < 1e-9;
    });
    ASSERT_NE(h15, hours.segments.end());
    const double dxdy = (h15->b.x - h15->a.x) / (h15->b.y - h15->a.y);
    EXPECT_NEAR(dxdy, -0.1895, 1e-4);
    EXPECT_GT(h15->a.y, dial.surface().ShiftY());
    EXPECT_LT(h15->b.y, dial.surface().ShiftY() - dial.surface().QuadranteH());

    // The solstices cross the noon line at -tan 68.45 and -tan 21.55 style lengths (a half
    // metre style keeps both inside the plot area).
    Vert2dDial half({45, 0, 0.5});
    ASSERT_TRUE(half.setUp());
    const Drawing decl = half.draw(DrawDeclinationLinesVert2D);
    std::vector<double> onNoon;
    for (const oracle::DialXY& p : decl.withColour(numeric::qbColor(12)))
        if (std::fabs(p.x) < 0.0006) onNoon.push_back(p.y);
    ASSERT_EQ(onNoon.size(), 2u);
    EXPECT_NEAR(std::min(onNoon[0], onNoon[1]), -2.532 / 2, 1e-3);
    EXPECT_NEAR(std::max(onNoon[0], onNoon[1]), -0.395 / 2, 1e-3);
}

TEST(Vertical2dLines, ParabolicSolsticeAtTheTropicIsDrawn) {
    // At latitude 23.45 on a south wall the summer solstice line is (nearly) a parabola.
    Vert2dDial dial({23.45, 0, 0.2});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawDeclinationLinesVert2D);
    const auto solstice = d.withColour(numeric::qbColor(12));
    EXPECT_GT(solstice.size(), 500u);
    EXPECT_TRUE(oracle::allOnDeclinationPair(dial.oracle(), 23.45, solstice));
    EXPECT_TRUE(oracle::allCastBySunAboveHorizon(dial.oracle(), solstice));
}

TEST(Vertical2dLines, QuarterHoursRunFromSixToSixInTheirColours) {
    Vert2dDial dial({45, 20}, {{"TxtHour", "4"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawHourLinesVert2D);
    ASSERT_EQ(d.segments.size(), 49u);
    EXPECT_EQ(d.segments.front().colour, numeric::qbColor(7));
    EXPECT_EQ(d.segments.back().colour, numeric::qbColor(9));
    EXPECT_EQ(d.segments[24].colour, numeric::qbColor(12));
}

}  // namespace
}  // namespace vert2dtest
