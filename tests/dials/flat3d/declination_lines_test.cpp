// Declination lines against the shadow oracle: each pair, drawn in one colour, lies on the
// curves of +delta and -delta.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/procedures.h"
#include "flat3d_fixture.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"

namespace flat3dtest {
namespace {

using dials::flat3d::DrawDeclinationLines;

const std::vector<PlaneCase> kCases = {
    {{45, 0, 0}, Variable::X},      {{45, 30, 0}, Variable::Y},
    {{52, -25, 35}, Variable::X},   {{52, -25, 35}, Variable::Y},
    {{40, 20, -25}, Variable::X},   {{40, 20, -25}, Variable::Y},
    {{45, 0, 90}, Variable::X},     {{45, 180, 10}, Variable::X},
    {{45, 160, 10}, Variable::Y},   {{10, 60, 45}, Variable::Y},
    {{-35, 20, -30}, Variable::X},  {{-35, 20, -30}, Variable::Y},
    {{-40, 170, 0}, Variable::X},   {{-30, 0, -90}, Variable::X},
    {{-52, -40, 25}, Variable::Y},  {{0, 40, 20}, Variable::X},
    // Inclining planes and walls whose conics run on above the horizon line; horizontal dials
    // typed either way.
    {{45.7438, -14.57, -20}, Variable::X}, {{45.7438, -14.57, -20}, Variable::Y},
    {{-45.7438, 14.57, -20}, Variable::X}, {{60, 150, 0}, Variable::Y},
    {{45, 0, -90}, Variable::X},    {{-30, 0, 90}, Variable::X},
    // Planes turned so that the stepped world coordinate runs across the dial slowly or off
    // the plot area: a wall near east for X, near south for Y, inclined planes far from south.
    {{45, 75, 0}, Variable::X},     {{45, 15, 30}, Variable::Y},
    {{-33, -150, -35}, Variable::X}, {{37, 120, 60}, Variable::X},
    {{52, -100, -40}, Variable::Y},
    // Beyond the polar circles, where a declination line meets the horizon through the tip, a
    // plane past the vertical, a tropic.
    {{80, -75, 30}, Variable::X},   {{-66.6, 40, 110}, Variable::Y},
    {{23.45, 180, 0}, Variable::X},
};

class DeclinationLinesOnOracle : public testing::TestWithParam<PlaneCase> {};

TEST_P(DeclinationLinesOnOracle, EachPairLiesOnItsDeclination) {
    const PlaneCase c = GetParam();
    SCOPED_TRACE(describe(c.place, c.variable));
    Flat3dDial dial(c.place, c.variable);
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawDeclinationLines);
    EXPECT_EQ(dialtest::expectDeclinationPairs(dial.oracle(), d, 50), d.points.size());
    // Only where a shadow falls: the sun of each point stands above the horizon (it is in front
    // of the plane, on the side of the tip, by construction).
    EXPECT_TRUE(oracle::allCastBySunAboveHorizon(dial.oracle(), d.at()));
}

TEST_P(DeclinationLinesOnOracle, EverySunlitPartInsideThePlotAreaIsDrawn) {
    const PlaneCase c = GetParam();
    SCOPED_TRACE(describe(c.place, c.variable));
    Flat3dDial dial(c.place, c.variable);
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawDeclinationLines);
    // Whichever world coordinate the variable steps and however the plane is turned, no part
    // of a sunlit curve inside the plot area is left without points a few millimetres apart.
    for (const dialtest::DeclinationPair& pair : dialtest::kDeclinationPairs) {
        const auto points = d.withColour(numeric::qbColor(pair.colour));
        EXPECT_LT(oracle::largestGapAlongSunlitCurves(dial.oracle(), pair.declination, points,
                                                          dialtest::kPlotArea),
                  0.005)
            << "declination " << pair.declination;
    }
}

INSTANTIATE_TEST_SUITE_P(Planes, DeclinationLinesOnOracle, testing::ValuesIn(kCases));

TEST(DeclinationLines, ALatitudeEqualToADeclinationGivesTheTrueConic) {
    // On a wall at a latitude equal to a drawn declination the quadratic of that pair loses its
    // leading coefficient: one root runs off to infinity, the other must stay on the curve.
    // Nearby latitudes, where the leading coefficient is merely small, likewise.
    const std::vector<PlaneCase> cases = {
        {{20, 0, 0, 0.2}, Variable::X},       {{20, 30, 0}, Variable::Y},
        {{-20, 0, 0}, Variable::X},           {{23.45, 0, 0}, Variable::X},
        {{-23.45, 40, 0}, Variable::Y},       {{11.5, -60, 0}, Variable::Y},
        {{-11.5, 0, 0}, Variable::X},         {{11.5, 25, 0}, Variable::X},
        {{20.0001, 0, 0}, Variable::X},       {{19.999, 25, 0}, Variable::Y},
        {{23.4500001, -10, 0}, Variable::X},
    };
    for (const PlaneCase& c : cases) {
        SCOPED_TRACE(describe(c.place, c.variable));
        Flat3dDial dial(c.place, c.variable);
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(DrawDeclinationLines);
        dialtest::expectDeclinationPairs(dial.oracle(), d, 50,
                                         oracle::toleranceFor(c.place.style));
        EXPECT_TRUE(oracle::allCastBySunAboveHorizon(dial.oracle(), d.at()));
    }
}

TEST(DeclinationLines, SouthWallHasBranchesSymmetricAboutTheNoonLine) {
    Flat3dDial dial({45, 0, 0}, Variable::X);
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawDeclinationLines);
    const oracle::ShadowOracle o = dial.oracle();
    // Each point's mirror image in the noon line lies on the same pair.
    for (const auto& [colour, declination] : dialtest::kDeclinationPairs) {
        std::vector<oracle::DialXY> mirrored;
        for (const oracle::DialXY& p : d.withColour(numeric::qbColor(colour)))
            mirrored.push_back({-p.x, p.y});
        EXPECT_TRUE(oracle::allOnDeclinationPair(o, declination, mirrored));
    }
}

}  // namespace
}  // namespace flat3dtest
