// On a vertical wall the light graph, the vertical dial by 2D analytic geometry and the flat dial
// by 3D analytic geometry draw the same dial: their declination lines lie on the same true
// curves, and the light graph's analemma is the vertical 2D analemma point for point (each
// analemma against the true sun: light_graph_analemma_test and the other programmes' tests).

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "light_graph_fixture.h"
#include "support/recording_device.h"
#include "support/rundial_lib.h"

namespace lighttest {
namespace {

// Every feature box of all three programmes cleared, then the given ones ticked.
Settings boxes(const std::vector<std::string>& ticked) {
    Settings s = only(ticked);
    for (const char* box : {"ckQibla", "ckAsr", "ckAlt", "ckAz"}) s.emplace_back(box, "0");
    for (const std::string& box : ticked) s.emplace_back(box, "1");
    return s;
}

// What one programme draws for a wall (reclination 0 for the flat 3D programme).
Drawing runProgramme(const std::string& programme, const Wall& w, const Settings& settings) {
    dialtest::ProgrammeDial dial(programme, dialtest::typedWall(w), settings);
    dial.set("txtReclinZ", "0");
    dial.set("option3D4", "1");
    dial.run();
    EXPECT_TRUE(dial.services().messages.empty())
        << programme << ": " << dial.services().messages.front();
    return dial.drawing();
}

const std::vector<Wall> kWalls = {{45, 0}, {45, 30}, {52, -60}, {40, 120}, {30, -150}};

class LightGraphCoincidence : public testing::TestWithParam<Wall> {};

TEST_P(LightGraphCoincidence, DeclinationLinesOfTheThreeProgrammesLieOnTheSameCurves) {
    const Wall& w = GetParam();
    const oracle::ShadowOracle o(w.lat, w.decl, 0, w.style);
    for (const char* programme : {"M_Light", "M_Frinter", "M_Inclinati"}) {
        SCOPED_TRACE(programme);
        Drawing run = runProgramme(programme, w, boxes({"ck_DayLightCurves"}));
        // The light graph always ends with the style foot, in the colour of the solstices.
        if (std::string(programme) == "M_Light") run.points.pop_back();
        dialtest::expectDeclinationPairs(o, run, 20);
    }
}

TEST_P(LightGraphCoincidence, AnalemmaIsTheVertical2DAnalemmaPointForPoint) {
    const Wall& w = GetParam();
    Settings settings = boxes({"ck_Lemniscate"});
    settings.emplace_back("txtLON", "-9.2");
    settings.emplace_back("TxtFuso", "-1");
    const Drawing light = runProgramme("M_Light", w, settings);
    const Drawing vertical = runProgramme("M_Frinter", w, settings);
    // The light graph draws its figure once, then the style foot.
    const std::size_t one = light.points.size() - 1;
    ASSERT_EQ(vertical.points.size(), one);
    for (std::size_t i = 0; i < one; ++i) {
        ASSERT_NEAR(light.points[i].at.x, vertical.points[i].at.x, 1e-9) << i;
        ASSERT_NEAR(light.points[i].at.y, vertical.points[i].at.y, 1e-9) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Walls, LightGraphCoincidence, testing::ValuesIn(kWalls));

TEST(LightGraphCoincidence, ADeclinationTypedBeyondAHalfTurnDrawsTheFaceItNames) {
    // Every reader of the declination, in both programmes and every feature, takes the box
    // folded onto one turn: the wall typed 390 is drawn as that of 30, record for record, and
    // -180 (one face with 180) as 180.
    auto run = [](const char* programme, double decl) {
        testsupport::RecordingDevice device;
        return rundial::runDial(
            rundial::parseArguments({programme, "txtLAT=60", "txtDecl=" + rundial::number(decl),
                                     "ckTemp=1", "ck_Lemniscate=1", "ck_Triangolo=1",
                                     "ck_Italiche=1", "ck_babiloniche=1", "ck_Asintoti=1"}),
            device);
    };
    for (const auto& [typed, face] :
         {std::pair{390.0, 30.0}, {-540.0, 180.0}, {-180.0, 180.0}, {540.0, 180.0}, {-210.0, 150.0}})
        for (const char* programme : {"M_Light", "M_Frinter"})
            EXPECT_EQ(run(programme, typed), run(programme, face)) << programme << " " << typed;
}

}  // namespace
}  // namespace lighttest
