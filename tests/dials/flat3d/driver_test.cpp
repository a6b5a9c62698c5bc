// The drivers: refusals and titles with their exact texts, the order of the features, the
// horizontal plane, the values the set-ups and the substyle computation leave, and numerical
// failures contained by Run.

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/flat3d/procedures.h"
#include "flat3d_fixture.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"

namespace flat3dtest {
namespace {

using namespace dials::flat3d;

const std::string kTitleX = "Declining,reclining dial by 3D analytic geometry, variable X";
const std::string kHorizontalTitleX = "Horizontal dial by 3D analytic geometry, variable X";
const std::string kTitleY = "Declining, reclining dial by 3D analytic geometry, variable Y ";
const std::string kMissing = "Immettere Longitudine,latitudine,Declinazione e Ortostilo !!";

using dialtest::Outcome;

Outcome run(const Place& place, Variable v, const Settings& settings = {}) {
    return Flat3dDial(place, v, settings).outcomeOfRun();
}

TEST(Flat3dDrivers, EmptyLatitudeIsRefusedByAMessageBox) {
    for (Variable v : {Variable::X, Variable::Y})
        for (const char* latitude : {"", "   "})
            dialtest::expectRefused(run({45, 30, 0}, v, {{"txtLAT", latitude}}), kMissing);
}

TEST(Flat3dDrivers, VariableXRefusesAPlaneFacingEastOrWestAfterItsTitle) {
    for (double decl : {90.0, -90.0}) {
        const Outcome o = run({45, decl, 0}, Variable::X);
        EXPECT_EQ(o.messages, std::vector<std::string>{"Please use variable Y !!"});
        EXPECT_EQ(o.title, kTitleX);
        EXPECT_TRUE(o.busyChanges.empty());
        EXPECT_EQ(o.drawn(), 0u);
    }
}

TEST(Flat3dDrivers, VariableXDrawsTheHorizontalDialWhateverTheDeclinationBoxHolds) {
    // Variable Y sends the horizontal dial to variable X: X draws it with 90 in the box too,
    // the same dial as with 0, in both hemispheres and with either sign of 90.
    for (const Place& p : {Place{45, 90, 90}, Place{45, -90, -90}, Place{-33, 90, 90}}) {
        const Outcome o = run(p, Variable::X);
        EXPECT_TRUE(o.messages.empty()) << describe(p, Variable::X);
        EXPECT_EQ(o.title, kHorizontalTitleX);
        const Outcome zero = run({p.lat, 0, p.recl}, Variable::X);
        EXPECT_GT(o.drawn(), 1000u);
        EXPECT_EQ(o.list.points.size(), zero.list.points.size());
    }
}

TEST(Flat3dDrivers, VariableYShowsItsRefusalsAsTheTitle) {
    const Outcome south = run({45, 0, 20}, Variable::Y);
    EXPECT_EQ(south.title, "Please use variable X");
    const Outcome horizontal = run({45, 30, 90}, Variable::Y);
    EXPECT_EQ(horizontal.title, "Horizontal dial, please use variable X");
    // 90 typed with either sign is the horizontal dial in both hemispheres.
    std::vector<Outcome> outcomes = {south, horizontal};
    for (const Place& p : {Place{-40, 30, -90}, Place{-40, 30, 90}, Place{45, 30, -90}}) {
        outcomes.push_back(run(p, Variable::Y));
        EXPECT_EQ(outcomes.back().title, "Horizontal dial, please use variable X");
    }
    for (const Outcome& o : outcomes) {
        EXPECT_TRUE(o.messages.empty());
        EXPECT_TRUE(o.busyChanges.empty());
        EXPECT_EQ(o.drawn(), 0u);
    }
}

TEST(Flat3dDrivers, TitlesAndTheBusyCursor) {
    const struct {
        Place place;
        Variable v;
        std::string title;
    } cases[] = {{{45, 30, 20}, Variable::X, kTitleX},
                 {{45, 30, 90}, Variable::X, kHorizontalTitleX},
                 {{45, 30, 20}, Variable::Y, kTitleY}};
    for (const auto& c : cases) {
        const Outcome o = run(c.place, c.v);
        dialtest::expectDrawn(o, c.title);
        EXPECT_TRUE(o.completed);
        EXPECT_GT(o.drawn(), 1000u);
    }
    EXPECT_EQ(run({45, 30, -90}, Variable::X).title, kHorizontalTitleX);
}

// The position in the drawing order of the first primitive of a kind (and colour, for points).
std::size_t firstOf(const plot::DisplayList& list, char kind, plot::Colour colour = -1) {
    std::size_t point = 0, line = 0;
    for (std::size_t i = 0; i < list.DrawOrder.size(); ++i) {
        if (list.DrawOrder[i] == 'P') {
            if (kind == 'P' && list.points[point].Color == colour) return i;
            ++point;
        } else if (list.DrawOrder[i] == 'L') {
            if (kind == 'L') return i;
            ++line;
        }
    }
    return list.DrawOrder.size();
}

TEST(Flat3dDrivers, VariableXDrawsTheTriangleBeforeTheEquinoctialAndYAfterIt) {
    const Settings only = {
        {"chkOreAstronomiche", "0"}, {"ck_Sustilare", "0"}, {"ck_DayLightCurves", "0"},
        {"ck_Triangolo", "1"},       {"ck_Equinoziale", "1"}};
    for (Variable v : {Variable::X, Variable::Y}) {
        Flat3dDial dial({45, 30, 20}, v, only);
        ASSERT_TRUE(dial.run());
        const auto& list = dial.surface().displayList();
        const std::size_t triangle = firstOf(list, 'L');
        const std::size_t equinoctial = firstOf(list, 'P', numeric::qbColor(9));
        ASSERT_LT(triangle, list.DrawOrder.size());
        ASSERT_LT(equinoctial, list.DrawOrder.size());
        if (v == Variable::X)
            EXPECT_LT(triangle, equinoctial);
        else
            EXPECT_GT(triangle, equinoctial);
    }
}

TEST(Flat3dDrivers, HorizontalPlaneHasNoHorizonOrSubstyleLineButItsNoonLine) {
    // 90 typed with either sign, north and south: the dial facing up, with its noon line.
    for (const Place& p : {Place{45, 30, 90}, Place{45, 30, -90}, Place{-35, 30, -90},
                           Place{-35, 30, 90}}) {
        SCOPED_TRACE(describe(p, Variable::X));
        Flat3dDial dial(p, Variable::X,
                        {{"ck_orizzonte", "1"}, {"ck_Sustilare", "1"}, {"chkOreAstronomiche", "0"},
                         {"ck_DayLightCurves", "0"}, {"ck_Equinoziale", "0"}});
        dial.m().SubstyleAngle = 0.25;
        ASSERT_TRUE(dial.run());
        const Drawing d = dial.drawing();
        EXPECT_EQ(dial.m().SubstyleAngle, 0.25);   // no substyle computation
        EXPECT_NEAR(dial.m().StyleElevRad, std::fabs(p.lat) * dial.m().Pi / 180, 1e-9);
        // Only the noon line, on the meridian through the foot of the style, from the centre
        // towards the pole.
        EXPECT_EQ(d.withColour(numeric::qbColor(4)).size(), d.points.size());
        EXPECT_GT(d.points.size(), 400u);
        EXPECT_TRUE(oracle::allOnWholeHourLine(dial.oracle(), 0, d.at()));
        for (const oracle::DialXY& q : d.at()) ASSERT_NEAR(q.x, 0, 1e-12);
    }
}

TEST(Flat3dSetup, FoldsTheSouthernHemisphere) {
    Flat3dDial typedMinus90({-40, 30, -90}, Variable::X);
    ASSERT_TRUE(typedMinus90.setUp());
    EXPECT_EQ(typedMinus90.m().ReclDeg, 90);
    EXPECT_EQ(typedMinus90.m().WallDeclRad, 0);
    EXPECT_EQ(typedMinus90.m().LatDegrees, 40);
    EXPECT_EQ(typedMinus90.m().HemisphereSign, -1);

    // The plane facing the ground is never lit: 90 typed with either sign is the dial facing up.
    for (const Place& p : {Place{-40, 30, 90}, Place{40, 30, -90}}) {
        Flat3dDial typed90(p, Variable::X);
        ASSERT_TRUE(typed90.setUp());
        EXPECT_EQ(typed90.m().ReclDeg, 90);
        EXPECT_EQ(typed90.m().ReclRad, typed90.m().Pi / 2);
        EXPECT_EQ(typed90.m().WallDeclRad, 0);
    }

    Flat3dDial declining({-40, 30, 20}, Variable::Y, {{"txtLON", "-12.5"}, {"TxtFuso", "-1"}});
    ASSERT_TRUE(declining.setUp());
    const double pi = declining.m().Pi;
    EXPECT_DOUBLE_EQ(declining.m().WallDeclRad, -30 * pi / 180);
    EXPECT_EQ(declining.m().ReclDeg, -20);
    EXPECT_DOUBLE_EQ(declining.m().LonCorrRad, -2.5 * pi / 180);
    EXPECT_GE(declining.m().LatRad, 0);
}

TEST(Flat3dSetup, StoresTheInputsAndTheStyleTip) {
    // The definition, greyed out, is read only for the lines of equal altitude.
    Flat3dDial dial({45, 30, 20, 0.2}, Variable::X,
                    {{"txtLON", "-12.5"}, {"TxtFuso", "-1"}, {"TxtHour", "4"},
                     {"txt_Definition", "5"}, {"ckAlt", "1"}});
    ASSERT_TRUE(dial.setUp());
    const shell::Module1& m = dial.m();
    EXPECT_EQ(m.Pi, 3.141592654);
    EXPECT_EQ(m.HourStep, 3.75);
    EXPECT_EQ(m.PointStep, 0.05);
    EXPECT_DOUBLE_EQ(m.LonCorrRad, 2.5 * m.Pi / 180);
    // The oracle's style tip is the same point.
    const oracle::Vec3 tip = dial.oracle().tip();
    EXPECT_NEAR(tip.x, m.PlaneCoefX, 1e-12);
    EXPECT_NEAR(tip.y, m.PlaneCoefY, 1e-12);
    EXPECT_NEAR(tip.z, m.PlaneCoefZ, 1e-12);
}

TEST(Flat3dSubstyle, SouthWallAt45North) {
    Flat3dDial dial({45, 0, 0}, Variable::X);
    ASSERT_TRUE(dial.setUp());
    const double pi = dial.m().Pi;
    EXPECT_NEAR(dial.m().StyleElevRad, -45 * pi / 180, 1e-9);
    dial.m().SubstyleSlope = 0.7;   // as an earlier run may have left it
    ComputeSubstyleX(dial.ctx());
    EXPECT_NEAR(dial.m().StyleElevRad, 45 * pi / 180, 1e-9);
    EXPECT_NEAR(dial.m().StyleHypotenuse, 0.1 / std::sin(45 * pi / 180), 1e-9);
    EXPECT_EQ(dial.m().StyleLength, 0.1);
    EXPECT_EQ(dial.m().SubstyleSlope, 0);
    EXPECT_EQ(dial.m().SubstyleAngle, 0);
}

TEST(Flat3dSubstyle, TheSubstyleIsTheHourLineOfTheSubstyleHour) {
    for (const Place& place : {Place{45, 30, 0}, Place{52, -25, 35}, Place{-35, 20, -30}}) {
        for (Variable v : {Variable::X, Variable::Y}) {
            SCOPED_TRACE(describe(place, v));
            Flat3dDial dial(place, v);
            ASSERT_TRUE(dial.setUp());
            const Drawing d = dial.draw(DrawSubstyleLineX, DrawSubstyleLineY);
            const double slope = dial.m().SubstyleSlope;
            dial.call(ComputeSubstyleX, ComputeSubstyleY);
            EXPECT_NEAR(dial.m().SubstyleSlope, slope, 1e-9);
            EXPECT_TRUE(oracle::allOnWholeHourLine(
                dial.oracle(), dial.oracleHourAngle(dial.m().SubstyleHour), d.at()));
        }
    }
}

TEST(Flat3dFailures, AnHourFractionOfZeroIsRefusedAndKeepsTheDrawing) {
    // An hour fraction of 0 or below, or a style behind the dial, is refused before the run,
    // naming the box: nothing of the drawing is lost.
    const struct {
        const char* box;
        const char* value;
        const char* message;
    } rows[] = {{"TxtHour", "0", "Hour fraction"},
                {"TxtHour", "-2", "Hour fraction"},
                {"txtStilo", "-0.1", "Perpendicular style"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.box) + " " + row.value);
        Flat3dDial dial({45, 30, 20}, Variable::X);
        ASSERT_TRUE(dial.run());
        const std::size_t drawn = dial.surface().displayList().points.size();
        dial.services().busyChanges.clear();
        dial.set(row.box, row.value);
        EXPECT_FALSE(dial.run());
        ASSERT_EQ(dial.services().messages.size(), 1u);
        EXPECT_NE(dial.services().messages[0].find(row.message), std::string::npos)
            << dial.services().messages[0];
        EXPECT_EQ(dial.surface().displayList().points.size(), drawn);
        EXPECT_TRUE(dial.services().busyChanges.empty());
        EXPECT_EQ(dial.surface().view().title, kTitleX);
    }
}

TEST(Flat3dSetup, APlanePerpendicularToThePolarAxisIsDrawnByBothVariables) {
    // The face turned to the north pole: the sine of the style's elevation is 1, or just past
    // it by rounding (12 / 180 / 12 in variable X). The style stands along the polar axis and
    // every hour line is a ray from the foot of the style.
    for (const Place& place : {Place{12, 180, 12}, Place{10, 180, 10}}) {
        for (Variable v : {Variable::X, Variable::Y}) {
            SCOPED_TRACE(describe(place, v));
            const Outcome o = run(place, v);
            dialtest::expectDrawn(o, v == Variable::X ? kTitleX : kTitleY);
            EXPECT_TRUE(o.completed);
            EXPECT_GT(o.drawn(), 0u);

            Flat3dDial dial(place, v, {{"TxtHour", "1"}});
            ASSERT_TRUE(dial.setUp());
            const double pi = dial.m().Pi;
            EXPECT_EQ(dial.m().StyleElevRad, pi / 2);
            const Drawing d = dial.draw(DrawHourLinesX, DrawHourLinesY);
            const auto lines = d.byTag();
            EXPECT_GE(lines.size(), 12u);
            for (const auto& [hourAngle, points] : lines)
                EXPECT_TRUE(oracle::allOnHourLine(dial.oracle(), dial.oracleHourAngle(hourAngle),
                                                  points));
            dial.call(ComputeSubstyleX, ComputeSubstyleY);
            EXPECT_EQ(dial.m().StyleElevRad, -pi / 2);
        }
    }
    // The first input is the one whose sine rounding pushes past 1.
    const double r = 12 * oracle::kStoredPi / 180;
    EXPECT_GT(std::sin(r) * std::sin(r) - std::cos(r) * std::cos(r) * std::cos(oracle::kStoredPi),
              1.0);
}

}  // namespace
}  // namespace flat3dtest
