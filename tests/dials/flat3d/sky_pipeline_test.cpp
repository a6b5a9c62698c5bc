// The features of this folder reached from Run through their check boxes, in both variables and
// hemispheres: each draws in its colour, nothing stops the run, and the sky lines that follow
// the Qibla see the plane as typed.

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flat3d_fixture.h"
#include "numeric/palette.h"
#include "sky_checks.h"

namespace flat3dtest {
namespace {

const std::vector<std::pair<std::string, std::string>> kAllTicked = {
    {"ck_Italiche", "1"}, {"ck_babiloniche", "1"}, {"ck_Lemniscate", "1"}, {"ckQibla", "1"},
    {"ckAsr", "1"},       {"ckAlt", "1"},          {"ckAz", "1"},          {"txt_Definition", "20"},
};

std::map<plot::Colour, std::size_t> coloursOf(Flat3dDial& dial) {
    std::map<plot::Colour, std::size_t> out;
    for (const plot::PointRecord& p : dial.system().surface().displayList().points) ++out[p.Color];
    return out;
}

class SkyPipeline : public testing::TestWithParam<PlaneCase> {};

TEST_P(SkyPipeline, EveryFeatureIsReachedFromRun) {
    const PlaneCase c = GetParam();
    Flat3dDial dial(c.place, c.variable, kAllTicked);
    ASSERT_TRUE(dial.run());
    EXPECT_TRUE(dial.system().services.messages.empty());
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
    dial.device().tag = [&dial] { return dial.m().HourAngleRad; };
    ASSERT_TRUE(dial.run());
    std::vector<DrawnPoint> altitude;
    const auto& points = dial.system().surface().displayList().points;
    // The altitude lines are the last points of colour 10 before the azimuth lines.
    std::size_t last = points.size();
    while (last > 0 && points[last - 1].Color != numeric::qbColor(10)) --last;
    std::size_t first = last;
    while (first > 0 && points[first - 1].Color == numeric::qbColor(10)) --first;
    ASSERT_GT(last - first, 500u);
    const oracle::ShadowOracle o = dial.oracle();
    const double pi = dial.m().Pi;
    for (std::size_t i = first; i < last; ++i)
        altitude.push_back({{points[i].x, -points[i].y}, points[i].Color, dial.device().tags[i]});
    EXPECT_TRUE(allSuns(
        o, altitude,
        [&](const DrawnPoint& p, const SunOfPoint& s) {
            const double a = p.tag * 180 / pi;
            return s.altitude - (a > 90 ? 180 - a : a);
        },
        "the altitude of the line"));
}

}  // namespace
}  // namespace flat3dtest
