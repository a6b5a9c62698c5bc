// The light graph's Italian and Babylonian hours against the shadow oracle: on every wall each
// family's line of each hour lies in the plane of that hour, in the family's own colour.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "dials/vertical2d/light_graph_procedures.h"
#include "light_graph_fixture.h"
#include "support/oracle_checks.h"

namespace lighttest {
namespace {

namespace v2 = dials::vertical2d;

const std::vector<Wall> kWalls = {{45, 0},    {45, 30}, {45, -30}, {52, -60}, {40, 120},
                                  {30, -150}, {60, 80}, {70, 10},  {10, 45},  {45, 180},
                                  // Near the equator the circle the lines touch shrinks about
                                  // the pole.
                                  {0.001, 0}, {0.001, 30}, {0.01, 180},
                                  // Beyond the polar circle, the tropic, the equator.
                                  {80, -60}, {23.45, 120}, {0, 30}, {0, -120}, {0, 90}};

class LightGraphItalianBabylonian : public testing::TestWithParam<Wall> {};

TEST_P(LightGraphItalianBabylonian, EachFamilysLinesLieInTheirHourPlanes) {
    LightDial dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    // The lines are tagged with the hour angle h of their equinoctial point (degrees), where
    // Italian hour 18 + h / 15 and Babylonian hour 6 + h / 15 fall.
    dial.tagWith(&shell::Module1::HourCounter);
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
    EXPECT_EQ(dial.m().HourCounter, 105);
}

TEST_P(LightGraphItalianBabylonian, OnlyWhereTheSunOfTheHourCastsItsShadow) {
    // Not above the horizontal through the tip (the hour at night), nor on the part of the line
    // that carries the other family's hour of the same number.
    LightDial dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    dial.tagWith(&shell::Module1::HourCounter);
    const oracle::ShadowOracle o = dial.oracle();
    const auto italian = dial.draw(v2::DrawItalianHoursLight).byTag();
    const auto babylonian = dial.draw(v2::DrawBabylonianHoursLight).byTag();
    for (const auto& [h, points] : italian)
        EXPECT_TRUE(oracle::allCastAtItalianHour(o, 18 + h / 15, points)) << h;
    for (const auto& [h, points] : babylonian)
        EXPECT_TRUE(oracle::allCastAtBabylonianHour(o, 6 + h / 15, points)) << h;

    // ... and there all across the plot area: the shadow of each hour's sun through the year
    // that falls inside the area has a point of its line next to it.
    const oracle::DialArea& area = dialtest::kPlotArea;
    const double step = dialtest::kPointStep;
    std::size_t checked = 0;
    for (bool isItalian : {true, false}) {
        for (double h = -75; h <= 75; h += 15) {
            const double n = (isItalian ? 18 : 6) + h / 15;
            const auto& drawn = isItalian ? italian : babylonian;
            for (double decl : {-23.45, -11.5, 0.0, 11.5, 23.45}) {
                const auto H = isItalian ? o.sky().italianHourAngle(n, decl)
                                         : o.sky().babylonianHourAngle(n, decl);
                if (!H || !(o.sky().altitude(*H, decl) > 1e-6)) continue;
                const auto p = o.dialPoint(*H, decl);
                if (!p || std::fabs(p->x) > area.right - step || p->y > area.top ||
                    p->y < area.bottom + step)
                    continue;
                ++checked;
                const auto line = drawn.find(h);
                ASSERT_NE(line, drawn.end()) << n << (isItalian ? " Italian" : " Babylonian");
                double nearest = HUGE_VAL;
                for (const oracle::DialXY& q : line->second)
                    nearest = std::fmin(nearest, oracle::distance(q, *p));
                EXPECT_LT(nearest, step) << n << (isItalian ? " Italian, " : " Babylonian, ")
                                         << decl;
            }
        }
    }
    EXPECT_GT(checked, 3u);
}

INSTANTIATE_TEST_SUITE_P(Walls, LightGraphItalianBabylonian, testing::ValuesIn(kWalls));

}  // namespace
}  // namespace lighttest
