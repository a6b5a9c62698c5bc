// The light graph's Italian and Babylonian hours against the shadow oracle: on every wall each
// family's line of each hour lies in the plane of that hour, in the family's own colour.

#include <vector>

#include <gtest/gtest.h>

#include "dials/vertical2d/light_graph_procedures.h"
#include "light_graph_fixture.h"
#include "support/oracle_checks.h"

namespace lighttest {
namespace {

namespace v2 = dials::vertical2d;

const std::vector<Wall> kWalls = {{45, 0},    {45, 30}, {45, -30}, {52, -60}, {40, 120},
                                  {30, -150}, {60, 80}, {70, 10},  {10, 45},  {45, 180}};

class LightGraphItalianBabylonian : public testing::TestWithParam<Wall> {};

TEST_P(LightGraphItalianBabylonian, EachFamilysLinesLieInTheirHourPlanes) {
    LightDial dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    v2::PrepareHourConicsLight(dial.ctx());
    // The lines are tagged with the hour angle h of their equinoctial point (degrees), where
    // Italian hour 18 + h / 15 and Babylonian hour 6 + h / 15 fall.
    dial.tagWith(&shell::Module1::ConicB2345);
    const Drawing italian = dial.draw(v2::DrawItalianHoursLight);
    const Drawing babylonian = dial.draw(v2::DrawBabylonianHoursLight);
    EXPECT_EQ(italian.withColour(colourOf(12)).size(), italian.points.size());
    EXPECT_EQ(babylonian.withColour(colourOf(13)).size(), babylonian.points.size());
    const auto italianLines = italian.byTag();
    const auto babylonianLines = babylonian.byTag();
    EXPECT_GT(italianLines.size(), 3u);
    EXPECT_GT(babylonianLines.size(), 3u);
    for (const auto& [h, points] : italianLines)
        EXPECT_TRUE(oracle::allOnItalianLine(dial.oracle(), 18 + h / 15, points)) << h;
    for (const auto& [h, points] : babylonianLines)
        EXPECT_TRUE(oracle::allOnBabylonianLine(dial.oracle(), 6 + h / 15, points)) << h;
    EXPECT_EQ(dial.m().ConicB2345, 105);
}

INSTANTIATE_TEST_SUITE_P(Walls, LightGraphItalianBabylonian, testing::ValuesIn(kWalls));

}  // namespace
}  // namespace lighttest
