// The projective cylinder's driver and set-up: the refusal, the title, the tangent plane's dial,
// the point step, the equator, and a failing set-up stopping the run.

#include <algorithm>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "projective_fixture.h"
#include "support/oracle_checks.h"
#include "shell/refusal.h"

namespace cylprojtest {
namespace {

using namespace dials::cylindrical;

constexpr const char* kTitle = "Cylindrical sundial of circular cross-section : projective method";

const Settings kCurveBoxes = {{"chkOreAstronomiche", "1"}, {"ck_DayLightCurves", "1"},
                              {"ck_Equinoziale", "1"},     {"ck_Sustilare", "1"},
                              {"ck_Italiche", "1"},        {"ck_babiloniche", "1"}};

TEST(ProjectiveDriver, RefusesTheSouthernHemisphereOnly) {
    dialtest::expectRefused(
        dialtest::runProgramme("mnuCircp", withBoxes({-0.0001, 10, false}, {})),
        std::string(shell::kSouthernHemisphereRefusal));
    const dialtest::Outcome equator =
        dialtest::runProgramme("mnuCircp", withBoxes({0, 10, true}, {}));
    EXPECT_TRUE(equator.completed);
    dialtest::expectDrawn(equator, kTitle);
}

TEST(ProjectiveDriver, DrawsEveryFeatureInOrderAndLeavesTheAnalemmaPi) {
    Settings boxes = kCurveBoxes;
    for (const char* box : {"ck_orizzonte", "ck_Triangolo", "ck_Lemniscate", "Ck_Section"})
        boxes.emplace_back(box, "1");
    for (const bool convex : {false, true}) {
        ProjectiveCylinder dial({45, 20, convex}, boxes);
        const dialtest::Outcome o = dial.outcomeOfRun();
        EXPECT_TRUE(o.completed);
        dialtest::expectDrawn(o, kTitle);
        EXPECT_EQ(o.m.Pi, 3.1415926536);
        EXPECT_EQ(o.m.CylParam, 0.3);
        // The reference generatrix comes first.
        ASSERT_FALSE(o.list.lines.empty());
        EXPECT_EQ(o.list.lines.front().Color, colourOf(6));
        const Drawing d = dial.drawing();
        ASSERT_FALSE(d.points.empty());
        // The Babylonian hours (the last points in light magenta) come before the analemma.
        std::size_t firstAnalemma = d.points.size(), lastBabylonian = 0;
        for (std::size_t i = 0; i < d.points.size(); ++i) {
            if (d.points[i].colour == colourOf(4)) firstAnalemma = std::min(firstAnalemma, i);
            if (d.points[i].colour == colourOf(13)) lastBabylonian = i;
        }
        EXPECT_LT(lastBabylonian, firstAnalemma);
        EXPECT_LT(firstAnalemma, d.points.size());
    }
}

TEST(ProjectiveDriver, SetUpComputesTheTangentPlaneDial) {
    ProjectiveCylinder dial({45, 0, false, 0.3, 0.2}, {{"TxtHour", "4"}, {"txt_Definition", "5"}});
    ASSERT_TRUE(dial.setUp());
    const shell::Module1& m = dial.m();
    EXPECT_EQ(m.CylParam, 0.3);
    EXPECT_EQ(m.HourStep, 3.75);
    EXPECT_EQ(m.PointStep, 0.01);
    EXPECT_EQ(m.SetupAngleA, 0);
    EXPECT_EQ(m.SubstyleHour, 0);
    EXPECT_NEAR(m.SetupAngleB, m.Pi / 4, 1e-9);  // 90 degrees less the latitude
    EXPECT_EQ(m.SetupAngleB, m.StyleElevRad);
    EXPECT_NEAR(m.StyleHypotenuse, 0.2 * std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(m.PlaneCoefY, 0.2, 1e-9);
}

// At the equator the substyle is vertical (nothing drawn); the horizon conic of the Italian
// and Babylonian hours degenerates, and each of their lines is the cut of its plane, an hour
// plane; the plane of the equator stands upright, and the equinoctial is drawn by heights.
TEST(ProjectiveDriver, AtTheEquatorTheSubstyleIsVerticalAndTheHourFamiliesAreTheirPlanes) {
    ProjectiveCylinder dial({0, 25, false});
    ASSERT_TRUE(dial.setUp());
    EXPECT_EQ(dial.m().SetupAngleA, dial.m().Pi / 2);
    EXPECT_EQ(dial.m().SubstyleHour, dial.m().Pi / 2);
    EXPECT_NEAR(dial.m().SetupAngleB, dial.m().Pi / 2 - dial.m().WallDeclRad, 1e-15);
    EXPECT_TRUE(dial.draw(DrawCylProjSubstyleLine).points.empty());
    EXPECT_FALSE(dial.draw(DrawCylProjHourLines).points.empty());
    const oracle::CylinderOracle o = dial.oracle();
    for (const auto& [draw, italian] :
         {std::pair{&DrawCylProjItalianHours, true}, {&DrawCylProjBabylonianHours, false}}) {
        const Drawing d = dial.draw(draw);
        EXPECT_GT(d.points.size(), 100u);
        EXPECT_TRUE(cyltest::allCastByRealSuns(o, d.at(), italian ? "Italian" : "Babylonian"));
        for (const oracle::DialXY& p : d.at())
            ASSERT_TRUE(cyltest::onSomeOwnHalf(o, p, italian ? 12 : 0, italian,
                                               oracle::toleranceFor(0.1)));
    }
    const Drawing eq = dial.draw(DrawCylProjEquinoctial);
    EXPECT_GT(eq.points.size(), 100u);
    EXPECT_TRUE(cyltest::allCastByRealSuns(o, eq.at(), "equinoctial"));
    EXPECT_TRUE(allNear(eq.at(), declinationPair(o, 0), 0.1, "equinoctial"));
}

// A "Definition" of 0 (or an empty box) is refused before the run with the same message in the
// three programmes that sample their curves with it, the busy cursor untouched.
TEST(ProjectiveDriver, ADrawingStepOfZeroIsRefusedAsInTheOtherCircularProgrammes) {
    std::vector<std::string> messages;
    for (const char* programme : {"mnuCircp", "M_Param", "M_CILINDRICI"}) {
        for (const char* definition : {"0", ""}) {
            SCOPED_TRACE(std::string(programme) + " definition '" + definition + "'");
            const dialtest::Outcome o = dialtest::runProgramme(
                programme, withBoxes({45, 20, false}, {{"txt_Definition", definition},
                                                       {"chkOreAstronomiche", "1"}}));
            EXPECT_FALSE(o.completed);
            ASSERT_EQ(o.messages.size(), 1u);
            messages.push_back(o.messages.front());
            EXPECT_TRUE(o.busyChanges.empty());
            EXPECT_TRUE(o.list.points.empty());
            EXPECT_LE(o.list.lines.size(), 1u);  // at most the reference generatrix
        }
    }
    for (const std::string& message : messages) EXPECT_EQ(message, messages.front());
}

// A negative "Definition" is refused before the run, naming the box.
TEST(ProjectiveDriver, NegativeDefinitionIsRefused) {
    Settings boxes = kCurveBoxes;
    boxes.emplace_back("txt_Definition", "-5");
    const dialtest::Outcome negative =
        dialtest::runProgramme("mnuCircp", withBoxes({45, 20, true}, boxes));
    ASSERT_EQ(negative.messages.size(), 1u);
    EXPECT_NE(negative.messages[0].find("Definition"), std::string::npos);
    EXPECT_EQ(negative.drawn(), 0u);
}

// Latitude 180 on a wall facing south would leave the tangent plane's polar style undefined
// (the square root of 0 divides): no place has it, and the run is refused before the set-up
// rather than drawing at stale values.
TEST(ProjectiveDriver, ALatitudeBeyondThePoleIsRefusedBeforeTheSetUp) {
    ProjectiveCylinder dial({180, 0, false}, kCurveBoxes);
    dial.m().SubstyleHour = 0.7;  // what an earlier run would have left
    const dialtest::Outcome o = dial.outcomeOfRun();
    EXPECT_FALSE(o.completed);
    ASSERT_EQ(o.messages.size(), 1u);
    EXPECT_NE(o.messages.front().find("Latitude"), std::string::npos);
    EXPECT_TRUE(o.busyChanges.empty());
    EXPECT_TRUE(o.list.points.empty());
}

}  // namespace
}  // namespace cylprojtest
