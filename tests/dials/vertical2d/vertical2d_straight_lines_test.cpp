// The substyle, noon line, horizon and triangle of the style against the shadow oracle, and the
// hour lines and equinoctial of a vertical wall against the flat 3D programme's.

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/procedures.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "numeric/palette.h"
#include "shell/run_dispatch.h"
#include "support/oracle_checks.h"
#include "vertical2d_fixture.h"

namespace vert2dtest {
namespace {

using namespace dials::vertical2d;

const std::vector<Wall> kWalls = {
    {45, 0},   {45, 30},   {45, -30},   {52, 65},  {38, -80}, {45, 120},
    {10, 40},  {70, 20},   {-35, 25},   {-45, -60}, {-20, 130}, {45, 180}, {20, 180}, {-45, 180},
};

class StraightLines : public testing::TestWithParam<Wall> {};

TEST_P(StraightLines, SubstyleNoonLineAndTriangleMeetAtTheCentre) {
    const Wall w = GetParam();
    SCOPED_TRACE(describe(w));
    Vert2dDial dial(w);
    ASSERT_TRUE(dial.setUp());
    const oracle::ShadowOracle o = dial.oracle();
    const auto centre = o.centre();
    ASSERT_TRUE(centre.has_value());
    const double tolerance = oracle::toleranceFor(w.style);

    const Drawing sub = dial.draw(DrawSubstyleVert2D);
    EXPECT_NEAR(dial.m().CentreX, centre->x, tolerance);
    EXPECT_NEAR(dial.m().CentreY, centre->y, tolerance);
    const auto noon = sub.segmentsWithColour(numeric::qbColor(4));
    ASSERT_EQ(noon.size(), 1u);
    EXPECT_EQ(noon[0].a.x, noon[0].b.x);  // vertical
    // From the top edge of the plot area to its bottom edge (dial y is the plot's -y).
    const plot::PlotSurface& plot = dial.surface();
    EXPECT_EQ(std::fmax(noon[0].a.y, noon[0].b.y), plot.ShiftY());
    EXPECT_EQ(std::fmin(noon[0].a.y, noon[0].b.y), plot.ShiftY() - plot.QuadranteH());
    EXPECT_TRUE(oracle::allOnWholeHourLine(o, 0, {{noon[0].a.x, 0}, {noon[0].a.x, 1}}, tolerance));
    const auto substyle = sub.segmentsWithColour(numeric::qbColor(9));
    if (std::fmod(w.decl, 180) == 0) {
        EXPECT_TRUE(substyle.empty());  // it lies on the noon line
    } else {
        ASSERT_EQ(substyle.size(), 1u);
        EXPECT_LT(distanceToLine({0, 0}, substyle[0]), tolerance);
        EXPECT_LT(distanceToLine(*centre, substyle[0]), tolerance);
    }

    // O foot, Z centre, P the tip laid down: PO = L perpendicular to OZ, PZ the polar style.
    const Drawing tri = dial.draw(DrawStyleTriangleVert2D);
    const auto perpendicular = tri.segmentsWithColour(numeric::qbColor(13));
    const auto sub14 = tri.segmentsWithColour(numeric::qbColor(14));
    ASSERT_EQ(perpendicular.size(), 1u);
    ASSERT_EQ(sub14.size(), 1u);
    const oracle::DialXY P = perpendicular[0].a;
    EXPECT_NEAR(distance(P, {0, 0}), w.style, 1e-12);
    EXPECT_NEAR(distance(sub14[0].a, *centre), 0, tolerance);
    EXPECT_NEAR(P.x * centre->x + P.y * centre->y, 0, tolerance);
    const auto polar = tri.segmentsWithColour(numeric::qbColor(9));
    if (std::fabs(centre->y) < 3) {
        ASSERT_EQ(polar.size(), 1u);
        const oracle::Vec3 tipToCentre = o.worldPoint(centre->x, centre->y) - o.tip();
        EXPECT_NEAR(distance(polar[0].a, polar[0].b), std::sqrt(dot(tipToCentre, tipToCentre)),
                    tolerance);
    } else {
        EXPECT_TRUE(polar.empty());
    }
    ASSERT_EQ(tri.points.size(), 1u);
    EXPECT_EQ(tri.points[0].at.x, 0);
    EXPECT_EQ(tri.points[0].at.y, 0);
}

INSTANTIATE_TEST_SUITE_P(Walls, StraightLines, testing::ValuesIn(kWalls));

TEST(StraightLines, HorizonRunsThroughTheFootAcrossThePlot) {
    Vert2dDial dial({45, 30});
    ASSERT_TRUE(dial.setUp());
    dial.m().OriginX = 5;
    const Drawing d = dial.draw(DrawHorizonVert2D);
    ASSERT_EQ(d.segments.size(), 1u);
    const double shiftX = dial.surface().ShiftX();
    EXPECT_EQ(d.segments[0].a.x, shiftX);
    EXPECT_EQ(d.segments[0].b.x, -shiftX);
    EXPECT_EQ(d.segments[0].a.y, 0);
    EXPECT_EQ(d.segments[0].colour, numeric::qbColor(2));
    EXPECT_EQ(dial.m().OriginX, 0);
}

TEST(StraightLines, WallFacingEastHasNoCentreInItsTriangle) {
    // A style parallel to the wall: no noon line, and the triangle is the perpendicular style
    // alone, never a side to a centre an earlier run left behind.
    Vert2dDial dial({45, -90});
    ASSERT_TRUE(dial.setUp());
    dial.m().CentreX = 0.7;
    dial.m().CentreY = 0.4;
    const Drawing sub = dial.draw(DrawSubstyleVert2D);
    EXPECT_TRUE(sub.segmentsWithColour(numeric::qbColor(4)).empty());
    const Drawing tri = dial.draw(DrawStyleTriangleVert2D);
    ASSERT_EQ(tri.segments.size(), 1u);
    EXPECT_EQ(tri.segments[0].colour, numeric::qbColor(13));
    EXPECT_EQ(tri.segments[0].b.x, 0);
    EXPECT_EQ(tri.segments[0].b.y, 0);
}

TEST(StraightLines, AtThePoleTheSubstyleIsUprightAndTheTipLaidDownBesideIt) {
    // The pole is drawn as the latitude just short of it: the centre lies far below the foot,
    // the substyle runs towards it and the tip is laid down perpendicular to it.
    for (const Wall w : {Wall{90, 20, 0.5}, Wall{-90, -40, 0.5}}) {
        SCOPED_TRACE(describe(w));
        Vert2dDial dial(w);
        ASSERT_TRUE(dial.setUp());
        EXPECT_EQ(dial.m().LatDecimal, 89.9999 * w.lat / 90);
        EXPECT_EQ(dial.m().WorkFlag, w.lat / 90);
        const auto centre = dial.oracle().centre();
        ASSERT_TRUE(centre.has_value());
        const double far = std::hypot(centre->x, centre->y);
        const oracle::DialXY towards{centre->x / far, centre->y / far};
        const auto substyle = dial.draw(DrawSubstyleVert2D).segmentsWithColour(numeric::qbColor(9));
        ASSERT_EQ(substyle.size(), 1u);
        EXPECT_LT(distanceToLine({0, 0}, substyle[0]), 1e-9);
        EXPECT_LT(distanceToLine(towards, substyle[0]), toleranceFor(w));
        const Drawing tri = dial.draw(DrawStyleTriangleVert2D);
        const auto perpendicular = tri.segmentsWithColour(numeric::qbColor(13));
        ASSERT_EQ(perpendicular.size(), 1u);
        const oracle::DialXY P = perpendicular[0].a;
        EXPECT_NEAR(distance(P, {0, 0}), w.style, 1e-12);
        EXPECT_NEAR(P.x * towards.x + P.y * towards.y, 0, toleranceFor(w));
    }
}

// The flat 3D programme on the same wall (reclination 0), set up with hour lines every hour, its
// points tagged with the hour angle of the line being drawn.
struct FlatDial : dialtest::ProgrammeDial {
    explicit FlatDial(const Wall& w)
        : ProgrammeDial("M_Inclinati", dialtest::typedWall(w),
                        {{"txtReclinZ", "0"}, {"TxtHour", "1"}, {"option3D4", "1"}}) {
        tagWith(&shell::Module1::HourAngleRad);
        shell::DriverTable table;
        table.RunInclinedDialVarX = dials::flat3d::SetupInclinedDialVarX;
        runWith(table);
    }
};

class AgainstFlat3d : public testing::TestWithParam<Wall> {};

TEST_P(AgainstFlat3d, HourLinesAndEquinoctialCoincide) {
    const Wall w = GetParam();
    SCOPED_TRACE(describe(w));
    Vert2dDial dial(w, {{"TxtHour", "1"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing hours = dial.draw(DrawHourLinesVert2D);
    ASSERT_EQ(hours.segments.size(), 13u);
    const Drawing equinoctial = dial.draw(DrawEquinoctialVert2D);
    ASSERT_EQ(equinoctial.segments.size(), 1u);

    FlatDial flat(w);
    const double tolerance = oracle::toleranceFor(w.style);
    std::size_t lines = 0;
    for (const auto& [hourAngle, points] : flat.draw(dials::flat3d::DrawHourLinesX).byTag()) {
        // The flat 3D programme counts hour angles east positive.
        const double H = -hourAngle * 180 / dial.m().Pi;
        const long i = std::lround((H + 90) / 15);
        ASSERT_TRUE(i >= 0 && i < 13) << H;
        ++lines;
        for (const oracle::DialXY& p : points)
            ASSERT_LT(distanceToLine(p, hours.segments[static_cast<std::size_t>(i)]), tolerance)
                << "hour " << H << " at (" << p.x << ", " << p.y << ")";
    }
    EXPECT_GE(lines, 10u);
    const auto onEquinoctial = flat.draw(dials::flat3d::DrawEquinoctialLine).at();
    EXPECT_GT(onEquinoctial.size(), 100u);
    for (const oracle::DialXY& p : onEquinoctial)
        ASSERT_LT(distanceToLine(p, equinoctial.segments[0]), tolerance);
}

INSTANTIATE_TEST_SUITE_P(NorthernWalls, AgainstFlat3d,
                         testing::Values(Wall{45, 30}, Wall{45, -20}, Wall{52, 65}, Wall{20, 10},
                                         Wall{60, -15}, Wall{45, 150}, Wall{70, 25}));

}  // namespace
}  // namespace vert2dtest
