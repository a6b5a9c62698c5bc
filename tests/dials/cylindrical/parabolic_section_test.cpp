// The plan of the parabolic section and its table of the triangle of the style.

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "parabolic_fixture.h"

namespace paratest {
namespace {

namespace cyl = dials::cylindrical;

std::vector<std::string> textsOf(const plot::DisplayList& list) {
    std::vector<std::string> out;
    for (const auto& t : list.texts) {
        std::string s = t.text;
        s.erase(s.find_last_not_of(' ') + 1);
        out.push_back(s);
    }
    return out;
}

struct Plan {
    Drawing drawing;
    std::vector<std::string> texts;
    std::vector<plot::ShapeRecord> circles;
};

Plan planOf(const Cylinder& c) {
    ParabolicDial dial(c, only({}));
    EXPECT_TRUE(dial.setUp());
    Plan plan;
    plan.drawing = dial.draw(cyl::DrawParabolicSectionAndTriangle);
    plan.texts = textsOf(dial.surface().displayList());
    plan.circles = dial.surface().displayList().shapes;
    return plan;
}

TEST(ParabolicSection, TableOfTheTriangle) {
    const Plan plan = planOf({45, 0, false, 0.3, 0.123456});
    EXPECT_EQ(plan.texts, (std::vector<std::string>{
                              "", "", "T R I A N G L E", "Style: hypotenuse 0.17459",
                              "Generic gnomon: cathetus 0.12345", "", "", "",
                              "Perpendicular style 0.123456", "Elevation of the style : -45°",
                              "d"}));
}

// The tip stands a style's length from the foot along the normal, the generic gnomon runs north
// from the tip to the parabola, and the vertex lies the radius below the dial's origin.
class ParabolicSectionPlan : public testing::TestWithParam<Cylinder> {};

TEST_P(ParabolicSectionPlan, FootTipAndGnomonMatchTheModel) {
    const Cylinder c = GetParam();
    const Plan plan = planOf(c);
    const oracle::ParabolicOracle o(c.lat, c.decl, c.convex, c.radius, c.style);
    const auto& segs = plan.drawing.segments;
    ASSERT_EQ(segs.size(), 2u);
    const oracle::DialXY tip = segs[0].a, foot = segs[0].b;
    EXPECT_NEAR(oracle::distance(tip, foot), c.style, 1e-12);
    // Plan y is up = north: the offsets of the model's foot from its tip.
    EXPECT_NEAR(foot.x - tip.x, o.foot().x - o.tip().x, 1e-12);
    EXPECT_NEAR(foot.y - tip.y, o.foot().y - o.tip().y, 1e-12);
    EXPECT_NEAR(segs[1].b.y - segs[1].a.y, o.sectionNorth(o.tip().x) - o.tip().y, 1e-12);
    EXPECT_EQ(segs[1].a.x, segs[1].b.x);

    // Every point of the parabola lies on the model's section.
    const auto parabola = plan.drawing.withColour(colourOf(15));
    ASSERT_GT(parabola.size(), 100u);
    for (const auto& p : parabola) {
        const double x = p.x - tip.x + o.tip().x;
        const double y = p.y - tip.y + o.tip().y;
        ASSERT_NEAR(y, o.sectionNorth(x), 1e-12);
    }

    // The arc of the declination at the tip, from north towards the wall's side.
    ASSERT_EQ(plan.circles.size(), 2u);
    const auto& arc = plan.circles[0];
    EXPECT_EQ(arc.Third, 0.1);
    const double D = c.decl * oracle::kStoredPi / 180;
    EXPECT_NEAR(arc.ArcEnd - arc.ArcStart, std::fabs(D), 1e-15);
    EXPECT_EQ(std::max(arc.ArcStart, arc.ArcEnd), oracle::kStoredPi / 2 + std::max(-D, 0.0));
    EXPECT_EQ(plan.circles[1].Third, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Cylinders, ParabolicSectionPlan,
                         testing::Values(Cylinder{45, 0, false}, Cylinder{45, 30, false},
                                         Cylinder{40, -50, true, 1.0, 0.2},
                                         Cylinder{20, 70, true, 0.25, 0.1}),
                         cylinderName);

}  // namespace
}  // namespace paratest
