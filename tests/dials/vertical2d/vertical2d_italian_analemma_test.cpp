// Italian and Babylonian hours and the analemma of the vertical dial against the shadow oracle.

#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/sun_series.h"
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
    // Walls facing due west or east, where the noon hours' equinoctial point lies at infinity,
    // and walls near the equator, where the circle the lines touch shrinks about the pole.
    {45, 90},  {20, -90}, {-33, 90},  {0.001, 0}, {0.001, 30},
    // The tropics.
    {23.45, 120}, {-23.45, -150},
    // Beyond the polar circles, where the suns of an hour are those of the days with a sunrise
    // and a sunset, on them, and on the equator.
    {70, 40},  {-70, 10},  {80, -120}, {-75, 150}, {66.55, 20}, {-66.55, -20}, {0, 30},
    {0, -120},
};

class ItalBabOnOracle : public testing::TestWithParam<Wall> {};

// The Italian (or Babylonian) hour of each drawn line, from the loop's equinox hour angle H.
double hourNumber(const Wall& w, bool italian, double H) {
    const double Hphysical = w.lat >= 0 ? H : -H;
    return (italian ? 18 : 6) + Hphysical / 15;
}

// Distance from p to the segment itself (not its line).
double distanceToSegment(const oracle::DialXY& p, const Segment& s) {
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const double t = ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / (dx * dx + dy * dy);
    const double c = std::fmin(1, std::fmax(0, t));
    return std::hypot(p.x - (s.a.x + c * dx), p.y - (s.a.y + c * dy));
}

bool inPlotArea(const plot::PlotSurface& plot, const oracle::DialXY& p) {
    return p.x >= -plot.ShiftX() && p.x <= plot.QuadranteL() - plot.ShiftX() &&
           p.y >= plot.ShiftY() - plot.QuadranteH() && p.y <= plot.ShiftY();
}

// Points strictly inside the segment (its ends may lie on the horizon or the six-hour line).
std::vector<oracle::DialXY> inside(const Segment& s) {
    std::vector<oracle::DialXY> out;
    for (int k = 1; k < 20; ++k)
        out.push_back({s.a.x + k / 20.0 * (s.b.x - s.a.x), s.a.y + k / 20.0 * (s.b.y - s.a.y)});
    return out;
}

TEST_P(ItalBabOnOracle, EachLineIsItsHoursLineAndHoldsItsSuns) {
    const Wall w = GetParam();
    for (bool italian : {true, false}) {
        SCOPED_TRACE(describe(w) + (italian ? ", Italian" : ", Babylonian"));
        Vert2dDial dial(w);
        ASSERT_TRUE(dial.setUp());
        const Drawing d =
            dial.draw(italian ? DrawItalianHoursVert2D : DrawBabylonianHoursVert2D);
        ASSERT_LE(d.segments.size(), 15u);
        ASSERT_GT(d.segments.size(), 3u);
        const oracle::ShadowOracle o = dial.oracle();
        const double tolerance = oracle::toleranceFor(w.style);
        auto distance = [&](double n, const oracle::DialXY& p) {
            return italian ? o.distanceToItalianLine(n, p.x, p.y)
                           : o.distanceToBabylonianLine(n, p.x, p.y);
        };
        // Each segment lies on the line of one hour of the loop, and only where the sun of that
        // hour casts its shadow: not at night, not on the other family's part of the line.
        // (On the equator the hours 12 apart share one line, each owning one half of it.)
        // Within a thousandth of a degree of the day circle that grazes the horizon, where the
        // two families' halves join, a sun's hour is too ill-conditioned to compare.
        auto castAtHour = [&](double n, const Segment& s) {
            std::vector<oracle::DialXY> points;
            for (const oracle::DialXY& p : inside(s))
                if (std::fabs(o.sunFor(p.x, p.y).declination) < 90 - std::fabs(w.lat) - 1e-3)
                    points.push_back(p);
            return italian ? oracle::allCastAtItalianHour(o, n, points, tolerance)
                           : oracle::allCastAtBabylonianHour(o, n, points, tolerance);
        };
        std::map<double, Segment> lineOfHour;
        for (const Segment& s : d.segments) {
            EXPECT_EQ(s.colour, numeric::qbColor(italian ? 12 : 13));
            std::vector<double> hours;
            for (double H = -105; H <= 105; H += 15) {
                const double n = hourNumber(w, italian, H);
                if (distance(n, s.a) < tolerance && distance(n, s.b) < tolerance &&
                    castAtHour(n, s))
                    hours.push_back(n);
            }
            ASSERT_EQ(hours.size(), 1u) << "segment from (" << s.a.x << ", " << s.a.y << ")";
            EXPECT_TRUE(lineOfHour.emplace(hours[0], s).second) << "hour " << hours[0] << " twice";
        }
        // The shadows of the sun at each hour through the year lie on its line; near the style
        // foot, well inside the span the lines are drawn over, on the drawn part of it.
        std::size_t sunsChecked = 0, nearFoot = 0;
        for (double H = -105; H <= 105; H += 15) {
            const double n = hourNumber(w, italian, H);
            for (double decl = -23.45; decl < 23.46; decl += 23.45 / 8) {
                const std::optional<double> Hsun = italian ? o.sky().italianHourAngle(n, decl)
                                                           : o.sky().babylonianHourAngle(n, decl);
                if (!Hsun) continue;
                // (Italian 24 and Babylonian 0, sunset and sunrise, lie on the horizon.)
                const auto shadow = o.shadow(*Hsun, decl);
                if (!shadow || !shadow->sunInFront || !(o.sky().altitude(*Hsun, decl) > 1e-6))
                    continue;
                const oracle::DialXY p = shadow->point;
                if (!inPlotArea(dial.surface(), p)) continue;
                ++sunsChecked;
                const auto line = lineOfHour.find(n);
                ASSERT_NE(line, lineOfHour.end()) << "hour " << n << ", declination " << decl;
                EXPECT_LT(distanceToLine(p, line->second), tolerance)
                    << "hour " << n << ", declination " << decl;
                ++nearFoot;
                EXPECT_LT(distanceToSegment(p, line->second), tolerance)
                    << "hour " << n << ", declination " << decl;
            }
        }
        EXPECT_GE(sunsChecked, 10u);
        EXPECT_GT(nearFoot, 3u);
    }
}

