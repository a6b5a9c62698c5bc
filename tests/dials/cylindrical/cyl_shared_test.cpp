// The procedures every circular cylinder shares: the set-up of the side, the style and the
// reference generatrix, the horizon, the style foot, the triangle of the style and the plan of
// the section, checked against the cylinder oracle where they stand for geometry.

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "circular3d_fixture.h"
#include "dials/cylindrical/cyl_shared.h"
#include "numeric/palette.h"

namespace cyl3dtest {
namespace {

namespace cyl = dials::cylindrical;
using plot::ShapeRecord;

// What a procedure adds to the display list.
struct Added {
    std::vector<plot::LineRecord> lines;
    std::vector<ShapeRecord> shapes;
    std::vector<std::string> texts;  // trailing blanks removed
};

Added added(Cyl3dDial& dial, void (*procedure)(shell::Context&)) {
    const plot::DisplayList& list = dial.surface().displayList();
    const std::size_t l = list.lines.size(), s = list.shapes.size(), t = list.texts.size();
    procedure(dial.ctx());
    Added a;
    a.lines.assign(list.lines.begin() + l, list.lines.end());
    a.shapes.assign(list.shapes.begin() + s, list.shapes.end());
    for (std::size_t i = t; i < list.texts.size(); ++i) {
        std::string text = list.texts[i].text;
        text.erase(text.find_last_not_of(' ') + 1);
        a.texts.push_back(text);
    }
    return a;
}

TEST(CylSetUp, SideStyleAndReferenceGeneratrix) {
    Cyl3dDial concave({45, 0, false, 0.3, 0.1});
    ASSERT_TRUE(concave.setUp());
    EXPECT_EQ(concave.m().SideSign, -1);
    EXPECT_DOUBLE_EQ(concave.m().TipOffset, 0.1);  // L when 0 < L < R and the wall faces south
    EXPECT_DOUBLE_EQ(concave.m().StyleHypotenuse, 0.1 / std::cos(concave.m().LatRad));
    const auto& ref = concave.surface().displayList().lines.at(0);
    EXPECT_EQ(ref.x1, 0);
    EXPECT_EQ(ref.Y2, 2 * concave.surface().ShiftY());

    // The reference generatrix is the meridian's: the circle's point due south of the axis on a
    // convex dial, due north on a concave one.
    for (bool convex : {false, true}) {
        Cyl3dDial dial({45, 35, convex});
        ASSERT_TRUE(dial.setUp());
        const oracle::CylinderOracle o = dial.oracle();
        const oracle::Vec3 meridian = o.axis() + oracle::Vec3{0, convex ? -0.3 : 0.3, 0};
        EXPECT_NEAR(dial.surface().displayList().lines.at(0).x1, o.unrolledOf(meridian).x, 1e-9);
        EXPECT_EQ(dial.surface().displayList().lines.at(0).Color, colourOf(6));
    }
}

// A radius of 0 or below is no cylinder: every circular programme refuses it with one message
// naming the box before anything is drawn, as the parabolic one does.
TEST(CylSetUp, ARadiusOfZeroOrBelowStopsTheRun) {
    for (const char* programme : {"M_CILINDRICI", "M_Param", "mnuCCs", "mnuCircp"})
        for (const char* radius : {"0", "-0.3"}) {
            SCOPED_TRACE(std::string(programme) + " radius " + radius);
            const dialtest::Outcome o = dialtest::runProgramme(
                programme, {{"txtLAT", "45"}, {"txtRadius", radius}, {"ck_Italiche", "1"},
                            {"Ck_Section", "1"}});
            EXPECT_FALSE(o.completed);
            EXPECT_EQ(o.messages, std::vector<std::string>{
                                      "The drawing was not started: the Radius box must hold a "
                                      "length above 0: there is no cylinder without one. Please "
                                      "check the inputs."});
            EXPECT_EQ(o.drawn(), 0u);
        }
}

// Every radius and style the boxes accept draws its dial: a cylinder far wider than the plot
// area is laid over the generatrices it shows, and its lines fill the area as a wall's do.
TEST(CylSetUp, AWideCylinderIsDrawnOverThePlotArea) {
    for (const char* programme : {"M_CILINDRICI", "M_Param", "mnuCCs", "mnuCircp", "M_Parabolico"})
        for (const char* radius : {"1000", "1999"})
            for (const char* style : {"0.3", "1999"}) {
                SCOPED_TRACE(std::string(programme) + " radius " + radius + " style " + style);
                const dialtest::Outcome o = dialtest::runProgramme(
                    programme, {{"txtLAT", "45"}, {"txtDecl", "20"}, {"txtRadius", radius},
                                {"txtStilo", style}, {"ck_Italiche", "1"}, {"Ck_Section", "1"}});
                EXPECT_TRUE(o.completed);
                if (std::string(style) == "0.3") {
                    EXPECT_TRUE(o.messages.empty());
                    EXPECT_GT(o.list.points.size(), 5000u);
                } else {  // every shadow of a 2 km style's tip falls beyond the plot: said so
                    ASSERT_EQ(o.messages.size(), 1u);
                    EXPECT_EQ(o.messages[0].rfind("No shadow of the style's tip", 0), 0u);
                }
            }
}

// Near-degenerate inputs (the pole, a wall all but facing north, a parabola of all but no width,
// the widest cylinders, a declination typed many turns round, a style of a kilometre) throw no
// record beyond a hundred reaches of the plot area (kFarOffReaches): the style's triangle at the
// pole, the plan of the section, a numeral 30 km down its line and the tick at the end of the
// folded style are drawn where a plot area shows them, or not at all; and no label, numeral or
// glyph stands outside the area (the section's "North" and "d" of a plan kilometres off).
TEST(CylRecords, NothingFarOffFromNearDegenerateInputs) {
    dialtest::Settings ticks;
    for (const char* box : {"chkOreAstronomiche", "ck_DayLightCurves", "ck_Lemniscate",
                            "ck_Equinoziale", "ck_Sustilare", "ck_Triangolo", "ck_orizzonte",
                            "ck_Italiche", "ck_babiloniche", "Ck_Section", "ckTemp", "ckRomani"})
        ticks.emplace_back(box, "1");
    const struct {
        const char* programme;
        Cylinder c;
    } rows[] = {
        {"M_CILINDRICI", {90, 180, false, 1999, 1e-6}},
        {"M_Param", {89.999999, 0, false, 0.3, 0.2}},
        {"mnuCCs", {23.45, -69.9999, false, 1999, 1e-6}},
        {"mnuCCs", {45, 179.9999999, false, 1999, 1e-6}},
        {"mnuCircp", {90, 180, true, 1999, 0.2}},
        {"M_Parabolico", {45, -69.9999, true, 0.001, 1999}},
        {"M_Parabolico", {90, -69.9999, false, 0.3, 1999}},
        {"M_CILINDRICI", {45, 999999999, false}},
        {"M_Param", {45, 999999999, true}},
        {"mnuCCs", {45, 999999999, false}},
        {"mnuCircp", {45, 999999999, true}},
        {"M_CILINDRICI", {0, 90, true, 1999, 0.3}},
        {"M_Param", {20, 90, true, 1999, 0.3}},
        {"mnuCCs", {0, -90, false, 1999, 0.3}},
        {"mnuCircp", {0, 90, true, 1999, 0.3}},
        {"M_CILINDRICI", {45, 0, false, 0.5, 1000}},
        {"M_Param", {45, 10, true, 0.5, 1000}},
        {"M_Parabolico", {45, 0, false, 0.5, 1000}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.programme) + " " + cyltest::describe(row.c));
        dialtest::Settings settings = cyltest::typedCylinder(row.c);
        settings.insert(settings.end(), ticks.begin(), ticks.end());
        const dialtest::Outcome o = dialtest::runProgramme(row.programme, settings);
        EXPECT_TRUE(o.completed);
        EXPECT_TRUE(dialtest::nothingFarOff(o.list, 330));
        EXPECT_TRUE(dialtest::marksInArea(o.list, 0.3));
    }
}

TEST(CylSetUp, ConvexStyleBeyondTheMeridianKeepsThePreviousGeometry) {
    Cyl3dDial dial({45, 80, true, 0.3, 0.1});  // (R + L) sin D >= R
    dial.m().TipOffset = 7;
    dial.m().StyleHypotenuse = 8;
    dial.m().StyleElevDeg = 9;
    ASSERT_TRUE(dial.setUp());
    EXPECT_EQ(dial.m().TipOffset, 7);
    EXPECT_EQ(dial.m().StyleHypotenuse, 8);
    EXPECT_EQ(dial.m().StyleElevDeg, 9);
    EXPECT_EQ(dial.surface().displayList().lines.size(), 1u);
}

TEST(CylStyleTriangle, StandsOnTheHorizonUnderThePolarAxis) {
    for (const Cylinder& c : cylinders()) {
        SCOPED_TRACE(describe(c));
        Cyl3dDial dial(c);
        ASSERT_TRUE(dial.setUp());
        const Added a = added(dial, cyl::DrawStyleTriangleDeveloped);
        const oracle::CylinderOracle o = dial.oracle();
        const bool exists = cyltest::meridianCutsSection(c, o);
        ASSERT_EQ(a.lines.size(), exists ? 5u : 2u);
        if (exists) {
            const plot::LineRecord& style = a.lines[0];
            // The top of the vertical side is where the polar axis through the tip meets the
            // surface: every hour line passes there. On a concave dial it meets it north of the
            // tip and above it, whichever way the wall faces and however long the style.
            const double top = o.sunAt(style.x1, -style.y1).sun.declination;
            EXPECT_GT(std::fabs(top), 90 - 1e-6);
            EXPECT_LT(o.distanceToPlaneCut(oracle::Sky::west(), style.x1, 0), 1e-9);
            if (!c.convex) {
                EXPECT_LT(top, 0);
                EXPECT_LE(style.y1, 0);
            }
            EXPECT_EQ(style.Y2, 0);
            if (c.decl != 0)
                EXPECT_NEAR(std::atan2(std::fabs(style.y1), std::fabs(style.x2 - style.x1)),
                            o.sky().rad(std::fabs(c.lat)), 1e-9);
            else
                EXPECT_EQ(style.x2, style.x1);  // no base: the style stands on the generatrix
            EXPECT_EQ(a.lines[1].Color, colourOf(11));
            EXPECT_EQ(a.lines[2].x1, a.lines[2].x2);  // the generatrix through the triangle
        }
        const plot::LineRecord& perpendicular = a.lines[a.lines.size() - 2];
        const plot::LineRecord& tick = a.lines.back();
        EXPECT_EQ(perpendicular.Y2, -c.style);
        EXPECT_EQ(perpendicular.Color, colourOf(13));
        EXPECT_EQ(tick.x1, 0.00095);
        EXPECT_EQ(tick.x2, -0.0055);
    }
}

TEST(CylHorizonAndFoot, DrawnAtTheFootOfTheStyle) {
    Cyl3dDial dial({45, 20, false});
    ASSERT_TRUE(dial.setUp());
    const Added h = added(dial, cyl::DrawCylHorizonLine);
    ASSERT_EQ(h.lines.size(), 1u);
    EXPECT_EQ(h.lines[0].x1, -dial.surface().ShiftX());
    EXPECT_EQ(h.lines[0].x2, dial.surface().ShiftX());
    EXPECT_EQ(h.lines[0].y1, 0);

    const Added foot = added(dial, cyl::DrawStyleFootCircle);
    ASSERT_EQ(foot.shapes.size(), 1u);
    EXPECT_EQ(foot.shapes[0].Third, 0.01);
    EXPECT_EQ(foot.shapes[0].FillColor, colourOf(7));

    const Drawing points = dial.draw(cyl::DrawStyleFootPoints);
    ASSERT_EQ(points.points.size(), 403u);
    for (std::size_t i = 0; i + 1 < points.points.size(); ++i)
        EXPECT_NEAR(std::hypot(points.points[i].at.x, points.points[i].at.y), 0.01, 1e-12);
    EXPECT_EQ(points.points.back().colour, colourOf(12));
}

TEST(CylSection, PlanOfTheCylinderStyleAndGnomon) {
    // The generic gnomon runs north from the tip on a concave dial facing any way, its style
    // shorter or longer than the radius.
    for (const Cylinder& c : {Cylinder{45, 30, false}, Cylinder{45, -40, true},
                              Cylinder{45, 120, false}, Cylinder{45, -70, false, 0.5, 0.8}}) {
        const bool convex = c.convex;
        SCOPED_TRACE(describe(c));
        Cyl3dDial dial(c);
        ASSERT_TRUE(dial.setUp());
        const Added a = added(dial, cyl::DrawCylSectionAndTriangle);
        const oracle::CylinderOracle o = dial.oracle();
        // Plan point of a world offset p from the foot: (p.x, c + A.y - p.y), north up.
        const double top = 1.1 + c.radius + o.axis().y;
        const oracle::Vec3 tip = o.tip();

        ASSERT_EQ(a.lines.size(), 4u);
        const plot::LineRecord& style = a.lines.back();
        EXPECT_NEAR(style.x1, 0, 1e-12);
        EXPECT_NEAR(style.y1, top, 1e-12);
        EXPECT_NEAR(style.x2, tip.x, 1e-12);
        EXPECT_NEAR(style.Y2, top - tip.y, 1e-12);
        const plot::LineRecord& gnomon = a.lines[2];
        EXPECT_NEAR(gnomon.x2, tip.x, 1e-12);
        EXPECT_NEAR(std::hypot(gnomon.x2 - o.axis().x, gnomon.Y2 - (1.1 + c.radius)), c.radius,
                    1e-12);
        EXPECT_NEAR(std::fabs(gnomon.Y2 - gnomon.y1), std::fabs(dial.m().TipOffset), 1e-12);
        if (!convex) {
            EXPECT_LT(gnomon.Y2, gnomon.y1);
        }
        // The section circle, centred on the axis, then the foot's disc.
        ASSERT_EQ(a.shapes.size(), 3u);
        EXPECT_NEAR(a.shapes[1].First, o.axis().x, 1e-12);
        EXPECT_EQ(a.shapes[1].Third, c.radius);
        EXPECT_NEAR(a.shapes[2].Second, top, 1e-12);
        EXPECT_EQ(a.texts.front(), "");
        EXPECT_EQ(a.texts[1], "T R I A N G L E");
        EXPECT_EQ(a.texts.back(), "d");
    }
}

TEST(CylSection, SectorFollowsTheDeclinationAndTheTableTruncates) {
    Cyl3dDial dial({45, 30, false});
    ASSERT_TRUE(dial.setUp());
    dial.m().StyleHypotenuse = 0.29;
    dial.m().TipOffset = -0.123456;
    const Added a = added(dial, cyl::DrawCylSectionAndTriangle);
    EXPECT_EQ(a.texts[2], "Style: hypotenuse 0.29");
    EXPECT_EQ(a.texts[3], "Generic gnomon: cathetus 0.12346");
    EXPECT_EQ(a.texts[6], "Perpendicular style 0.1");
    const double pi = dial.m().Pi, D = dial.m().WallDeclRad;
    EXPECT_EQ(a.shapes[0].ArcStart, -(pi / 2 - D));
    EXPECT_EQ(a.shapes[0].ArcEnd, -pi / 2);
    EXPECT_EQ(a.shapes[0].FillColor, colourOf(6));

    // A south-facing wall has no sector; a convex style that misses the meridian has no
    // triangle texts and no generic gnomon.
    Cyl3dDial south({45, 0, false});
    ASSERT_TRUE(south.setUp());
    EXPECT_EQ(added(south, cyl::DrawCylSectionAndTriangle).shapes.size(), 2u);
    Cyl3dDial wide({45, 80, true});
    ASSERT_TRUE(wide.setUp());
    const Added w = added(wide, cyl::DrawCylSectionAndTriangle);
    EXPECT_EQ(w.lines.size(), 3u);
    EXPECT_EQ(w.texts.size(), 5u);
    EXPECT_EQ(w.texts[2], "Perpendicular style 0.1");
}

}  // namespace
}  // namespace cyl3dtest
