// On a vertical wall the light graph, the vertical dial by 2D analytic geometry and the flat dial
// by 3D analytic geometry draw the same dial: their declination lines lie on the same true
// curves, and the light graph's analemma is the vertical 2D analemma point for point (each
// analemma against the true sun: light_graph_analemma_test and the other programmes' tests).

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "light_graph_fixture.h"
#include "support/oracle_checks.h"
#include "support/recording_device.h"
#include "support/rundial_lib.h"

namespace lighttest {
namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;

// Every feature box of all three programmes cleared, then the given ones ticked.
Settings boxes(const std::vector<std::string>& ticked) {
    Settings s = only(ticked);
    for (const char* box : {"ckQibla", "ckAsr", "ckAlt", "ckAz"}) s.emplace_back(box, "0");
    for (const std::string& box : ticked) s.emplace_back(box, "1");
    return s;
}

// The points one programme draws for a wall (dial coordinates), by colour.
struct ProgrammeRun {
    std::vector<plot::PointRecord> points;
    std::vector<oracle::DialXY> withColour(plot::Colour colour) const {
        std::vector<oracle::DialXY> out;
        for (const auto& p : points)
            if (p.Color == colour) out.push_back({p.x, -p.y});
        return out;
    }
};

ProgrammeRun runProgramme(const std::string& programme, const Wall& w, Settings settings) {
    settings.emplace_back("txtLAT", std::to_string(w.lat));
    settings.emplace_back("txtDecl", std::to_string(w.decl));
    settings.emplace_back("txtStilo", std::to_string(w.style));
    settings.emplace_back("txtReclinZ", "0");
    settings.emplace_back("option3D4", "1");
    testsupport::RecordingDevice device;
    rundial::DialSystem system(device);
    rundial::perform(system, rundial::Request{false, programme, std::move(settings)});
    EXPECT_TRUE(system.services.messages.empty())
        << programme << ": " << system.services.messages.front();
    return {system.surface().displayList().points};
}

const std::vector<Wall> kWalls = {{45, 0}, {45, 30}, {52, -60}, {40, 120}, {30, -150}};

class LightGraphCoincidence : public testing::TestWithParam<Wall> {};

TEST_P(LightGraphCoincidence, DeclinationLinesOfTheThreeProgrammesLieOnTheSameCurves) {
    const Wall& w = GetParam();
    const oracle::ShadowOracle o(w.lat, w.decl, 0, w.style);
    const struct {
        int colour;
        double declination;
    } pairs[] = {{12, 23.45}, {13, 20}, {11, 11.5}};
    for (const char* programme : {"M_Light", "M_Frinter", "M_Inclinati"}) {
        ProgrammeRun run = runProgramme(programme, w, boxes({"ck_DayLightCurves"}));
        // The light graph always ends with the style foot, in the colour of the solstices.
        if (std::string(programme) == "M_Light") run.points.pop_back();
        for (const auto& pair : pairs) {
            const auto points = run.withColour(colourOf(pair.colour));
            EXPECT_GT(points.size(), 20u) << programme << " " << pair.declination;
            EXPECT_TRUE(oracle::allOnDeclinationPair(o, pair.declination, points))
                << programme << " " << pair.declination;
        }
    }
}

TEST_P(LightGraphCoincidence, AnalemmaIsTheVertical2DAnalemmaPointForPoint) {
    const Wall& w = GetParam();
    Settings settings = boxes({"ck_Lemniscate"});
    settings.emplace_back("txtLON", "-9.2");
    settings.emplace_back("TxtFuso", "-1");
    const ProgrammeRun light = runProgramme("M_Light", w, settings);
    const ProgrammeRun vertical = runProgramme("M_Frinter", w, settings);
    // The light graph draws its figure thirteen times, then the style foot.
    ASSERT_EQ((light.points.size() - 1) % 13, 0u);
    const std::size_t one = (light.points.size() - 1) / 13;
    ASSERT_EQ(vertical.points.size(), one);
    for (std::size_t i = 0; i < one; ++i) {
        ASSERT_NEAR(light.points[i].x, vertical.points[i].x, 1e-9) << i;
        ASSERT_NEAR(light.points[i].y, vertical.points[i].y, 1e-9) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Walls, LightGraphCoincidence, testing::ValuesIn(kWalls));

}  // namespace
}  // namespace lighttest