INSTANTIATE_TEST_SUITE_P(Walls, ItalBabOnOracle, testing::ValuesIn(kItalBabWalls), wallName);

TEST(ItalianBabylonian, SouthWallAtLatitude45HasSlopesOfRootTwo) {
    Vert2dDial dial({45, 0, 1});
    ASSERT_TRUE(dial.setUp());
    const Drawing italian = dial.draw(DrawItalianHoursVert2D);
    const Drawing babylonian = dial.draw(DrawBabylonianHoursVert2D);
    EXPECT_EQ(dial.m().HourCounter, 120);  // the hour loop's variable after the loop
    // The lines of H = 0 pass through the noon point of the equinoctial, (0, -1): Italian 18
    // falls to the right, Babylonian 6 rises. Each is drawn from the horizon, where the sun of
    // that hour sets or rises, down across the plot area.
    auto throughNoon = [](const Drawing& d) {
        std::vector<Segment> out;
        for (const Segment& s : d.segments)
            if (distanceToLine({0, -1}, s) < 1e-9) out.push_back(s);
        return out;
    };
    const auto i18 = throughNoon(italian);
    const auto b6 = throughNoon(babylonian);
    ASSERT_EQ(i18.size(), 1u);
    ASSERT_EQ(b6.size(), 1u);
    const double root2 = std::sqrt(2.0);
    EXPECT_NEAR((i18[0].b.y - i18[0].a.y) / (i18[0].b.x - i18[0].a.x), -root2, 1e-6);
    EXPECT_NEAR((b6[0].b.y - b6[0].a.y) / (b6[0].b.x - b6[0].a.x), root2, 1e-6);
    EXPECT_NEAR(i18[0].a.x, -1 / root2, 1e-9);
    EXPECT_NEAR(i18[0].a.y, 0, 1e-12);
    EXPECT_NEAR(b6[0].a.x, 1 / root2, 1e-9);
    EXPECT_NEAR(b6[0].a.y, 0, 1e-12);
    const double bottom = dial.surface().ShiftY() - dial.surface().QuadranteH();
    EXPECT_LT(i18[0].b.y, bottom);
    EXPECT_LT(b6[0].b.y, bottom);
}

// The analemma: one point every two mean days, each the shadow of the tip for the day's
// declination at the true sun's hour angle at 12:00 standard time, on the days when that sun
// shines on the wall.
struct Expected {
    oracle::DialXY point;
    double declination;
};

std::vector<Expected> expectedAnalemma(Vert2dDial& dial) {
    constexpr double kPi = 3.1415926536;
    const oracle::ShadowOracle o = dial.oracle(kPi);
    const double obliquity = dials::kAnalemmaObliquityDeg * kPi / 180;
    std::vector<Expected> out;
    for (double M : numeric::StepRange(-80, 360, 2 * dials::kMeanDayDeg)) {
        const dials::SunSeries sun = dials::sunForDay(M, obliquity, kPi);
        const double H = (-sun.equationOfTime() - dial.m().ZoneCorrRad) * 180 / kPi;
        const double decl = sun.declination * 180 / kPi;
        // A sun behind the wall or below the horizon casts no shadow on it.
        const auto shadow = o.shadow(H, decl);
        if (shadow && shadow->sunInFront && shadow->sunAboveHorizon)
            out.push_back({shadow->point, decl});
    }
    return out;
}

const std::vector<Wall> kAnalemmaWalls = {
    {45, 0},    {45, 30},  {45, -50},  {52, 70},  {30, -10}, {10, 20}, {60, 140},
    {45, -120}, {75, 15},  {-35, 0},   {-35, 25}, {-45, -60}, {-20, 150},
    {0, 0},     {0, 180},  {0, -180},  {0, 30},   {45, 30, 0.5},
    // Beyond the polar circles the winter noon sun stands below the horizon, behind a wall
    // facing the pole, in front of one facing the equator; the tropics; next to the poles.
    {80, 180},  {-80, 180}, {-80, 0},  {23.45, -90}, {-23.45, 120},
    {-88, 100}, {89.99999, 40}, {-89.9999999, -70}, {89.99999999, 150},
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
    // A wall facing the equator sees the noon sun on many days (the polar night aside).
    if (std::fabs(w.decl) < 90 && std::fabs(w.lat) < 66) {
        EXPECT_GT(next, 80u);
    }
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
