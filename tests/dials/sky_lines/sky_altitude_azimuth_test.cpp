// Lines of equal altitude and of equal azimuth of the sun against the shadow oracle: every point
// is the shadow of a sun in front of the plane and above the horizon, at the line's altitude (or
// azimuth) and at the declination being swept.

#include <cmath>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/flat3d_fixture.h"
#include "dials/sky_lines/sky_lines.h"
#include "numeric/palette.h"
#include "support/sky_checks.h"

namespace flat3dtest {
namespace {

using namespace dialtest;

using dials::sky_lines::PlotAltitudeLines;
using dials::sky_lines::PlotAzimuthLines;

const std::vector<PlaneCase> kCases = {
    {{45, 0, 0}, Variable::X},      {{45, 30, 0}, Variable::X},
    {{52, -25, 35}, Variable::X},   {{40, 20, -25}, Variable::Y},
    {{45, 0, 90}, Variable::X},     {{10, 60, 45}, Variable::X},
    {{-35, 20, -30}, Variable::X},  {{-40, 170, 0}, Variable::Y},
    {{-30, 0, -90}, Variable::X},   {{-52, -40, 25}, Variable::Y},
    // Horizontal planes whose declination box holds something, and both signs of 90 typed in
    // each hemisphere (the dial facing up every time).
    {{45, 30, 90}, Variable::X},    {{-30, -20, -90}, Variable::X},
    {{45, 0, -90}, Variable::X},    {{-30, 0, 90}, Variable::X},    {{45, 30, 70}, Variable::X},
    {{30, -40, 50}, Variable::Y},
    // Beyond the polar circles, where the noon sun of the year stands at most some 30 degrees.
    {{-70, 0, 0}, Variable::X},     {{80, 10, 0}, Variable::X},     {{-75, 160, 20}, Variable::Y},
};

class AltitudeLinesOnOracle : public testing::TestWithParam<PlaneCase> {};

TEST_P(AltitudeLinesOnOracle, EveryPointIsARealShadowAtItsAltitude) {
    const PlaneCase c = GetParam();
    Flat3dDial dial(c.place, c.variable, {{"txt_Definition", "20"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(PlotAltitudeLines);  // tagged with the altitude, radians
    EXPECT_EQ(d.withColour(numeric::qbColor(10)).size(), d.points.size());
    // A typed +-90 is the horizontal dial facing up in either hemisphere: it is lit. Beyond the
    // polar circles only the lines up to the highest noon sun are drawn.
    EXPECT_GT(d.points.size(), 250u);
    const oracle::ShadowOracle o = dial.oracle();
    EXPECT_TRUE(allAtTheirAltitude(o, d.points, dial.m().Pi));
    EXPECT_TRUE(allSuns(o, d.points, belowTheHorizon, "the sky above the horizon"));
    EXPECT_TRUE(allSuns(
        o, d.points,
        [](const DrawnPoint&, const SunOfPoint& s) {
            return std::fabs(s.sun.declination) <= 23.45 + 1e-7 ? 0 : s.sun.declination;
        },
        "the declinations between the solstices"));
}

INSTANTIATE_TEST_SUITE_P(Planes, AltitudeLinesOnOracle, testing::ValuesIn(kCases));

class AzimuthLinesOnOracle : public testing::TestWithParam<PlaneCase> {};

TEST_P(AzimuthLinesOnOracle, EveryPointIsARealShadowAtAWholeAzimuth) {
    const PlaneCase c = GetParam();
    Flat3dDial dial(c.place, c.variable, {{"ckAz", "1"}});
    ASSERT_TRUE(dial.setUp());
    dial.tagWith(&shell::Module1::SunDecl);
    const Drawing d = dial.draw(PlotAzimuthLines);
    EXPECT_EQ(d.withColour(numeric::qbColor(6)).size(), d.points.size());
    EXPECT_GT(d.points.size(), 300u);
    const oracle::ShadowOracle o = dial.oracle();
    // The sun of the sweep casts the point, or (below the horizon and behind the plane) marks
    // the shadow of the opposite sun, of the opposite declination.
    EXPECT_TRUE(allSuns(
        o, d.points,
        [](const DrawnPoint& p, const SunOfPoint& s) {
            return std::fabs(s.sun.declination) - std::fabs(p.tag);
        },
        "the declination being swept or its opposite"));
    EXPECT_TRUE(allSuns(o, d.points, belowTheHorizon, "the sky above the horizon"));
    std::set<long> azimuths;
    EXPECT_TRUE(allSuns(
        o, d.points,
        [&](const DrawnPoint&, const SunOfPoint& s) {
            const double whole = 15 * std::round(s.azimuth / 15);
            azimuths.insert(std::lround(whole));
            // Measured across the vertical circle: near the zenith the azimuth itself is
            // ill-defined.
            return angleBetween(s.azimuth, whole) * std::cos(s.altitude * std::acos(-1.0) / 180);
        },
        "a whole multiple of 15 degrees of azimuth"));
    if (!d.points.empty()) {
        EXPECT_GE(azimuths.size(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(Planes, AzimuthLinesOnOracle, testing::ValuesIn(kCases));

TEST(AzimuthLines, AWallFacingTheEquatorShowsElevenLines) {
    // South of the equator the lines are those of the northern sky, on a wall facing north.
    for (double lat : {45.0, -45.0}) {
        Flat3dDial dial({lat, 0, 0}, Variable::X, {{"ckAz", "1"}});
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(PlotAzimuthLines);
        const oracle::ShadowOracle o = dial.oracle();
        std::set<long> azimuths;
        for (const DrawnPoint& p : d.points) {
            const double a = sunOfPoint(o, p.at).azimuth;
            azimuths.insert(std::lround(15 * std::round(oracle::foldDegrees(a) / 15)));
        }
        // Due east and due west the sun grazes the wall: eleven lines from -75 to 75.
        EXPECT_EQ(azimuths.size(), 11u) << "latitude " << lat;
    }
}

// The whole azimuths (from the south, west positive, folded into -90..90: both halves of a
// vertical circle make one line) of the suns casting the points drawn.
std::set<long> linesDrawn(const Flat3dDial& dial, const Drawing& d) {
    const oracle::ShadowOracle o = dial.oracle();
    std::set<long> out;
    for (const DrawnPoint& p : d.points) {
        long a = std::lround(15 * std::round(sunOfPoint(o, p.at).azimuth / 15));
        if (a > 90) a -= 180;
        if (a <= -90) a += 180;
        out.insert(a);
    }
    return out;
}

TEST(AzimuthLines, EveryAzimuthThatReachesTheWallIsDrawn) {
    // Some lines are cast only by the suns below the horizon and behind the wall of the
    // sweep, that is by the opposite suns: a wall facing 30 degrees west of south is lit from
    // 105 degrees west (the line of -75); a southern wall facing the pole is lit only near east
    // and west on summer mornings and evenings.
    Flat3dDial west({45, 30, 0}, Variable::X, {{"ckAz", "1"}});
    ASSERT_TRUE(west.setUp());
    EXPECT_EQ(linesDrawn(west, west.draw(PlotAzimuthLines)),
              (std::set<long>{-75, -45, -30, -15, 0, 15, 30, 45, 60, 75, 90}));
    Flat3dDial south({-40, 170, 0}, Variable::X, {{"ckAz", "1"}});
    ASSERT_TRUE(south.setUp());
    EXPECT_EQ(linesDrawn(south, south.draw(PlotAzimuthLines)),
              (std::set<long>{-60, 60, 75, 90}));
}

TEST(AltitudeLines, EachLineTheNoonSunReachesHasItsTopOnce) {
    // The noon sun of declination lat +- (90 - a) stands at the altitude a: the top of that
    // line, where the stored Pi leaves the cosine of its hour angle a rounding past 1.
    for (double lat : {-35.0, 45.0}) {
        SCOPED_TRACE(lat);
        Flat3dDial dial({lat, 0, 0}, Variable::X);
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(PlotAltitudeLines);
        const oracle::ShadowOracle o = dial.oracle();
        for (double decl : {-15, -5, 5, 15}) {  // the lines of 30 to 60 (40 to 70 in the south)
            const auto top = o.dialPoint(0, decl);
            ASSERT_TRUE(top);
            std::size_t drawn = 0;
            for (const DrawnPoint& p : d.points) drawn += oracle::distance(p.at, *top) < 1e-9;
            EXPECT_EQ(drawn, 1u) << "declination " << decl;
        }
    }
}

TEST(AltitudeLines, ReadThePlaneAsTyped) {
    Flat3dDial dial({-40, 30, -90}, Variable::X);
    ASSERT_TRUE(dial.setUp());
    dial.draw(PlotAltitudeLines);
    shell::Module1& m = dial.m();
    EXPECT_DOUBLE_EQ(m.LatRad, -40 * m.Pi / 180);
    EXPECT_EQ(m.LatDecimal, -40);
    EXPECT_EQ(m.ReclDeg, -90);
    EXPECT_EQ(m.WallDeclRad, 0);
    EXPECT_DOUBLE_EQ(m.StyleLength, 0.1);
}

TEST(AltitudeLines, ADefinitionOfZeroOrLessDrawsNothingAndGoesOn) {
    for (const char* definition : {"0", "-5"}) {
        Flat3dDial dial({45, 10, 0}, Variable::X, {{"txt_Definition", definition}});
        ASSERT_TRUE(dial.setUp());
        EXPECT_TRUE(dial.draw(PlotAltitudeLines).points.empty());
    }
}

TEST(AzimuthLines, NothingAtTheEquatorOrWithoutTheBox) {
    Flat3dDial equator({0, 10, 0}, Variable::X, {{"ckAz", "1"}});
    ASSERT_TRUE(equator.setUp());
    EXPECT_TRUE(equator.draw(PlotAzimuthLines).points.empty());
    Flat3dDial unticked({45, 10, 0}, Variable::X, {{"ckAz", "0"}});
    ASSERT_TRUE(unticked.setUp());
    EXPECT_TRUE(unticked.draw(PlotAzimuthLines).points.empty());
    // The declination of a southern plane is turned to the face's own.
    Flat3dDial south({-45, 30, 0}, Variable::X, {{"ckAz", "1"}});
    ASSERT_TRUE(south.setUp());
    south.draw(PlotAzimuthLines);
    EXPECT_EQ(south.m().DeclDegrees, 150);
    EXPECT_EQ(south.m().DeclDecimal, 150);
    // A horizontal plane draws on the axes of the others but keeps the typed declination.
    Flat3dDial horizontal({45, 30, 90}, Variable::X, {{"ckAz", "1"}});
    ASSERT_TRUE(horizontal.setUp());
    horizontal.draw(PlotAzimuthLines);
    EXPECT_EQ(horizontal.m().DeclDecimal, 30);
    EXPECT_DOUBLE_EQ(horizontal.m().WallDeclRad, 30 * horizontal.m().Pi / 180);
}

}  // namespace
}  // namespace flat3dtest
