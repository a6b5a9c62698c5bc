// The parabolic programme as Run calls it: its refusals, its title, the items it always draws
// and what it does with inputs it cannot draw.

#include <cmath>

#include <gtest/gtest.h>

#include "parabolic_fixture.h"

namespace paratest {
namespace {

dialtest::Outcome runWith(const Cylinder& c, const Settings& settings) {
    ParabolicDial dial(c, settings);
    return dial.outcomeOfRun();
}

TEST(ParabolicDriver, RefusesTheSouthAndDeclinationsBeyondSeventy) {
    dialtest::expectRefused(runWith({-0.0001, 0, false}, {}),
                            "Sorry, unable to work in the Southern hemisphere ");
    dialtest::expectRefused(runWith({45, 70.0001, true}, {}), "Sorry, graph not available  ");
    dialtest::expectRefused(runWith({45, -70.0001, false}, {}), "Sorry, graph not available  ");
    // A section sharp as a knife's edge, at the least radius the box takes, as well.
    for (const Cylinder c : {Cylinder{0, 0, false}, Cylinder{45, 70, true},
                             Cylinder{45, -70, false}, Cylinder{45, 20, true, 1e-9}})
        dialtest::expectDrawn(runWith(c, {}),
                              "Cylindrical sundial of parabolic cross-section : 3D method");
}

TEST(ParabolicDriver, DrawsTheHorizonFirstThenTheGeneratricesAndTheFoot) {
    ParabolicDial dial({45, 25, false}, only({"ck_orizzonte"}));
    ASSERT_TRUE(dial.run());
    const Drawing d = dial.drawing();
    ASSERT_EQ(d.segments.size(), 3u);
    const double W = dial.surface().ShiftX();
    EXPECT_EQ(d.lines[0].x1, W);
    EXPECT_EQ(d.lines[0].x2, -W);
    EXPECT_EQ(d.segments[0].colour, colourOf(2));
    EXPECT_EQ(d.segments[1].colour, colourOf(1));  // vertex
    EXPECT_EQ(d.segments[2].colour, colourOf(4));  // noon
    // The dotted circle of the curves and the style foot's own, each with its centre.
    std::size_t centres = 0;
    for (const DrawnPoint& p : d.points) {
        EXPECT_LE(std::hypot(p.at.x, p.at.y), 0.01 + 1e-12);
        if (p.colour == colourOf(12)) ++centres;
    }
    EXPECT_EQ(centres, 2u);
    EXPECT_EQ(dial.m().SideSign, -1);
}

TEST(ParabolicDriver, InputsWithoutADialStopTheRunWithAMessage) {
    // A radius of curvature of 0 or below is refused before the run, naming the box, with one
    // message whatever its sign.
    for (const char* radius : {"0", "-0.3"}) {
        const auto o = runWith({45, 10, false}, {{"txtRadius", radius}});
        dialtest::expectRefused(o, "The drawing was not started: the Radius of curvature box "
                                   "must hold a length above 0: there is no cylinder without "
                                   "one. Please check the inputs.");
    }
    // So is a drawing step or an hour fraction of 0.
    for (const Settings& bad : {Settings{{"txt_Definition", "0"}}, Settings{{"TxtHour", "0"}}}) {
        const auto o = runWith({45, 10, false}, bad);
        EXPECT_FALSE(o.completed);
        ASSERT_EQ(o.messages.size(), 1u);
        EXPECT_EQ(o.messages[0].rfind("The drawing was not started", 0), 0u) << o.messages[0];
        EXPECT_TRUE(o.busyChanges.empty());
    }
}

// A concave style long enough to pass through the far arm of the section puts its tip behind
// the surface: no sun casts its shadow on the dial, so only the vertex generatrix and the foot
// are drawn.
TEST(ParabolicDriver, AStyleThroughTheFarArmCastsNoShadowOnTheDial) {
    const Cylinder c{45, 60, false, 0.1, 0.7};
    ParabolicDial dial(c, only({"chkOreAstronomiche", "ck_Sustilare", "ck_Equinoziale",
                                "ck_DayLightCurves", "ck_Italiche", "ck_babiloniche",
                                "ck_Lemniscate"}));
    const auto o = dial.oracle();
    ASSERT_GT(o.tip().y, o.sectionNorth(o.tip().x));  // south of the section is inside
    ASSERT_TRUE(dial.run());
    const Drawing d = dial.drawing();
    ASSERT_EQ(d.segments.size(), 1u);
    EXPECT_EQ(d.segments[0].colour, colourOf(1));
    for (const DrawnPoint& p : d.points) EXPECT_LE(std::hypot(p.at.x, p.at.y), 0.01 + 1e-12);
}

TEST(ParabolicDriver, ANegativeDefinitionIsRefused) {
    ParabolicDial dial({45, 10, true},
                       only({"chkOreAstronomiche", "ck_DayLightCurves", "ck_Italiche"}));
    dial.set("txt_Definition", "-5");
    EXPECT_FALSE(dial.run());
    EXPECT_TRUE(dial.drawing().points.empty());
}

}  // namespace
}  // namespace paratest
