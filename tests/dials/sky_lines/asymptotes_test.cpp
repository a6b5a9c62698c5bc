// The asymptotes of the solstice hyperbolas of vertical dials against the shadow oracle: each
// drawn point lies on one of the two lines in which the dial meets the planes tangent to the
// cone of the solstice sun along its generators parallel to the dial.

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "dials/sky_lines/sky_lines.h"
#include "numeric/palette.h"
#include "support/dial_fixture.h"
#include "support/oracle_checks.h"

namespace {

using dials::sky_lines::PlotAsymptotes;
using oracle::Vec3;

// The normals of the two tangent planes through the style tip.
std::vector<Vec3> tangentPlanes(const oracle::ShadowOracle& o, double declinationDeg) {
    const Vec3 p = o.sky().pole(), a = o.axisX(), b = o.axisY();
    const double s = std::sin(o.sky().rad(declinationDeg));
    const double A = oracle::dot(a, p), B = oracle::dot(b, p);
    const double r = std::hypot(A, B);
    std::vector<Vec3> out;
    if (std::fabs(s) > r) return out;
    const double base = std::atan2(B, A), spread = std::acos(s / r);
    for (double th : {base + spread, base - spread}) {
        const Vec3 g = std::cos(th) * a + std::sin(th) * b;  // a sun direction along the dial
        out.push_back(2 * oracle::dot(g, p) * p - 2 * s * s * g);
    }
    return out;
}

double distanceToCut(const oracle::ShadowOracle& o, const Vec3& cut, double x, double y) {
    const Vec3 inPlane = cut - oracle::dot(cut, o.normal()) * o.normal();
    return std::fabs(oracle::dot(o.worldPoint(x, y) - o.tip(), cut)) / oracle::norm(inPlane);
}

// A vertical programme's reader as the caller leaves it: the light graph and the vertical
// dial by spherical trigonometry keep the typed declination, the vertical 2D programme turns
// its sign and keeps its own substyle.
struct Caller {
    const char* menu;
    bool negatesDeclination;
};

// The points drawn, in dial coordinates (x, -plot y).
std::vector<oracle::DialXY> drawAsymptotes(const Caller& caller, double lat, double decl,
                                           double style) {
    dialtest::ProgrammeDial dial(caller.menu);
    shell::Module1& m = dial.m();
    m.Pi = 3.141592654;
    m.HemisphereSign = lat >= 0 ? 1 : -1;
    m.LatRad = lat * m.Pi / 180;
    m.DeclDecimal = caller.negatesDeclination ? -decl : decl;
    m.WallDeclRad = m.DeclDecimal * m.Pi / 180;
    m.StyleLength = style;
    m.SubstyleRad = std::atan(std::sin(m.WallDeclRad) / std::tan(m.LatRad));
    const dialtest::Drawing drawing = dial.draw(PlotAsymptotes);
    EXPECT_EQ(drawing.withColour(numeric::qbColor(2)).size(), drawing.points.size());
    return drawing.at();
}

struct AsymptoteCase {
    Caller caller;
    double lat, decl;
    double physicalDecl;  // the wall as the oracle takes it
};

void PrintTo(const AsymptoteCase& c, std::ostream* out) {
    *out << c.caller.menu << ", lat " << c.lat << ", decl " << c.decl;
}

const Caller kLight{"M_Light", false}, kVertical2D{"M_Frinter", true},
    kSpherical{"mnuVertSph", false};

const std::vector<AsymptoteCase> kCases = {
    {kLight, 45, 0, 0},          {kLight, 45, 30, 30},        {kLight, 40, -50, -50},
    {kLight, 52, 70, 70},        {kVertical2D, 45, 0, 0},     {kVertical2D, 45, 30, 30},
    {kLight, 0, 40, 40},         {kLight, 0, -40, -40},
    {kVertical2D, 52, -70, -70}, {kVertical2D, -45, 0, 180},  {kVertical2D, -45, 30, 150},
    {kVertical2D, -35, -40, 220}, {kSpherical, 45, 20, 20},   {kSpherical, 38, -35, -35},
    // On the equator cos(e) equals |sin D| but for rounding: for these walls (and 40 degrees)
    // the sine of the substyle comes out a hair beyond 1, which must not stop the run.
    {kLight, 0, -79.15, -79.15}, {kLight, 0, -75.5, -75.5},   {kLight, 0, 89.95, 89.95},
};

class AsymptotesOnOracle : public testing::TestWithParam<AsymptoteCase> {};

TEST_P(AsymptotesOnOracle, BothLinesAreTheSolsticeAsymptotes) {
    const AsymptoteCase c = GetParam();
    const std::vector<oracle::DialXY> points = drawAsymptotes(c.caller, c.lat, c.decl, 0.1);
    const oracle::ShadowOracle o(c.lat, c.physicalDecl, 0, 0.1);
    const std::vector<Vec3> cuts = tangentPlanes(o, 23.45);
    ASSERT_EQ(cuts.size(), 2u);
    std::size_t onLine[2] = {0, 0};
    const double tolerance = oracle::toleranceFor(0.1);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const oracle::DialXY& p = points[i];
        const double d0 = distanceToCut(o, cuts[0], p.x, p.y);
        const double d1 = distanceToCut(o, cuts[1], p.x, p.y);
        EXPECT_LT(std::min(d0, d1), tolerance) << "point " << i;
        ++onLine[d0 < d1 ? 0 : 1];
    }
    // Each t gives one point of each line; the plot keeps those inside its area.
    EXPECT_GT(onLine[0], 500u);
    EXPECT_GT(onLine[1], 500u);
}

