// The driver of the circular cylinder by 3D analytic geometry: its refusal, its title, the
// features it always draws, the order of the ticked ones and a failure contained by Run.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "circular3d_fixture.h"
#include "numeric/palette.h"

namespace cyl3dtest {
namespace {

const std::string kTitle = "Cylindrical sundial of circular cross-section : 3D method";

// Every feature box unticked, then the given ones ticked.
Settings only(const std::vector<std::string>& ticked) {
    Settings s;
    for (const char* box : {"chkOreAstronomiche", "ck_DayLightCurves", "ck_Lemniscate",
                            "ck_Equinoziale", "ck_Sustilare", "ck_orizzonte", "ck_Triangolo",
                            "ck_Italiche", "ck_babiloniche", "Ck_Section"})
        s.push_back({box, "0"});
    for (const std::string& box : ticked) s.push_back({box, "1"});
    return s;
}

TEST(Cyl3dDriver, RefusesTheSouthernHemisphereOnly) {
    Cyl3dDial south({-0.5, 0, false});
    south.surface().Messaggio("previous");
    const dialtest::Outcome refused = south.outcomeOfRun();
    EXPECT_EQ(refused.messages,
              std::vector<std::string>{"Sorry, unable to work in the Southern hemisphere "});
    EXPECT_EQ(refused.title, "previous");
    EXPECT_TRUE(refused.list.DrawOrder.empty());

    Cyl3dDial equator({0, 0, false});
    dialtest::expectDrawn(equator.outcomeOfRun(), kTitle);
}

TEST(Cyl3dDriver, UntickedDrawsTheReferenceGeneratrixAndTheFoot) {
    Cyl3dDial dial({45, 20, true}, only({}));
    const dialtest::Outcome o = dial.outcomeOfRun();
    dialtest::expectDrawn(o, kTitle);
    EXPECT_EQ(o.list.DrawOrder, (std::vector<char>{'L', 'C', 'P'}));
    EXPECT_EQ(o.list.lines[0].Color, colourOf(6));
    EXPECT_EQ(o.list.points[0].Color, colourOf(12));
}

TEST(Cyl3dDriver, DrawsTheTickedFeaturesInItsOrder) {
    Cyl3dDial dial({45, 20, false},
                   only({"chkOreAstronomiche", "ck_Lemniscate", "ck_orizzonte", "ck_Italiche",
                         "Ck_Section"}));
    const dialtest::Outcome o = dial.outcomeOfRun();
    dialtest::expectDrawn(o, kTitle);
    // Hour points (six in the morning last), analemma points, then the foot, the Italian
    // hours and the section's foot, all three light red.
    std::vector<numeric::Colour> order;
    for (const plot::PointRecord& p : o.list.points)
        if (order.empty() || order.back() != p.Color) order.push_back(p.Color);
    EXPECT_EQ(order, (std::vector<numeric::Colour>{colourOf(7), colourOf(9), colourOf(2),
                                                    colourOf(12)}));
    // The analemma is recorded once: no point of it twice.
    std::set<std::pair<double, double>> analemma;
    std::size_t analemmaPoints = 0;
    for (const plot::PointRecord& p : o.list.points)
        if (p.Color == colourOf(2)) ++analemmaPoints, analemma.insert({p.x, p.y});
    EXPECT_EQ(analemmaPoints, analemma.size());
    EXPECT_EQ(o.list.lines[1].Color, colourOf(4));  // the noon generatrix after the hours
    EXPECT_EQ(o.list.lines[2].Color, colourOf(2));  // the horizon
    EXPECT_EQ(o.m.Pi, 3.1415926536);                // the value of pi the analemma leaves
    EXPECT_EQ(o.list.texts.back().text.substr(0, 1), "d");
}

TEST(Cyl3dDriver, ADrawingStepOrHourFractionOfZeroIsRefusedBeforeTheRun) {
    for (const auto& bad : {Settings{{"txt_Definition", "0"}}, Settings{{"TxtHour", "0"}}}) {
        Cyl3dDial dial({45, 20, false}, bad);
        const dialtest::Outcome o = dial.outcomeOfRun();
        EXPECT_FALSE(o.completed);
        ASSERT_EQ(o.messages.size(), 1u);
        EXPECT_EQ(o.messages[0].rfind("The drawing was not started", 0), 0u);
        EXPECT_EQ(o.drawn(), 0u);
    }
}

}  // namespace
}  // namespace cyl3dtest
