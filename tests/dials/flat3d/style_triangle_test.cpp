// The triangle of the style: the perpendicular style laid at right angles to the substyle, the
// polar style and the substyle meeting at the dial centre the oracle finds, and the vertical
// through the centre.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/procedures.h"
#include "flat3d_fixture.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"

namespace flat3dtest {
namespace {

using namespace dials::flat3d;

const std::vector<PlaneCase> kCases = {
    {{45, 30, 0}, Variable::X},    {{45, 30, 0}, Variable::Y},
    {{52, -25, 35}, Variable::X},  {{52, -25, 20}, Variable::Y},
    {{40, 20, -25}, Variable::X},  {{45, 0, 90}, Variable::X},
    {{45, 0, 0}, Variable::X},     {{-35, 20, -30}, Variable::X},
    {{-35, 20, -30}, Variable::Y}, {{45, 160, 10}, Variable::Y},
};

class StyleTriangle : public testing::TestWithParam<PlaneCase> {};

TEST_P(StyleTriangle, LaysTheStyleFlatAboutTheSubstyle) {
    const PlaneCase c = GetParam();
    SCOPED_TRACE(describe(c.place, c.variable));
    Flat3dDial dial(c.place, c.variable);
    ASSERT_TRUE(dial.setUp());
    // The drivers compute the substyle before the triangle.
    if (c.variable == Variable::X && std::fabs(c.place.recl) != 90) ComputeSubstyleX(dial.ctx());
    if (c.variable == Variable::Y) ComputeSubstyleY(dial.ctx());
    const Drawing d = dial.draw(DrawStyleTriangleX, DrawStyleTriangleY);
    ASSERT_EQ(d.lines.size(), 4u);
    const oracle::ShadowOracle o = dial.oracle();
    const auto centre = o.centre();
    ASSERT_TRUE(centre.has_value());
    const double S = c.place.style, tol = oracle::toleranceFor(S);

    const dialtest::Segment& perpendicular = d.segments[0];
    const dialtest::Segment& polar = d.segments[1];
    const dialtest::Segment& substyle = d.segments[2];
    const plot::LineRecord& vertical = d.lines[3];
    EXPECT_EQ(perpendicular.colour, numeric::qbColor(13));
    EXPECT_EQ(polar.colour, numeric::qbColor(9));
    EXPECT_EQ(substyle.colour, numeric::qbColor(14));
    EXPECT_EQ(vertical.Color, numeric::qbColor(8));

    // The perpendicular style: from the foot, of length S, at right angles to the substyle.
    const oracle::DialXY tip = perpendicular.b;
    EXPECT_EQ(distance(perpendicular.a, {0, 0}), 0);
    EXPECT_NEAR(distance(tip, {0, 0}), S, 1e-12);
    EXPECT_NEAR((tip.x * centre->x + tip.y * centre->y) / std::hypot(centre->x, centre->y), 0,
                tol);
    // The polar style from the centre to the laid tip, the substyle from the centre to the foot.
    EXPECT_NEAR(distance(polar.a, *centre), 0, tol);
    EXPECT_NEAR(distance(polar.b, tip), 0, 1e-12);
    EXPECT_NEAR(distance(substyle.a, *centre), 0, tol);
    EXPECT_EQ(distance(substyle.b, {0, 0}), 0);
    // The vertical through the centre, from -ShiftY to 2 ShiftY on the plot.
    const double shiftY = dial.surface().ShiftY();
    EXPECT_NEAR(vertical.x1, centre->x, tol);
    EXPECT_EQ(vertical.x2, vertical.x1);
    EXPECT_EQ(vertical.y1, -shiftY);
    EXPECT_EQ(vertical.Y2, 2 * shiftY);
}

INSTANTIATE_TEST_SUITE_P(Planes, StyleTriangle, testing::ValuesIn(kCases));

TEST(StyleTriangleShared, AFaceHoldingThePolarAxisHasNoCentreAndNoLineThroughIt) {
    // Walls facing due east and west in both hemispheres: the style lies parallel to the face,
    // its centre at infinity. Only the perpendicular style is laid.
    int drawn = 0;
    for (const double lat : {45.0, -45.0})
        for (const double decl : {90.0, -90.0})
            for (Variable v : {Variable::X, Variable::Y}) {
                SCOPED_TRACE(describe({lat, decl, 0}, v));
                Flat3dDial dial({lat, decl, 0}, v);
                if (!dial.setUp()) continue;  // variable X refuses east and west walls
                if (v == Variable::Y) ComputeSubstyleY(dial.ctx());
                const Drawing d = dial.draw(DrawStyleTriangleX, DrawStyleTriangleY);
                ASSERT_EQ(d.lines.size(), 1u);
                EXPECT_EQ(d.lines[0].Color, numeric::qbColor(13));
                EXPECT_NEAR(std::hypot(d.lines[0].x2, d.lines[0].Y2), 0.1, 1e-12);
                ++drawn;
            }
    EXPECT_GE(drawn, 4);
}

TEST(StyleTriangleShared, StoresTheStyleInOppositeSignsByVariable) {
    for (Variable v : {Variable::X, Variable::Y}) {
        Flat3dDial dial({45, 30, 0}, v);
        ASSERT_TRUE(dial.setUp());
        dial.draw(DrawStyleTriangleX, DrawStyleTriangleY);
        const double pi = dial.m().Pi;
        const double s = std::cos(45 * pi / 180) * std::cos(30 * pi / 180);
        const double sign = v == Variable::X ? -1 : 1;
        EXPECT_NEAR(dial.m().StyleHypotenuse, sign * 0.1 / s, 1e-12);
    }
}

TEST(StyleTriangleShared, PlaneFacingSouthLaysTheTipAcrossTheVerticalSubstyle) {
    // Whatever an earlier run left as the substyle slope, a plane facing due south has the
    // vertical substyle: the laid tip is at (S, 0).
    Flat3dDial dial({45, 30, 10}, Variable::X);
    ASSERT_TRUE(dial.run());
    ASSERT_NE(dial.m().SubstyleSlope, 0);
    dial.set("txtDecl", "0");
    ASSERT_TRUE(dial.setUp());
    ComputeSubstyleX(dial.ctx());
    EXPECT_EQ(dial.m().SubstyleSlope, 0);
    EXPECT_EQ(dial.m().SubstyleAngle, 0);
    const Drawing d = dial.draw(DrawStyleTriangleX);
    ASSERT_FALSE(d.lines.empty());
    EXPECT_EQ(d.lines[0].x2, 0.1);
    EXPECT_EQ(d.lines[0].Y2, 0);
}

TEST(StyleTriangleShared, VariableYDrawsALongPolarStyleAsPointsThroughTheLaidTip) {
    // Nearly parallel to the polar axis: the polar style is over 900 styles long.
    Flat3dDial dial({45, 30, 40.9}, Variable::Y);
    ASSERT_TRUE(dial.setUp());
    ComputeSubstyleY(dial.ctx());
    const Drawing longStyle = dial.draw(DrawStyleTriangleY);
    ASSERT_GT(std::fabs(dial.m().StyleHypotenuse), 100 * 0.1);
    // The perpendicular style; the vertical through the centre, a kilometre off, is not drawn.
    ASSERT_EQ(longStyle.lines.size(), 1u);
    const oracle::DialXY tip = longStyle.segments[0].b;
    const auto points = longStyle.withColour(numeric::qbColor(5));
    EXPECT_EQ(points.size(), longStyle.points.size());
    ASSERT_GT(points.size(), 1000u);
    const auto centre = dial.oracle().centre();
    ASSERT_TRUE(centre.has_value());
    // Every point on the line from the laid tip to the far centre.
    EXPECT_TRUE(oracle::allWithin(
        dial.oracle(), points,
        [&](oracle::DialXY p) { return oracle::distanceToLine(p, tip, *centre); },
        "the polar style"));

    // A short polar style in the same system: segments again.
    dial.set("txtReclinZ", "10");
    ASSERT_TRUE(dial.setUp());
    ComputeSubstyleY(dial.ctx());
    const Drawing shortStyle = dial.draw(DrawStyleTriangleY);
    EXPECT_EQ(shortStyle.lines.size(), 4u);
    EXPECT_TRUE(shortStyle.points.empty());
}

}  // namespace
}  // namespace flat3dtest