INSTANTIATE_TEST_SUITE_P(Callers, AsymptotesOnOracle, testing::ValuesIn(kCases));

TEST(Asymptotes, EllipsesHaveNone) {
    // Near the equator the solstice curves of a south wall are ellipses.
    EXPECT_TRUE(drawAsymptotes(kLight, 10, 0, 0.1).empty());
}

TEST(Asymptotes, AStyleAlmostPerpendicularToTheWallHasNone) {
    // Walls facing north or south on the equator: the style lies along (or almost along) the
    // polar axis, perpendicular to the wall, the solstice curves are circles or near-circles and
    // the substyle's sine must not come out as a ratio of two rounding errors.
    for (double decl : {180.0, -180.0, 179.999, -179.99, 0.0, 0.001}) {
        SCOPED_TRACE(decl);
        for (const Caller& caller : {kLight, kSpherical}) {
            std::vector<oracle::DialXY> points;
            ASSERT_NO_THROW(points = drawAsymptotes(caller, 0, decl, 0.1));
            EXPECT_TRUE(points.empty());
        }
    }
}

TEST(Asymptotes, EveryCallerDrawsAsWithoutAsymptotesWhereThereAreNone) {
    const std::vector<std::pair<const char*, dialtest::Settings>> runs = {
        {"M_Light", {{"txtLAT", "0"}, {"txtDecl", "180"}}},
        {"M_Light", {{"txtLAT", "0"}, {"txtDecl", "-180"}}},
        {"M_Light", {{"txtLAT", "0"}, {"txtDecl", "179.999"}}},
        {"mnuVertSph", {{"txtLAT", "0"}, {"txtDecl", "180"}}},
        {"mnuVertSph", {{"txtLAT", "0"}, {"txtDecl", "-180"}}},
        {"M_Frinter", {{"txtLAT", "0"}, {"txtDecl", "180"}}},
    };
    for (const auto& [programme, typed] : runs) {
        SCOPED_TRACE(std::string(programme) + " " + typed[1].second);
        std::vector<dialtest::Outcome> outcomes;
        for (const char* asymptotes : {"0", "1"}) {
            dialtest::Settings settings = typed;
            settings.emplace_back("ck_Asintoti", asymptotes);
            outcomes.push_back(dialtest::runProgramme(programme, settings));
        }
        EXPECT_TRUE(outcomes[1].messages.empty());
        EXPECT_TRUE(outcomes[1].completed);
        EXPECT_EQ(outcomes[1].messages, outcomes[0].messages);
        EXPECT_EQ(outcomes[1].list.points.size(), outcomes[0].list.points.size());
        EXPECT_EQ(outcomes[1].list.lines.size(), outcomes[0].list.lines.size());
    }
}

TEST(Asymptotes, TheSphericalVerticalDialTurnsTheSouthernDrawingOver) {
    // The southern drawing is the northern one turned top to bottom.
    const std::vector<oracle::DialXY> south = drawAsymptotes(kSpherical, -40, 25, 0.1);
    ASSERT_GT(south.size(), 1000u);
    const oracle::ShadowOracle north(40, 25, 0, 0.1);
    const std::vector<Vec3> cuts = tangentPlanes(north, 23.45);
    ASSERT_EQ(cuts.size(), 2u);
    for (const oracle::DialXY& p : south) {
        EXPECT_LT(std::min(distanceToCut(north, cuts[0], p.x, -p.y),
                           distanceToCut(north, cuts[1], p.x, -p.y)),
                  oracle::toleranceFor(0.1));
    }
}

}  // namespace
