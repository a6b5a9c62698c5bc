// The Asr curve against the shadow oracle: every point is the afternoon shadow of the style tip
// when the sun, at the declination being swept, stands at the Asr altitude: the shadow of a
// vertical rod is then its noon shadow plus its own length.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/flat3d_fixture.h"
#include "dials/sky_lines/sky_lines.h"
#include "numeric/palette.h"
#include "shell/programme_menu.h"
#include "support/sky_checks.h"

namespace flat3dtest {
namespace {

using namespace dialtest;

using dials::sky_lines::PlotAsrCurve;
using dials::sky_lines::PlotQibla;

constexpr plot::Colour kAsrColour = numeric::rgb(0, 193, 97);

// The altitude of the sun at the Asr, degrees: cot(a) = 1 + tan|lat - decl|.
double asrAltitude(double lat, double decl) {
    const double deg = std::acos(-1.0) / 180;
    return std::atan(1 / (1 + std::tan(std::fabs(lat - decl) * deg))) / deg;
}

testing::AssertionResult allAtTheAsr(const oracle::ShadowOracle& o, double lat,
                                     const std::vector<DrawnPoint>& points) {
    auto check = [&](const char* what, auto error) { return allSuns(o, points, error, what); };
    testing::AssertionResult r = check("the declination being swept", offItsDeclination);
    if (!r) return r;
    r = check("the Asr altitude", [&](const DrawnPoint& p, const SunOfPoint& s) {
        return s.altitude - asrAltitude(lat, p.tag);
    });
    if (!r) return r;
    // Where the noon sun does not rise the formula gives a negative altitude: no Asr.
    r = check("the sky above the horizon", belowTheHorizon);
    if (!r) return r;
    return check("the afternoon", [](const DrawnPoint&, const SunOfPoint& s) {
        return s.sun.hourAngle > 0 ? 0 : s.sun.hourAngle - 1;
    });
}

const std::vector<PlaneCase> kCases = {
    {{45, 0, 0}, Variable::X},      {{45, 30, 0}, Variable::Y},
    {{45, 60, 20}, Variable::X},    {{52, -25, 35}, Variable::X},
    {{45, 0, 90}, Variable::X},     {{45, 25, 90}, Variable::X},
    {{10, 20, 0}, Variable::X},     {{10, 0, 90}, Variable::X},
    {{0, 30, 0}, Variable::X},      {{-35, 0, 0}, Variable::X},
    {{-35, 20, -30}, Variable::Y},  {{-40, 170, 0}, Variable::X},
    {{-30, 0, -90}, Variable::X},   {{-30, 40, -90}, Variable::X},
    {{-10, -20, 0}, Variable::X},   {{-52, -40, 25}, Variable::Y},
    // Beyond the polar circles, where the sun does not rise in winter.
    {{80, 0, 0}, Variable::X},      {{-75, 10, 0}, Variable::Y},
};

class AsrOnOracle : public testing::TestWithParam<PlaneCase> {};

TEST_P(AsrOnOracle, EveryPointIsTheAfternoonShadowAtTheAsrAltitude) {
    const PlaneCase c = GetParam();
    // Run alone, and after the Qibla, which leaves a signed latitude behind: the same curve.
    std::vector<std::vector<DrawnPoint>> curves;
    for (bool qiblaFirst : {false, true}) {
        Flat3dDial dial(c.place, c.variable, {{"ckAsr", "1"}, {"ckQibla", "1"}});
        ASSERT_TRUE(dial.setUp());
        dial.m().StyleLength = 3;  // as an earlier run may have left it
        if (qiblaFirst) dial.draw(PlotQibla);
        dial.tagWith(&shell::Module1::SunDecl);
        const Drawing d = dial.draw(PlotAsrCurve);
        EXPECT_EQ(d.withColour(kAsrColour).size(), d.points.size());
        EXPECT_GT(d.points.size(), 50u);
        EXPECT_TRUE(allAtTheAsr(dial.oracle(), c.place.lat, d.points));
        curves.push_back(d.points);
    }
    ASSERT_EQ(curves[0].size(), curves[1].size());
    for (std::size_t i = 0; i < curves[0].size(); ++i) {
        EXPECT_DOUBLE_EQ(curves[0][i].at.x, curves[1][i].at.x);
        EXPECT_DOUBLE_EQ(curves[0][i].at.y, curves[1][i].at.y);
    }
}

INSTANTIATE_TEST_SUITE_P(Planes, AsrOnOracle, testing::ValuesIn(kCases));

TEST(Asr, NinetyOfEitherSignIsTheHorizontalDialFacingUp) {
    // -90 typed in the north and 90 in the south draw the curve of the dial facing up, the one
    // the other sign draws.
    for (const Place& p : {Place{45, 0, -90}, Place{-30, 0, 90}}) {
        SCOPED_TRACE(describe(p, Variable::X));
        std::vector<std::vector<oracle::DialXY>> curves;
        for (double recl : {p.recl, -p.recl}) {
            Flat3dDial dial({p.lat, p.decl, recl}, Variable::X, {{"ckAsr", "1"}});
            ASSERT_TRUE(dial.setUp());
            dial.tagWith(&shell::Module1::SunDecl);
            const Drawing d = dial.draw(PlotAsrCurve);
            EXPECT_GT(d.points.size(), 50u);
            EXPECT_TRUE(allAtTheAsr(dial.oracle(), p.lat, d.points));
            curves.push_back(d.at());
        }
        ASSERT_EQ(curves[0].size(), curves[1].size());
        for (std::size_t i = 0; i < curves[0].size(); ++i) {
            EXPECT_DOUBLE_EQ(curves[0][i].x, curves[1][i].x);
            EXPECT_DOUBLE_EQ(curves[0][i].y, curves[1][i].y);
        }
    }
}

TEST(Asr, UntickedItStillRereadsThePlane) {
    Flat3dDial dial({-40, 25, 10}, Variable::X, {{"ckAsr", "0"}, {"txtStilo", "0.3"}});
    ASSERT_TRUE(dial.setUp());
    EXPECT_LT(dial.m().WallDeclRad, 0);
    EXPECT_TRUE(dial.draw(PlotAsrCurve).points.empty());
    const shell::Module1& m = dial.m();
    const double pi = m.Pi;
    EXPECT_EQ(m.ReclDeg, 10);
    EXPECT_DOUBLE_EQ(m.WallDeclRad, 25 * pi / 180);
    // The reclination the set-up left (with the hemisphere's sign).
    EXPECT_DOUBLE_EQ(m.ReclRad, -10 * pi / 180);
}

TEST(Asr, KeepsItsColourInMonochrome) {
    Flat3dDial dial({45, 10, 0}, Variable::X, {{"ckAsr", "1"}});
    dial.system().options.IXMultiColor = false;
    dial.system().options.IXBackColor = numeric::rgb(255, 255, 255);
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(PlotAsrCurve);
    ASSERT_FALSE(d.points.empty());
    EXPECT_EQ(d.withColour(kAsrColour).size(), d.points.size());
}

TEST(Asr, TheVerticalSphericalProgrammeUsesItsOwnLatitudeAndStyle) {
    // That programme's reader leaves a signed latitude and its style; the plane is vertical
    // whatever the reclination box holds.
    Flat3dDial dial({48, 15, 35}, Variable::X, {{"ckAsr", "1"}});
    shell::chooseProgramme(dial.system().inputs, "mnuVertSph");
    shell::Module1& m = dial.m();
    m.Pi = 3.141592654;
    m.LatRad = 48 * m.Pi / 180;
    m.StyleLength = 0.1;
    m.ReclRad = 0.3;
    dial.tagWith(&shell::Module1::SunDecl);
    const Drawing d = dial.draw(PlotAsrCurve);
    EXPECT_EQ(m.ReclRad, 0);
    EXPECT_GT(d.points.size(), 100u);
    EXPECT_TRUE(allAtTheAsr(oracle::ShadowOracle(48, 15, 0, 0.1), 48, d.points));
}

}  // namespace
}  // namespace flat3dtest
