// Hour lines, the equinoctial, the substyle, the horizon and the declination lines against the
// shadow oracle, on northern and southern planes of every kind.

#include <algorithm>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "dials/sky_lines/sky_lines.h"
#include "dials/spherical/inclined_procedures.h"
#include "drawn_shadows.h"
#include "inclined_fixture.h"
#include "numeric/palette.h"
#include "numeric/step_loop.h"
#include "support/oracle_checks.h"
#include "support/sky_checks.h"

namespace inclinedtest {
namespace {

using namespace dials::spherical;

class InclinedLinesOnOracle : public testing::TestWithParam<Plane> {};

TEST_P(InclinedLinesOnOracle, HourLinesLieOnTheirHours) {
    for (const char* etna : {"0", "1"}) {
        SCOPED_TRACE(std::string("standard time ") + etna);
        InclinedDial dial(GetParam(), {{"TxtHour", "4"}, {"ck_Etna", etna}, {"TxtFuso", "-1"}});
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(DrawSphericalHourLines);
        EXPECT_GT(d.points.size(), 2000u);
        EXPECT_TRUE(allOnTaggedHourLines(dial, d));
    }
}

// The hour lines of the whole hours round the clock, in the programme's colours.
std::vector<sphtest::SweptLine> wholeHourLines(const InclinedDial& dial) {
    return hourLinesOf(dial, {-165, 180, 15}, 0.05,
                       [](double H) { return H == 0 ? 12 : H == 90 ? 9 : 7; });
}

TEST_P(InclinedLinesOnOracle, HourLinesDrawEveryLitHourRoundTheClock) {
    // Every sun that shines on the dial at any hour; none down or behind the plane.
    InclinedDial dial(GetParam(), {{"TxtHour", "1"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawSphericalHourLines);
    EXPECT_TRUE(laysTheLinesWhole(dial, d, wholeHourLines(dial)));
}

TEST_P(InclinedLinesOnOracle, DeclinationLinesDrawEveryLitHourRoundTheClock) {
    InclinedDial dial(GetParam(), {{"ckLineoptional", "1"}, {"txtlineofdeclination", "-5"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawSphericalDeclinationLines);
    std::vector<sphtest::SweptLine> lines;
    for (const auto& [decl, colour] : {std::pair{-23.44, 12}, {23.44, 12}, {-5.0, 4}, {-20.001, 13},
                                       {20.001, 13}, {11.5001, 11}, {-11.5001, 11}}) {
        const auto line = dayLinesOf(dial, decl, -180, 180, 0.1, colour);
        lines.insert(lines.end(), line.begin(), line.end());
    }
    EXPECT_TRUE(laysTheLinesWhole(dial, d, lines));
}

TEST_P(InclinedLinesOnOracle, EquinoctialLiesOnTheEquinoxLine) {
    InclinedDial dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawSphericalEquinoctial);
    // A wall turned to the pole sees little of the equinox sun.
    EXPECT_GT(d.points.size(), 50u);
    EXPECT_EQ(d.withColour(qbColor(9)).size(), d.points.size());
    EXPECT_TRUE(oracle::allOnDeclinationPair(dial.oracle(), 0, d.at()));
}

TEST_P(InclinedLinesOnOracle, DeclinationLinesLieOnTheirCurves) {
    // A summer declination of the hemisphere: planes turned to the pole see that sun too.
    const double summer = GetParam().lat >= 0 ? 8 : -8;
    InclinedDial dial(GetParam(), {{"ckLineoptional", "1"},
                                   {"txtlineofdeclination", dialtest::number(summer)}});
    ASSERT_TRUE(dial.setUp());
    dial.tagWith(&shell::Module1::SunDecl);
    const Drawing d = dial.draw(DrawSphericalDeclinationLines);
    const oracle::ShadowOracle o = dial.oracle();
    // Every point on the curve of its own day, none on the other nappe of the cone (where the
    // sun of the opposite declination would cast it).
    for (const auto& [decl, points] : d.byTag())
        EXPECT_TRUE(oracle::allOnDeclinationCurve(o, decl, points)) << decl;
    for (int colour : {12, 13, 11, 4})
        EXPECT_GT(d.withColour(qbColor(colour)).size(), 200u) << colour;
}

TEST_P(InclinedLinesOnOracle, SubstyleRunsFromTheFootThroughTheCentre) {
    InclinedDial dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawSphericalSubstyle);
    const oracle::ShadowOracle o = dial.oracle();
    const auto centre = o.centre();
    ASSERT_TRUE(centre);
    ASSERT_GT(d.points.size(), 100u);
    const double length = std::hypot(centre->x, centre->y);
    for (const dialtest::DrawnPoint& p : d.points) {
        // Distance from the line through the foot and the centre.
        const double off = std::fabs(p.at.x * centre->y - p.at.y * centre->x) / length;
        ASSERT_LT(off, oracle::toleranceFor(0.1)) << p.at.x << ", " << p.at.y;
        ASSERT_EQ(p.colour, qbColor(9));
    }
}

TEST_P(InclinedLinesOnOracle, HorizonSegmentLiesWhereTheSunHasNoAltitude) {
    const Plane plane = GetParam();
    InclinedDial dial(plane);
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawSphericalHorizon);
    if (std::fabs(plane.recl) == 90) {
        // The horizon through the tip is parallel to a horizontal plane: no line, on or off the
        // plot.
        EXPECT_TRUE(d.segments.empty());
        EXPECT_TRUE(d.points.empty());
        return;
    }
    ASSERT_EQ(d.segments.size(), 1u);
    const dialtest::Segment& s = d.segments[0];
    EXPECT_EQ(s.colour, qbColor(2));
    EXPECT_EQ(s.a.y, s.b.y);
    EXPECT_EQ(s.a.x, -dial.m().PlotShiftX);
    EXPECT_EQ(s.b.x, dial.m().PlotShiftX);
    const oracle::ShadowOracle o = dial.oracle();
    for (double x : {-0.3, 0.0, 0.3}) EXPECT_NEAR(o.altitudeAt(x, s.a.y), 0, 1e-6) << x;
}

INSTANTIATE_TEST_SUITE_P(Planes, InclinedLinesOnOracle, testing::ValuesIn(planes()));
INSTANTIATE_TEST_SUITE_P(PastTheVertical, InclinedLinesOnOracle, testing::ValuesIn(pastTheVertical()));
INSTANTIATE_TEST_SUITE_P(OtherSignOfNinety, InclinedLinesOnOracle,
                         testing::ValuesIn(otherSignHorizontals()));

TEST(InclinedLines, PlanesFacingTheGroundPastTheVerticalDrawOnlyTheShadowsOfTheSun) {
    // Inclined past the vertical (typed -100 in the north, +100 in the south): only a low sun
    // behind the observer's back reaches them, and only its shadows are drawn.
    for (const Plane& plane : {Plane{45, 20, -100}, Plane{-45, 0, 100}, Plane{60, -30, -135}}) {
        SCOPED_TRACE(describe(plane));
        InclinedDial dial(plane, {{"TxtHour", "1"}});
        ASSERT_TRUE(dial.setUp());
        const Drawing hours = dial.draw(DrawSphericalHourLines);
        EXPECT_TRUE(laysTheLinesWhole(dial, hours, wholeHourLines(dial)));
        const Drawing solstices = dial.draw(DrawSphericalDeclinationLines);
        EXPECT_TRUE(oracle::allCastBySunAboveHorizon(dial.oracle(), solstices.at(), 1e-6));
    }
}

TEST(InclinedLines, HourLineCountsAndColours) {
    // At 60 N the summer sun lights a horizontal dial 138.6 degrees either side of noon; the
    // shadows of a 2 cm style fall in the plot area but for a sun below half a degree (the
    // lines of sevenths at +-137.1 degrees).
    for (const auto& [fraction, lines] :
         {std::pair{"1", 19u}, {"2", 37u}, {"4", 73u}, {"7", 127u}}) {
        SCOPED_TRACE(fraction);
        InclinedDial dial({60, 0, 90, 0.02}, {{"TxtHour", fraction}});
        ASSERT_TRUE(dial.setUp());
        dial.tagWith(&shell::Module1::HourLoop);
        const Drawing d = dial.draw(DrawSphericalHourLines);
        const auto byLine = d.byTag();
        EXPECT_EQ(byLine.size(), lines);
        for (const dialtest::DrawnPoint& p : d.points) {
            const int index = p.tag == 0 ? 12 : p.tag == 90 ? 9 : 7;
            ASSERT_EQ(p.colour, qbColor(index)) << p.tag;
        }
        // The lines stand a step apart from noon: sevenths of an hour land on noon too.
        EXPECT_FALSE(d.withColour(qbColor(12)).empty());
    }
}

TEST(InclinedLines, NorthWallsAreLitEarlyAndLateAndAt70AtMidnight) {
    // At 55 the wall sees no sun between nine and three, nor after nine; at 70 the summer sun
    // lights it round midnight.
    struct Row {
        Plane plane;
        std::vector<double> lit, dark;
    };
    for (const Row& r : {Row{{55, 180, 0}, {-120, -105, 105, 120}, {-45, 0, 45, 135, 180}},
                        Row{{-55, 180, 0}, {-120, -105, 105, 120}, {-45, 0, 45, 135, 180}},
                        Row{{70, 180, 0}, {-165, -135, 135, 165, 180}, {-45, 0, 45}},
                        Row{{-70, 180, 0}, {-165, -135, 135, 165, 180}, {-45, 0, 45}}}) {
        SCOPED_TRACE(describe(r.plane));
        InclinedDial dial(r.plane, {{"TxtHour", "1"}});
        ASSERT_TRUE(dial.setUp());
        dial.tagWith(&shell::Module1::HourLoop);
        const auto lines = dial.draw(DrawSphericalHourLines).byTag();
        for (double H : r.lit) EXPECT_GT(lines.count(H), 0u) << H;
        for (double H : r.dark) EXPECT_EQ(lines.count(H), 0u) << H;
    }
}

TEST(InclinedLines, HorizontalDialSkyLinesBelongToTheDialOfItsHourLines) {
    // One dial per drawing: the hour lines and every sky line are shadows on the same plane,
    // each sky-line point cast by a sun above the horizon at the declination being swept (the
    // azimuth lines also mark the opposite declination's sun on their vertical circle; the
    // Qibla's last point is its label's, at the solstice). The sky lines read the reclination
    // as typed: with the other sign of 90 they may draw nothing, never another dial.
    using Procedure = void (*)(shell::Context&);
    for (const Plane& plane : {Plane{-35, 0, -90}, Plane{45, 0, 90}, Plane{-35, 0, 90},
                               Plane{45, 0, -90}}) {
        SCOPED_TRACE(describe(plane));
        const bool usualSign = (plane.lat >= 0) == (plane.recl > 0);
        InclinedDial lines(plane, {{"TxtHour", "1"}});
        ASSERT_TRUE(lines.setUp());
        const oracle::ShadowOracle o = lines.oracle();
        EXPECT_TRUE(allOnTaggedHourLines(lines, lines.draw(DrawSphericalHourLines)));
        for (const Procedure sky : {Procedure{dials::sky_lines::PlotQibla},
                                    Procedure{dials::sky_lines::PlotAsrCurve},
                                    Procedure{dials::sky_lines::PlotAltitudeLines},
                                    Procedure{dials::sky_lines::PlotAzimuthLines}}) {
            InclinedDial dial(plane, {{"ckQibla", "1"}, {"ckAsr", "1"}, {"ckAz", "1"}});
            ASSERT_TRUE(dial.setUp());
            dial.tagWith(&shell::Module1::SunDecl);
            Drawing d = dial.draw(sky);
            if (usualSign || sky == Procedure{dials::sky_lines::PlotAsrCurve}) {
                EXPECT_GT(d.points.size(), 100u);
            }
            if (sky == Procedure{dials::sky_lines::PlotQibla} && !d.points.empty())
                d.points.pop_back();
            const bool pairs = sky == Procedure{dials::sky_lines::PlotAzimuthLines};
            EXPECT_TRUE(dialtest::allSuns(
                o, d.points,
                [pairs](const dialtest::DrawnPoint& p, const dialtest::SunOfPoint& s) {
                    return pairs ? std::fabs(s.sun.declination) - std::fabs(p.tag)
                                 : s.sun.declination - p.tag;
                },
                "the declination being swept"));
            EXPECT_TRUE(dialtest::allSuns(o, d.points, dialtest::belowTheHorizon, "the sky"));
        }
    }
}

TEST(InclinedLines, PlanesTurnedAsFarEastAsWestDrawMirrorImages) {
    for (const Plane& plane : {Plane{45, 90, 0}, Plane{55, 40, 30}, Plane{60, 120, -20},
                               Plane{-35, 60, 25}, Plane{-50, 100, 0}}) {
        SCOPED_TRACE(describe(plane));
        Drawing hours[2], days[2];
        for (int i = 0; i < 2; ++i) {
            Plane side = plane;
            side.decl = i == 0 ? -plane.decl : plane.decl;
            InclinedDial dial(side, {{"ckLineoptional", "1"}, {"TxtHour", "1"}});
            ASSERT_TRUE(dial.setUp());
            hours[i] = dial.draw(DrawSphericalHourLines);
            days[i] = dial.draw(DrawSphericalDeclinationLines);
        }
        EXPECT_GT(days[0].points.size(), 2000u);
        // Where a line ends at the horizon, the point that the sampler's halving finds last may
        // fall on either side of it on the two planes: a few such points have no partner.
        // The six o'clock lines differ in colour (9 in the evening, 7 in the morning).
        EXPECT_TRUE(sphtest::mirrorImages(hours[0], hours[1], false, 1e-7, 8));
        EXPECT_TRUE(sphtest::mirrorImages(days[0], days[1], true, 1e-7, 8));
    }
}

TEST(InclinedLines, TheNoonLineRunsEveryDayOfTheYear) {
    // A south wall at 45 N: winter above summer.
    InclinedDial wall({45, 0, 0}, {{"TxtHour", "1"}});
    ASSERT_TRUE(wall.setUp());
    const Drawing noon = wall.draw(DrawSphericalHourLines);
    const auto line = noon.byTag().at(0.0);
    // Every 0.05 degree of declination and the solstice, where the line ends.
    ASSERT_EQ(line.size(), 939u);
    EXPECT_EQ(noon.withColour(qbColor(12)).size(), 939u);
    EXPECT_GT(line.front().y, line.back().y);
}

TEST(InclinedLines, StandardTimeFollowsTheZoneMeridian) {
    // 7.6438 E: noon of the zone of 15 E falls 7.3562 degrees before apparent noon in the north
    // and is drawn reflected in the south; 80 W in zone 5 (75 W): 5 degrees after.
    struct Case {
        Plane plane;
        const char* lon;
        const char* zone;
    };
    for (const Case& c : {Case{{45, 10, 20}, "-7.6438", "-1"}, Case{{-45, 10, -20}, "-7.6438", "-1"},
                          Case{{40, -15, 0}, "80", "5"}}) {
        SCOPED_TRACE(describe(c.plane) + ", lon " + c.lon);
        InclinedDial dial(c.plane,
                          {{"ck_Etna", "1"}, {"txtLON", c.lon}, {"TxtFuso", c.zone}, {"TxtHour", "1"}});
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(DrawSphericalHourLines);
        const auto noon = d.withColour(qbColor(12));
        ASSERT_FALSE(noon.empty());
        const double h = oracle::hourAngleOfStandardTime(12, std::stod(c.lon), std::stod(c.zone));
        EXPECT_TRUE(oracle::allOnWholeHourLine(dial.oracle(), h, noon));
    }
}

TEST(InclinedLines, VerticalPlaneAtTheEquatorHasASubstyle) {
    InclinedDial dial({0, 0, 0});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawSphericalSubstyle);
    EXPECT_NEAR(dial.m().HourAngleRad, kPi / 2, 0);
    EXPECT_GT(d.points.size(), 100u);
    InclinedDial declining({45, 30, 0});
    ASSERT_TRUE(declining.setUp());
    declining.draw(DrawSphericalSubstyle);
    EXPECT_NEAR(declining.m().HourAngleRad * 180 / kPi, 39.23, 0.01);
}

TEST(InclinedLines, HorizonHidesTheShadowsAboveIt) {
    // Reclined 30 at 45 N: the horizon 0.0577 above the foot, no point of a line above it.
    InclinedDial dial({45, 0, 30}, {{"TxtHour", "1"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing horizon = dial.draw(DrawSphericalHorizon);
    ASSERT_EQ(horizon.segments.size(), 1u);
    EXPECT_NEAR(horizon.segments[0].a.y, 0.0577350, 1e-7);
    // The lines run up to the horizon, laid to where their suns set.
    for (const oracle::DialXY& p : dial.draw(DrawSphericalHourLines).at())
        ASSERT_LE(p.y, 0.0577350 + 1e-7) << p.x;
    // In the south the reflected horizon lies below the foot, the points beneath it.
    InclinedDial south({-45, 0, -30}, {{"TxtHour", "1"}});
    ASSERT_TRUE(south.setUp());
    EXPECT_NEAR(south.draw(DrawSphericalHorizon).segments[0].a.y, 0.0577350, 1e-7);
    for (const oracle::DialXY& p : south.draw(DrawSphericalHourLines).at())
        ASSERT_LE(p.y, 0.0577350 + 1e-7) << p.x;
}

TEST(InclinedLines, DeclinationLinesInTheirOrderAndCounts) {
    InclinedDial dial({45, 0, 90});
    ASSERT_TRUE(dial.setUp());
    dial.tagWith(&shell::Module1::SunDecl);
    Drawing d = dial.draw(DrawSphericalDeclinationLines);
    std::vector<std::pair<double, std::size_t>> runs;
    for (const dialtest::DrawnPoint& p : d.points) {
        if (runs.empty() || runs.back().first != p.tag) runs.push_back({p.tag, 0});
        ++runs.back().second;
    }
    std::vector<double> order;
    for (const auto& run : runs) order.push_back(run.first);
    EXPECT_EQ(order, (std::vector<double>{-23.44, 23.44, -20.001, 20.001, 11.5001, -11.5001}));
    // Every line runs as long as its day: the sun of +20 lights the dial from 111 degrees
    // before noon to 111 after (more than 1801 points, the most from six to six), that of
    // -23.44 for 64 degrees either side.
    EXPECT_GT(runs[3].second, 1801u);
    const oracle::ShadowOracle o = dial.oracle();
    for (std::size_t i = 0; i < runs[0].second; ++i)
        EXPECT_LT(std::fabs(o.sunFor(d.points[i].at.x, d.points[i].at.y).hourAngle), 64.5);
    EXPECT_EQ(dial.m().SunDecl, -11.5001);
    // An empty optional declination draws the equinoctial, third, in red.
    dial.set("ckLineoptional", "1");
    dial.set("txtlineofdeclination", "");
    d = dial.draw(DrawSphericalDeclinationLines);
    const auto red = d.withColour(qbColor(4));
    EXPECT_GT(red.size(), 1000u);
    EXPECT_TRUE(oracle::allOnDeclinationCurve(dial.oracle(), 0, red));
    EXPECT_EQ(d.points[runs[0].second + runs[1].second].colour, qbColor(4));
}

TEST(InclinedLines, OptionalLineLeavesOutTheSunBehindThePlane) {
    // On a south wall at 45 N the sun of declination 10 sets behind the wall; projected through
    // the tip those hours would draw a stray arc on the curve of -10.
    InclinedDial dial({45, 0, 0}, {{"ckLineoptional", "1"}, {"txtlineofdeclination", "10"}});
    ASSERT_TRUE(dial.setUp());
    const auto red = dial.draw(DrawSphericalDeclinationLines).withColour(qbColor(4));
    const oracle::ShadowOracle o = dial.oracle();
    EXPECT_TRUE(oracle::allOnDeclinationCurve(o, 10, red));
    // The hours the sun spends in front of the wall, within +-79.8 degrees, are all there.
    EXPECT_GT(red.size(), 1400u);
}

}  // namespace
}  // namespace inclinedtest
