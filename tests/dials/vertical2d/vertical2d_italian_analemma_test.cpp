// Italian and Babylonian hours and the analemma of the vertical dial against the shadow oracle.

#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/sun_series.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "numeric/palette.h"
#include "numeric/step_loop.h"
#include "support/oracle_checks.h"
#include "vertical2d_fixture.h"

namespace vert2dtest {
namespace {

using namespace dials::vertical2d;

// Declining walls of both hemispheres. Latitude 45 with the wall declining 30 west is where the
// fixed choice of root would draw each family in the other's colour.
const std::vector<Wall> kItalBabWalls = {
    {45, 30},  {45, 0},   {45, -30},  {45, 60},   {52, -70},  {40, 15, 0.3},
    {30, 120}, {20, -45}, {60, 10},   {-35, 20},  {-45, -50}, {-20, 0},
    {-30, 150}, {10, 80},
};

class ItalBabOnOracle : public testing::TestWithParam<Wall> {};

// The Italian (or Babylonian) hour of each drawn line, from the loop's equinox hour angle H.
double hourNumber(const Wall& w, bool italian, double H) {
    const double Hphysical = w.lat >= 0 ? H : -H;
    return (italian ? 18 : 6) + Hphysical / 15;
}

TEST_P(ItalBabOnOracle, EachLineIsItsHoursLineAndHoldsItsSuns) {
    const Wall w = GetParam();
    for (bool italian : {true, false}) {
        SCOPED_TRACE(describe(w) + (italian ? ", Italian" : ", Babylonian"));
        Vert2dDial dial(w);
        ASSERT_TRUE(dial.setUp());
        const Drawing d =
            dial.draw(italian ? DrawItalianHoursVert2D : DrawBabylonianHoursVert2D);
        ASSERT_EQ(d.segments.size(), 15u);
        const oracle::ShadowOracle o = dial.oracle();
        const double tolerance = oracle::toleranceFor(w.style);
        std::size_t sunsChecked = 0;
        for (std::size_t i = 0; i < d.segments.size(); ++i) {
            const Segment& s = d.segments[i];
            EXPECT_EQ(s.colour, numeric::qbColor(italian ? 12 : 13));
            const double n = hourNumber(w, italian, -105 + 15.0 * i);
            const auto points = pointsInView(s);
            EXPECT_TRUE(italian ? oracle::allOnItalianLine(o, n, points, tolerance)
                                : oracle::allOnBabylonianLine(o, n, points, tolerance))
                << "hour " << n;
            // The shadows of the sun at that hour through the year lie on the line.
            for (double decl : {-23.45, -11.5, 0.0, 11.5, 23.45}) {
                const std::optional<double> H = italian ? o.sky().italianHourAngle(n, decl)
                                                        : o.sky().babylonianHourAngle(n, decl);
                if (!H) continue;
                const std::optional<oracle::DialXY> p = o.dialPoint(*H, decl);
                if (!p || std::fabs(p->x) > 5 || std::fabs(p->y) > 5) continue;
                ++sunsChecked;
                EXPECT_LT(distanceToLine(*p, s), tolerance)
                    << "hour " << n << ", declination " << decl;
            }
        }
        EXPECT_GT(sunsChecked, 10u);
    }
}

INSTANTIATE_TEST_SUITE_P(Walls, ItalBabOnOracle, testing::ValuesIn(kItalBabWalls), wallName);

TEST(ItalianBabylonian, SouthWallAtLatitude45HasSlopesOfRootTwo) {
    Vert2dDial dial({45, 0, 1});
    ASSERT_TRUE(dial.setUp());
    const Drawing italian = dial.draw(DrawItalianHoursVert2D);
    const Drawing babylonian = dial.draw(DrawBabylonianHoursVert2D);
    ASSERT_EQ(italian.segments.size(), 15u);
    ASSERT_EQ(babylonian.segments.size(), 15u);
    // The line of H = 0 (the eighth) spans X from -1 to 1 through the noon point of the
    // equinoctial, (0, -1); Italian 18 falls to the right, Babylonian 6 rises.
    const Segment& i18 = italian.segments[7];
    const Segment& b6 = babylonian.segments[7];
    EXPECT_NEAR(i18.a.x, -1, 1e-9);
    EXPECT_NEAR(i18.b.x, 1, 1e-9);
    EXPECT_NEAR((i18.b.y - i18.a.y) / 2, -std::sqrt(2.0), 1e-6);
    EXPECT_NEAR((b6.b.y - b6.a.y) / 2, std::sqrt(2.0), 1e-6);
    EXPECT_NEAR((i18.a.y + i18.b.y) / 2, -1, 1e-6);
    EXPECT_EQ(dial.m().ConicB2345, 120);  // the hour loop's variable after the loop
}

TEST(ItalianBabylonian, NoneBeyondThePolarCirclesNorOnTheEquator) {
    for (double lat : {70.0, 66.55, -66.55, -80.0, 0.0}) {
        SCOPED_TRACE(lat);
        Vert2dDial dial({lat, 20});
        ASSERT_TRUE(dial.setUp());
        EXPECT_TRUE(dial.draw(DrawItalianHoursVert2D).segments.empty());
        EXPECT_TRUE(dial.draw(DrawBabylonianHoursVert2D).segments.empty());
    }
}

// The analemma: one point every two mean days, each the shadow of the tip for the day's
// declination at the true sun's hour angle at 12:00 standard time.
struct Expected {
    oracle::DialXY point;
    double declination;
};

std::vector<Expected> expectedAnalemma(Vert2dDial& dial) {
    constexpr double kPi = 3.1415926536;
    const oracle::ShadowOracle o = dial.oracle(kPi);
    const double obliquity = dials::flat3d::kAnalemmaObliquityDeg * kPi / 180;
    std::vector<Expected> out;
    for (double M : numeric::StepRange(-80, 360, 2 * dials::flat3d::kMeanDayDeg)) {
        const dials::flat3d::SunSeries sun = dials::flat3d::sunForDay(M, obliquity, kPi);
        const double H = (-sun.equationOfTime() - dial.m().ZoneCorrRad) * 180 / kPi;
        const double decl = sun.declination * 180 / kPi;
        const auto shadow = o.shadow(H, decl);
        if (shadow) out.push_back({shadow->point, decl});
    }
    return out;
}

const std::vector<Wall> kAnalemmaWalls = {
    {45, 0},    {45, 30},  {45, -50},  {52, 70},  {30, -10}, {10, 20}, {60, 140},
    {45, -120}, {75, 15},  {-35, 0},   {-35, 25}, {-45, -60}, {-20, 150},
    {0, 0},     {0, 180},  {0, -180},  {0, 30},   {45, 30, 0.5},
};

class AnalemmaOnOracle : public testing::TestWithParam<Wall> {};

TEST_P(AnalemmaOnOracle, EachDayIsTheShadowOfItsSunAtStandardNoon) {
    const Wall w = GetParam();
    SCOPED_TRACE(describe(w));
    Vert2dDial dial(w, {{"ck_Etna", "0"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(PlotAnalemmaVert2D);
    EXPECT_EQ(dial.m().Pi, 3.1415926536);
    const std::vector<Expected> expected = expectedAnalemma(dial);
    ASSERT_EQ(expected.size(), 224u);
    // Every point the plot area holds is drawn, in the order of the days.
    const plot::PlotSurface& plot = dial.surface();
    std::size_t next = 0;
    for (const Expected& e : expected) {
        const double px = e.point.x, py = -e.point.y;
        if (px < -plot.ShiftX() || px >= plot.QuadranteL() - plot.ShiftX() ||
            py < -plot.ShiftY() || py >= plot.QuadranteH() - plot.ShiftY())
            continue;
        ASSERT_LT(next, d.points.size());
        const oracle::DialXY got = d.points[next++].at;
        EXPECT_NEAR(got.x, e.point.x, oracle::toleranceFor(w.style))
            << "declination " << e.declination;
        EXPECT_NEAR(got.y, e.point.y, oracle::toleranceFor(w.style))
            << "declination " << e.declination;
    }
    EXPECT_EQ(next, d.points.size());
    EXPECT_GT(next, 100u);
}

INSTANTIATE_TEST_SUITE_P(Walls, AnalemmaOnOracle, testing::ValuesIn(kAnalemmaWalls), wallName);

TEST(Analemma, ColoursOfTheWinterAndEquatorialDays) {
    // Hyperbolas every day: the winter colour from the first day (in winter) on. On the
    // equator, the colour of the equatorial days.
    for (const auto& [wall, colour] : {std::pair{Wall{45, 10}, 12}, {Wall{0, 0}, 6}}) {
        Vert2dDial dial(wall);
        ASSERT_TRUE(dial.setUp());
        EXPECT_EQ(dial.draw(PlotAnalemmaVert2D).colours(),
                  std::set<plot::Colour>{numeric::qbColor(colour)});
    }
}

}  // namespace
}  // namespace vert2dtest
