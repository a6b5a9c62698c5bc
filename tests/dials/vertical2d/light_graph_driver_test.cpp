// The light graph's driver: its refusal and title, what the set-up leaves in the shared
// variables, and how a failing input stops a run.

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "light_graph_fixture.h"

namespace lighttest {
namespace {

constexpr double kPi = 3.141592654;

TEST(LightGraphDriver, RefusesTheSouthernHemisphereWithItsExactMessageAndDrawsNothing) {
    const dialtest::Outcome o = LightDial({-0.1, 0}).outcomeOfRun();
    EXPECT_TRUE(o.completed);
    dialtest::expectRefused(o, "Sorry, unable to work in the Southern hemisphere ");
}

TEST(LightGraphDriver, DrawsAtTheEquatorAndNorthOfItUnderItsTitle) {
    // Up to the pole, and at latitudes whose sine rounds to 1.
    for (double lat : {0.0, 45.0, 89.9999995, 89.9999999, 90.0}) {
        SCOPED_TRACE(lat);
        const dialtest::Outcome o = LightDial({lat, 20}).outcomeOfRun();
        EXPECT_TRUE(o.completed);
        dialtest::expectDrawn(o, "Vertical dial, light graph by 2 D analytic geometry");
    }
}

TEST(LightGraphDriver, NoHourFractionDefinitionOrStyleIsRefusedBeforeTheRun) {
    // An hour fraction or a definition of 0 or below, or a style behind the wall, is refused
    // before the run, naming the box.
    for (const auto& [box, value, named] :
         {std::tuple{"TxtHour", "0", "Hour fraction"},
          std::tuple{"txt_Definition", "0", "Definition"},
          std::tuple{"TxtHour", "-2", "Hour fraction"},
          std::tuple{"txtStilo", "-0.1", "Perpendicular style"}}) {
        LightDial dial({45, 0}, {{box, value}});
        EXPECT_FALSE(dial.run()) << box;
        ASSERT_EQ(dial.services().messages.size(), 1u) << box;
        EXPECT_NE(dial.services().messages[0].find(named), std::string::npos) << box;
        EXPECT_TRUE(dial.services().busyChanges.empty()) << box;
        EXPECT_TRUE(dial.surface().displayList().DrawOrder.empty()) << box;
    }
}

TEST(LightGraphDriver, WithEveryBoxClearedOnlyTheNoonLineAndTheFootAreDrawn) {
    LightDial dial({45, 30}, only({}));
    ASSERT_TRUE(dial.run());
    const auto& list = dial.surface().displayList();
    ASSERT_EQ(list.DrawOrder, (std::vector<char>{'L', 'P'}));
    EXPECT_EQ(list.lines[0].x1, list.lines[0].x2);
    EXPECT_NEAR(list.lines[0].x1, dial.oracle().centre()->x, 1e-9);
    EXPECT_EQ(list.points[0].Color, colourOf(12));
}

TEST(LightGraphDriver, AnalemmaIsDrawnOnceAndLeavesItsPi) {
    LightDial dial({45, 0}, only({"ck_Lemniscate"}));
    ASSERT_TRUE(dial.run());
    EXPECT_EQ(dial.m().Pi, 3.1415926536);
    // Its 224 points (one every two mean days), then the style foot.
    EXPECT_EQ(dial.surface().displayList().points.size(), 224 + 1u);
}

TEST(LightGraphSetup, StyleAndSubstyleOfASouthAndOfANorthFacingWall) {
    LightDial south({45, 0, 1}, {{"txtLON", "-12.5"}, {"TxtFuso", "-1"}});
    ASSERT_TRUE(south.setUp());
    const shell::Module1& m = south.m();
    EXPECT_EQ(m.SubstyleRad, 0);
    EXPECT_EQ(m.SubstyleHour, 0);
    EXPECT_NEAR(m.StyleElevRad, 45 * kPi / 180, 1e-9);
    EXPECT_NEAR(m.StyleHypotenuse, std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(m.PlaneCoefY, 1, 1e-9);
    // 12.5 E in the zone of 15 E: 2.5 degrees of hour angle between the clock and the sun.
    EXPECT_NEAR(m.ZoneCorrRad, 2.5 * kPi / 180, 1e-12);

    LightDial north({45, 120, 1}, only({}));
    ASSERT_TRUE(north.run());
    EXPECT_LT(north.m().StyleElevRad, 0);
    EXPECT_NEAR(north.m().SubstyleAngle, kPi - std::fabs(north.m().SubstyleRad), 1e-12);
}

}  // namespace
}  // namespace lighttest
