// The features of this folder reached from Run through their check boxes, in both variables and
// hemispheres: each draws in its colour, nothing stops the run, and the sky lines that follow
// the Qibla see the plane as typed.

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flat3d_fixture.h"
#include "numeric/palette.h"
#include "support/sky_checks.h"

namespace flat3dtest {
namespace {

const Settings kAllTicked = {
    {"ck_Italiche", "1"}, {"ck_babiloniche", "1"}, {"ck_Lemniscate", "1"}, {"ckQibla", "1"},
    {"ckAsr", "1"},       {"ckAlt", "1"},          {"ckAz", "1"},          {"txt_Definition", "20"},
};

std::map<plot::Colour, std::size_t> coloursOf(Flat3dDial& dial) {
    std::map<plot::Colour, std::size_t> out;
    for (const plot::PointRecord& p : dial.surface().displayList().points) ++out[p.Color];
    return out;
}

class SkyPipeline : public testing::TestWithParam<PlaneCase> {};

TEST_P(SkyPipeline, EveryFeatureIsReachedFromRun) {
    const PlaneCase c = GetParam();
    Flat3dDial dial(c.place, c.variable, kAllTicked);
    ASSERT_TRUE(dial.run());
    EXPECT_TRUE(dial.services().messages.empty());
    auto colours = coloursOf(dial);
    EXPECT_GT(colours[numeric::qbColor(12)], 1000u);  // Italian hours (and the Y analemma)
    EXPECT_GT(colours[numeric::qbColor(13)], 1000u);  // Babylonian hours
    if (c.variable == Variable::X) {
        EXPECT_GT(colours[numeric::qbColor(14)], 250u);
    }
    EXPECT_GT(colours[numeric::rgb(0, 193, 97)], 50u);  // Asr
    EXPECT_GT(colours[numeric::qbColor(10)], 500u);     // Qibla and altitude lines
    EXPECT_GT(colours[numeric::qbColor(6)], 100u);      // azimuth lines

    // Nothing unticked is drawn by these features.
    Flat3dDial bare(c.place, c.variable);
    ASSERT_TRUE(bare.run());
    auto none = coloursOf(bare);
    EXPECT_EQ(none.count(numeric::rgb(0, 193, 97)), 0u);
    EXPECT_EQ(none.count(numeric::qbColor(6)), 0u);
}

INSTANTIATE_TEST_SUITE_P(Planes, SkyPipeline,
                         testing::Values(PlaneCase{{45, -20, 0}, Variable::X},
                                         PlaneCase{{45, 20, 10}, Variable::Y},
                                         PlaneCase{{45, 0, 90}, Variable::X},
                                         PlaneCase{{-35, 20, 0}, Variable::X},
                                         PlaneCase{{-35, -20, -15}, Variable::Y}));

TEST(SkyPipeline, TheAltitudeLinesOfARunMatchTheOracleAfterTheOtherSkyLines) {
    // The Qibla and the Asr run first and rewrite the shared plane; the lines after them read
    // it again from the inputs.
    Flat3dDial dial({-35, 20, -10}, Variable::X, kAllTicked);
    ASSERT_TRUE(dial.run());
    const std::vector<DrawnPoint> points = dial.drawing().points;
    // The altitude lines are the last points of colour 10 before the azimuth lines.
    auto last = points.end();
    while (last != points.begin() && last[-1].colour != numeric::qbColor(10)) --last;
    auto first = last;
    while (first != points.begin() && first[-1].colour == numeric::qbColor(10)) --first;
    ASSERT_GT(last - first, 500);
    EXPECT_TRUE(dialtest::allAtTheirAltitude(dial.oracle(), {first, last}, dial.m().Pi));
}

}  // namespace
}  // namespace flat3dtest
