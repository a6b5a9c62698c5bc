// The lines of the latter projective dial against the shadow oracle: hour lines (local and
// standard-meridian time), equinoctial, declination conics, Italian and Babylonian hours, and the
// segments that run to the centre.

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "dials/projective/latter_procedures.h"
#include "latter_fixture.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"
#include "support/oracle_sky.h"

namespace latterproj {
namespace {

using namespace dials::projective;
using dialtest::Drawing;
using numeric::qbColor;

class LatterOnOracle : public testing::TestWithParam<Plane> {};

// How close a drawn point lies to every shadow of its line in the plot area: the line step, and
// the rounding of a point at either end of a drawn stretch.
double laidStep(const Plane& p) { return dialtest::kLineStep + oracle::toleranceFor(p.style); }

double distanceToSegment(oracle::DialXY p, oracle::DialXY a, oracle::DialXY b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

TEST_P(LatterOnOracle, HourLinesAreTheShadowLinesOfTheirHours) {
    for (const char* etna : {"0", "1"}) {
        SCOPED_TRACE(std::string("standard meridian ") + etna);
        LatterDial dial(GetParam(), {{"TxtHour", "1"}, {"ck_Etna", etna}});
        ASSERT_TRUE(dial.setUp());
        dial.tagWith(&shell::Module1::HourCounter);
        const Drawing d = dial.draw(DrawHourLinesProjLatter);
        EXPECT_EQ(dial.m().HourCounter, 105);
        // The design-time place: longitude 7.6438 E, Central European time.
        const double shift = etna[0] == '1' ? oracle::standardMeridianCorrection(-7.6438, -1) : 0;
        const auto lines = d.byTag();
        // The sweep covers 4 m of the auxiliary plane: a long style sees fewer lines in it.
        EXPECT_GE(lines.size(), GetParam().style > 0.5 ? 5u : 10u);
        // Every counter, drawn or not: a line left out has shadows in the plot area uncovered.
        for (double counter = -90; counter <= 90; counter += 15) {
            const auto points = lines.count(counter) ? lines.at(counter) : std::vector<oracle::DialXY>{};
            EXPECT_TRUE(oracle::allOnWholeHourLine(dial.oracle(), counter + shift, points))
                << "counter " << counter;
            // Drawn whole: every shadow of the hour, or of the hour twelve hours away, in the
            // plot area has a point within the line step.
            std::vector<oracle::HourDecl> suns = oracle::sunsOfHourAngle(counter + shift);
            for (const oracle::HourDecl& s : oracle::sunsOfHourAngle(counter + shift + 180))
                suns.push_back(s);
            EXPECT_TRUE(oracle::laidWithinTheStep(dial.oracle(), suns, points, dialtest::kPlotArea,
                                                  laidStep(GetParam()),
                                                  "counter " + std::to_string(counter)));
        }
        for (const dialtest::DrawnPoint& q : d.points)
            ASSERT_EQ(q.colour, qbColor(q.tag == 0 ? 12 : std::fabs(q.tag) == 90 ? 9 : 7));
    }
}

TEST_P(LatterOnOracle, EquinoctialAndDeclinationLinesLieOnTheirCones) {
    LatterDial dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const oracle::ShadowOracle o = dial.oracle();
    // The equinoctial whole, wherever it crosses the plot area.
    const Drawing eq = dial.draw(DrawEquinoctialProj);
    const oracle::DialArea& area = dialtest::kPlotArea;
    EXPECT_LT(oracle::largestGapAlongSunlitCurves(o, 0, eq.at(), area), 0.002);
    EXPECT_EQ(eq.withColour(qbColor(9)).size(), eq.points.size());
    EXPECT_TRUE(oracle::allOnDeclinationCurve(o, 0, eq.at()));

    // Only the shadows of a sun above the horizon; drawn wherever such shadows fall near the foot.
    const Drawing d = dial.draw(DrawDeclinationLinesProjLatter);
    std::size_t total = 0;
    for (const auto& [colour, declination] : {std::pair{12, 23.45}, {13, 20.0}, {11, 11.5}}) {
        const auto points = d.withColour(qbColor(colour));
        total += points.size();
        EXPECT_TRUE(oracle::sunlitDeclinationPair(o, declination, points, 10, 0.3)) << declination;
        std::vector<oracle::HourDecl> suns = oracle::sunsOfDeclination(declination);
        for (const oracle::HourDecl& s : oracle::sunsOfDeclination(-declination))
            suns.push_back(s);
        EXPECT_TRUE(oracle::laidWithinTheStep(o, suns, points, area, laidStep(GetParam()),
                                              "declination " + std::to_string(declination)));
    }
    EXPECT_EQ(total, d.points.size());
}

// Each line runs through the equinox sun of hour angle n (setting at +90, rising at -90): Italian
// hour (n + 270) / 15, Babylonian (n + 90) / 15. Also past a right angle from the auxiliary
// dial's substyle, and on planes facing north of east or west. Each is drawn where a sun of its
// own hour casts it above the horizon, all of that stretch inside the plot area, 2 mm apart; the
// horizon (Italian 24, Babylonian 0) is no line.
TEST_P(LatterOnOracle, ItalianAndBabylonianHoursAreTheirGreatCircles) {
    LatterDial dial(GetParam(), {{"TxtHour", "4"}});
    ASSERT_TRUE(dial.setUp());
    dial.tagWith(&shell::Module1::HourCounter);  // where the programme keeps the counter
    const Drawing italian = dial.draw(DrawItalianHoursProjLatter);
    EXPECT_EQ(dial.m().HourCounter, 105);
    const Drawing babylonian = dial.draw(DrawBabylonianHoursProjLatter);
    EXPECT_EQ(italian.withColour(qbColor(12)).size(), italian.points.size());
    EXPECT_EQ(babylonian.withColour(qbColor(13)).size(), babylonian.points.size());
    const oracle::DialArea& area = dialtest::kPlotArea;
    const auto italianLines = italian.byTag(), babylonianLines = babylonian.byTag();
    EXPECT_EQ(italianLines.count(90), 0u);
    EXPECT_EQ(babylonianLines.count(-90), 0u);
    for (double n = -90; n <= 90; n += 15) {
        const auto lineOf = [n](const std::map<double, std::vector<oracle::DialXY>>& lines) {
            return lines.count(n) ? lines.at(n) : std::vector<oracle::DialXY>{};
        };
        EXPECT_TRUE(oracle::sunlitItalianLine(dial.oracle(), (n + 270) / 15, lineOf(italianLines),
                                              area, 0.003))
            << n;
        EXPECT_TRUE(oracle::sunlitBabylonianLine(dial.oracle(), (n + 90) / 15,
                                                 lineOf(babylonianLines), area, 0.003))
            << n;
    }
}

TEST_P(LatterOnOracle, CentreNoonSubstyleTriangleAndHorizon) {
    const Plane p = GetParam();
    LatterDial dial(p);
    const oracle::ShadowOracle o = dial.oracle();
    const Drawing mark = dial.draw([&](shell::Context&) { ASSERT_TRUE(dial.setUpWithCentre()); });
    const shell::Module1& m = dial.m();
    const auto centre = o.centre();
    ASSERT_TRUE(centre.has_value());
    const double tolerance =
        oracle::toleranceFor(p.style) * std::max(1.0, std::hypot(centre->x, centre->y) / p.style);
    EXPECT_NEAR(m.CentreX, centre->x, tolerance);
    EXPECT_NEAR(m.CentreY, centre->y, tolerance);
    ASSERT_LE(mark.points.size(), 1u);  // a centre beyond the plot area is not recorded
    for (const auto& q : mark.points) EXPECT_EQ(q.colour, qbColor(14));

    // The noon line runs from the centre along the half of the meridian line where the noon
    // shadows fall, through the noon shadows of both solstices; it starts below (or above) the tip
    // when that point lies beyond them, and runs off the plot area when the noon shadows of the
    // year do. A plane that the noon sun never reaches has none.
    const Drawing noon = dial.draw(DrawNoonLineProjLatter);
    const auto summer = o.dialPoint(0, 23.45), winter = o.dialPoint(0, -23.45);
    ASSERT_EQ(noon.segments.size(), summer || winter ? 1u : 0u);
    for (const auto& s : noon.segments) {
        EXPECT_EQ(s.colour, qbColor(4));
        EXPECT_EQ(s.b.x, m.CentreX);
        EXPECT_EQ(s.b.y, m.CentreY);
        std::vector<oracle::DialXY> along;
        for (double f : {0.0, 0.25, 0.5, 0.75, 0.99})
            along.push_back({s.a.x + f * (s.b.x - s.a.x), s.a.y + f * (s.b.y - s.a.y)});
        EXPECT_TRUE(oracle::allOnHourLine(o, 0, along, tolerance));
        // Every point of the plot area lies within its diagonal of the foot.
        const double plotReach =
            std::hypot(dial.surface().QuadranteL(), dial.surface().QuadranteH());
        for (const auto& shadow : {summer, winter}) {
            if (shadow && std::hypot(shadow->x, shadow->y) < plotReach)
                EXPECT_LT(distanceToSegment(*shadow, s.a, s.b), tolerance);
            else  // the shadows run off the plot area, and so does the line
                EXPECT_GT(std::hypot(s.a.x, s.a.y), plotReach);
        }
        const oracle::Vec3 below = o.tip() - o.worldPoint(s.a.x, s.a.y);
        const bool fromBelowTheTip = std::hypot(below.x, below.y) < 1e-12;
        const auto farther = [&](const oracle::DialXY& q) {
            return std::hypot(q.x - m.CentreX, q.y - m.CentreY);
        };
        if (p.recl != 0 && summer && winter) {
            const oracle::DialXY nadir{0, -p.style / std::tan(p.recl * kPi / 180)};
            const bool nadirBeyond = distanceToSegment(*summer, nadir, s.b) < tolerance &&
                                     distanceToSegment(*winter, nadir, s.b) < tolerance &&
                                     oracle::allOnHourLine(o, 0, {nadir}, tolerance);
            EXPECT_EQ(fromBelowTheTip, nadirBeyond);
            if (!nadirBeyond && std::hypot(s.a.x, s.a.y) < plotReach) {
                EXPECT_NEAR(farther(s.a), std::max(farther(*summer), farther(*winter)), tolerance);
            }
        }
    }

    // The triangle: the style laid at right angles to the substyle at the foot, the polar style
    // from the centre to its tip as long as the true one; then the steepest line at the centre.
    const Drawing tri = dial.draw(DrawStyleTriangleProjLatter);
    ASSERT_EQ(tri.segments.size(), 4u);
    const oracle::DialXY tip = tri.segments[0].b;
    EXPECT_NEAR(std::hypot(tip.x, tip.y), p.style, 1e-12);
    EXPECT_NEAR(tip.x * m.CentreX + tip.y * m.CentreY, 0, 1e-12);
    const oracle::Vec3 polar = o.tip() - o.worldPoint(m.CentreX, m.CentreY);
    EXPECT_NEAR(std::hypot(tip.x - m.CentreX, tip.y - m.CentreY),
                std::sqrt(polar.x * polar.x + polar.y * polar.y + polar.z * polar.z), tolerance);
    for (int i : {0, 1, 2, 3})
        EXPECT_EQ(tri.segments[i].colour, qbColor(std::vector{13, 9, 14, 8}[i]));
    EXPECT_EQ(tri.segments[3].a.x, m.CentreX);

    // The substyle through the foot and the centre; the horizon where the tip is level.
    const Drawing sub = dial.draw(DrawSubstyleProjLatter);
    ASSERT_EQ(sub.segments.size(), 1u);
    EXPECT_EQ(sub.segments[0].a.x, 2 * m.CentreX);
    // None where that lies far off (a plane next to the level).
    const Drawing horizon = dial.draw(DrawHorizonProj);
    const double level = p.style * std::tan(p.recl * kPi / 180);
    const std::size_t drawn = horizon.segments.size();
    ASSERT_TRUE(std::fabs(level) < 10 ? drawn == 1 : std::fabs(level) > 1e3 ? drawn == 0 : drawn <= 1);
    for (const auto& h : horizon.segments) {
        EXPECT_EQ(h.colour, qbColor(2));
        for (double x : {-1.0, 1.0}) EXPECT_NEAR(o.altitudeAt(x, h.a.y), 0, 1e-7);
    }
}

INSTANTIATE_TEST_SUITE_P(Planes, LatterOnOracle, testing::ValuesIn(planes()));

// Latitudes equal to a line's declination, where its cone cuts a parabola from the auxiliary
// plane of a south-facing dial, and latitudes next to them; latitudes next to the equator, where
// the six o'clock lines run through a centre far below and the Italian hour 18 and the
// Babylonian hour 6 run almost level.
INSTANTIATE_TEST_SUITE_P(
    Latitudes, LatterOnOracle,
    testing::Values(Plane{20, 0, 0}, Plane{20, 0, -40}, Plane{23.45, 0, 0}, Plane{11.5, 0, 0},
                    Plane{20.001, 0, 0}, Plane{11.5001, 0, 20}, Plane{20, 10, 0},
                    Plane{0.001, 10, 0}, Plane{0.01, 20, 30}, Plane{0.001, -30, -20},
                    Plane{0.001, -40, 110}, Plane{0.01, 0, 0}, Plane{0.01, 20, 0},
                    Plane{1.3, 0, 0}, Plane{3, -10, 0}));

// Nearly level, facing up or down, the auxiliary plane lies g / cos R from the tip and the lines
// cross the plot area where its points run off to infinity; at low latitudes the declination
// lines' ellipses on it turn there too.
std::vector<Plane> nearlyLevel() {
    std::vector<Plane> planes;
    for (double lat : {10.0, 45.0, 80.0})
        for (double decl : {-135.0, -90.0, 0.0, 20.0, 180.0})
            for (double recl : {89.9, -89.9, 89.99, -89.99999}) planes.push_back({lat, decl, recl});
    // Next to the equator the declination lines' cones cut near-parabolas from the auxiliary
    // plane, and cross the plot area within one step of its point at infinity.
    for (double recl : {89.999, -89.999, 89.9999}) {
        planes.push_back({0.5, 20, recl});
        planes.push_back({0.5, -135, recl});
    }
    // With a long style the gap between an ellipse's two turns, seen from its point at infinity,
    // is narrower than one step: each half of a line ends at its own turn.
    for (const Plane& p : {Plane{0.5, -15, 89.99, 1}, Plane{1, 165, 89.99, 1}})
        planes.push_back(p);
    // A winter line's branch that runs, between two of the sweep's points both beyond one edge
    // of the plot area, through the area and out again: across it, or bowing in along the edge.
    for (const Plane& p : {Plane{60, 120, 89.999, 0.2}, Plane{60, -120, 89.9999999},
                           Plane{55, -120, 89.9999, 0.2}, Plane{67.5, -75, 89.99, 0.2},
                           Plane{50, 120, 89.999999, 0.2}, Plane{60, 65, 89.9, 0.2},
                           Plane{65, 120, 89.9999}})
        planes.push_back(p);
    return planes;
}
INSTANTIATE_TEST_SUITE_P(NearlyLevel, LatterOnOracle, testing::ValuesIn(nearlyLevel()));

// Next to the equator a plane facing south has its centre kilometres away and its six o'clock
// lines at a right angle from the auxiliary substyle; they pass through the foot's region.
TEST(LatterHourLines, SixOClockLinesNextToTheEquator) {
    for (const Plane& p : {Plane{0.001, 0, 0}, Plane{0.01, 0, 0}, Plane{0.001, 0, 30}}) {
        SCOPED_TRACE(describe(p));
        LatterDial dial(p, {{"TxtHour", "1"}});
        ASSERT_TRUE(dial.setUp());
        dial.tagWith(&shell::Module1::HourCounter);
        const auto lines = dial.draw(DrawHourLinesProjLatter).byTag();
        for (const double counter : {-90.0, 90.0}) {
            ASSERT_TRUE(lines.count(counter)) << counter;
            EXPECT_GT(lines.at(counter).size(), 100u) << counter;
            EXPECT_TRUE(oracle::allOnWholeHourLine(dial.oracle(), counter, lines.at(counter)));
        }
    }
}

}  // namespace
}  // namespace latterproj
