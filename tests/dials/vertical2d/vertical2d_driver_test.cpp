// The driver of the vertical dial: its refusal, title and cursor, the order of its features,
// the run stopped by inputs that leave the dial undefined, and the set-up's shared variables.

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "dials/vertical2d/vertical2d_procedures.h"
#include "numeric/palette.h"
#include "vertical2d_fixture.h"

namespace vert2dtest {
namespace {

constexpr const char* kTitle = "Vertical dial by 2D analytic geometry";

using dialtest::Outcome;

Outcome run(const Settings& settings) { return dialtest::runProgramme("M_Frinter", settings); }

const char* const kFeatureBoxes[] = {
    "chkOreAstronomiche", "ck_DayLightCurves", "ck_Equinoziale", "ck_Sustilare",
    "ck_Italiche",        "ck_babiloniche",    "ck_Lemniscate",  "ck_orizzonte",
    "ck_Triangolo",       "ck_Asintoti",
};

Settings withBoxes(int value, Settings extra) {
    Settings s;
    for (const char* box : kFeatureBoxes) s.emplace_back(box, std::to_string(value));
    s.insert(s.end(), extra.begin(), extra.end());
    return s;
}

TEST(Vertical2dDriver, RefusesAnEmptyLatitudeAlone) {
    for (const char* text : {"", "   "})
        dialtest::expectRefused(run({{"txtLAT", text}}),
                                "Immettere Longitudine,latitudine,Declinazione e Ortostilo !!");
}

TEST(Vertical2dDriver, TitlesThePlotUnderTheBusyCursor) {
    const Outcome o = run({{"txtLAT", "45"}, {"txtDecl", "10"}});
    dialtest::expectDrawn(o, kTitle);
    EXPECT_FALSE(o.list.lines.empty());
}

TEST(Vertical2dDriver, WithEveryBoxClearedOnlyTheTitleChanges) {
    const Outcome o = run(withBoxes(0, {{"txtLAT", "45"}}));
    EXPECT_EQ(o.title, kTitle);
    EXPECT_TRUE(o.list.DrawOrder.empty());
}

TEST(Vertical2dDriver, DrawsTheFeaturesInItsOrder) {
    const Outcome o = run(withBoxes(
        1, {{"txtLAT", "45"}, {"txtDecl", "10"}, {"txtStilo", "0.1"}, {"TxtHour", "1"}}));
    EXPECT_TRUE(o.messages.empty());
    std::vector<int> expected;
    for (int H = -90; H <= 90; H += 15) expected.push_back(H == 0 ? 12 : H == 90 ? 9 : 7);
    expected.insert(expected.end(), {9, 9, 4});  // equinoctial, substyle, noon line
    // Italian and Babylonian: the lines that have a sunlit part in the plot area.
    Vert2dDial alone({45, 10});
    ASSERT_TRUE(alone.setUp());
    const std::size_t italian = alone.draw(dials::vertical2d::DrawItalianHoursVert2D).lines.size();
    const std::size_t babylonian =
        alone.draw(dials::vertical2d::DrawBabylonianHoursVert2D).lines.size();
    EXPECT_GE(italian, 10u);
    EXPECT_GE(babylonian, 10u);
    expected.insert(expected.end(), italian, 12);
    expected.insert(expected.end(), babylonian, 13);
    expected.insert(expected.end(), {2, 9, 13, 14});  // horizon, triangle
    std::vector<plot::Colour> expectedColours;
    for (int index : expected) expectedColours.push_back(numeric::qbColor(index));
    std::vector<plot::Colour> colours;
    for (const plot::LineRecord& l : o.list.lines) colours.push_back(l.Color);
    EXPECT_EQ(colours, expectedColours);

    // Points: declination lines, analemma, the foot of the triangle, the asymptotes last.
    ASSERT_FALSE(o.list.points.empty());
    EXPECT_EQ(o.list.points.front().Color, numeric::qbColor(12));
    EXPECT_EQ(o.list.points.back().Color, numeric::qbColor(2));
    // The analemma leaves its own pi for the steps after it.
    EXPECT_EQ(o.m.Pi, 3.1415926536);
}

TEST(Vertical2dDriver, AWallHoldingTheStyleOnTheEquatorIsDrawn) {
    // A wall facing due east or west on the equator: the style lies in the wall, as on every
    // east or west wall, and its lines are drawn without a message, the cursor restored.
    for (const Settings& s : {Settings{{"txtLAT", "0"}, {"txtDecl", "90"}},
                              Settings{{"txtLAT", "0"}, {"txtDecl", "-90"}}}) {
        const Outcome o = run(s);
        EXPECT_TRUE(o.messages.empty());
        EXPECT_EQ(o.title, kTitle);
        EXPECT_EQ(o.busyChanges, (std::vector<bool>{true, false}));
        EXPECT_FALSE(o.list.DrawOrder.empty());
    }
}

TEST(Vertical2dDriver, TheEquatorDrawsTheLowerHalvesOfItsDeclinationLines) {
    const Outcome o = run({{"txtLAT", "0"}, {"txtDecl", "30"}});
    EXPECT_TRUE(o.messages.empty());
    EXPECT_EQ(o.title, kTitle);
    EXPECT_EQ(o.m.LatDecimal, 0);
    EXPECT_NEAR(o.m.SubstyleRad, -o.m.Pi / 2, 1e-12);  // typed west: D = -30
    // The declination lines of the equator, symmetric about the horizon: only their lower
    // halves, where the sun stands above it, are drawn, down to their ends on the horizon (plot
    // y grows downward).
    std::size_t below = 0, above = 0;
    for (const plot::PointRecord& p : o.list.points) {
        if (p.Color != numeric::qbColor(13) && p.Color != numeric::qbColor(11)) continue;
        if (p.y != 0) ++(p.y > 0 ? below : above);
    }
    EXPECT_GT(below, 300u);
    EXPECT_EQ(above, 0u);
}

TEST(Vertical2dDriver, AsymptotesKeepTheProgrammesSubstyle) {
    Vert2dDial dial({45, 20}, {{"ck_Asintoti", "1"}});
    ASSERT_TRUE(dial.run());
    Vert2dDial reference({45, 20});
    ASSERT_TRUE(reference.setUp());
    EXPECT_EQ(dial.m().SubstyleRad, reference.m().SubstyleRad);
    std::size_t asymptotePoints = 0;
    for (const plot::PointRecord& p : dial.surface().displayList().points)
        if (p.Color == numeric::qbColor(2)) ++asymptotePoints;
    EXPECT_GT(asymptotePoints, 100u);
}

TEST(Vertical2dSetup, SignsAndTheEquatorialCase) {
    {
        Vert2dDial dial({45, -30});  // typed east
        ASSERT_TRUE(dial.setUp());
        EXPECT_EQ(dial.m().DeclDecimal, 30);
        EXPECT_GT(dial.m().SubstyleRad, 0);
        EXPECT_EQ(dial.m().DeclDegrees, -30);
        // The longitude less the zone meridian (7.3562 degrees west of it), in radians.
        EXPECT_NEAR(dial.m().LonAbsDeg, 7.3562 * dial.m().Pi / 180, 1e-12);
    }
    {
        Vert2dDial dial({-90, 10});
        ASSERT_TRUE(dial.setUp());
        EXPECT_EQ(dial.m().LatDecimal, -89.9999);
        EXPECT_EQ(dial.m().WorkFlag, -1);
    }
    {
        Vert2dDial dial({0, -30});  // typed east: D = 30
        ASSERT_TRUE(dial.setUp());
        const shell::Module1& m = dial.m();
        EXPECT_EQ(m.SubstyleRad, m.Pi / 2);
        EXPECT_NEAR(m.StyleElevRad, m.Pi / 3, 1e-12);
        EXPECT_EQ(m.SubstyleHour, m.Pi / 2);
        EXPECT_EQ(m.AnalemmaFlag, 1);
        EXPECT_EQ(m.WorkFlag, 1);
    }
    {
        Vert2dDial dial({0, 0});
        ASSERT_TRUE(dial.setUp());
        EXPECT_EQ(dial.m().StyleElevRad, dial.m().Pi / 2);
        EXPECT_EQ(dial.m().AnalemmaFlag, 0);
    }
}

TEST(Vertical2dFailures, AFailedComputationDrawsNothingAtStaleValues) {
    using namespace dials::vertical2d;
    const double inf = std::numeric_limits<double>::infinity();
    {
        // No line of an hour can be formed: no line at all, not the last good one.
        Vert2dDial dial({45, 30});
        ASSERT_TRUE(dial.setUp());
        dial.m().StyleLength = inf;
        EXPECT_TRUE(dial.draw(DrawItalianHoursVert2D).segments.empty());
        EXPECT_TRUE(dial.draw(DrawBabylonianHoursVert2D).segments.empty());
    }
    {
        Vert2dDial dial({45, 30});
        ASSERT_TRUE(dial.setUp());
        dial.m().StyleElevRad = std::nan("");
        EXPECT_TRUE(dial.draw(DrawHourLinesVert2D).segments.empty());
    }
    {
        Vert2dDial dial({45, 30});
        ASSERT_TRUE(dial.setUp());
        dial.m().StyleLength = inf;
        EXPECT_TRUE(dial.draw(PlotAnalemmaVert2D).points.empty());
        EXPECT_TRUE(dial.draw(DrawDeclinationLinesVert2D).points.empty());
    }
}

TEST(Vertical2dFailures, HugeInputsNeverReachThePlotAsNonNumbers) {
    // A style too long or too short for the arithmetic, or one behind the wall, is refused
    // before the run; the shortest it takes is drawn.
    for (const auto& [style, named] :
         {std::pair{"1e300", "too large"}, std::pair{"1e-300", "too small"},
          std::pair{"-0.2", "Perpendicular style"}}) {
        const Outcome o = run(withBoxes(1, {{"txtLAT", "45"}, {"txtDecl", "20"}, {"txtStilo", style}}));
        ASSERT_EQ(o.messages.size(), 1u) << style;
        EXPECT_NE(o.messages[0].find(named), std::string::npos) << o.messages[0];
        EXPECT_EQ(o.drawn(), 0u);
    }
    for (const char* style : {"1e-9"}) {
        const Outcome o = run(withBoxes(1, {{"txtLAT", "45"}, {"txtDecl", "20"}, {"txtStilo", style}}));
        EXPECT_EQ(o.title, kTitle) << style;
        EXPECT_EQ(o.busyChanges, (std::vector<bool>{true, false}));
        for (const plot::LineRecord& l : o.list.lines)
            EXPECT_TRUE(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) &&
                        std::isfinite(l.Y2))
                << style;
        for (const plot::PointRecord& p : o.list.points)
            EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << style;
    }
}

}  // namespace
}  // namespace vert2dtest
