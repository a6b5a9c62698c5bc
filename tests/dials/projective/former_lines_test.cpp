// Every line family of the former projective dial against the shadow oracle, on declining,
// reclining and inclining planes, facing south and north, and past the vertical.

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "former_fixture.h"
#include "latter_fixture.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"

namespace formertest {
namespace {

using namespace dials::projective;
using numeric::qbColor;
using oracle::DialXY;

const Plane kPlanes[] = {
    {45.7438, 0, 0},  {45, 30, 0},     {45, 20, 30},   {52, -40, -20},
    {40, 60, 50},     // past the polar axis: the centre beyond the foot
    {50, 120, 0},     {60, -150, 40},  {45, -120, -50}, {30, -30, 120}, {45, 170, 110},
    {30, 40, -70},    // the substyle runs down the slope from the foot
    {30, 0, -50},     // due south, inclining: the foot above the centre
    {45, 0, 100},     // due south, reclined past the polar axis
    {23.45, 15, 10},  // the solstice cone cuts a parabola from the reference plane
    {45, 25, 15},     // so does the circle touching the horizon
    {70, 10, -20, 0.2},
    // inclined past the vertical
    {45, 0, -100},    {45, 30, -100},  {45, 0, -179},   {45, -120, -135},
    // facing nearly south, reclined or inclined: the noon line runs almost along the slope
    {45, 0.5, 30},    {45, -1, -30},   {11.5, 0.5, -30}, {30, 0.1, 10},
    // nearly level, facing up or down: the lines cross the plot area near the vanishing line
    {45, 20, 89.9},   {10, 0, 89.99},  {80, -150, -89.9999999}, {45, 135, -89.999},
    // a thousandth of a degree off the polar axis: the declination lines' ellipses on the
    // reference plane turn metres off, where its sweep steps are metres long
    {45, 0, 45.001},  {30, 0, 59.999},
};

class FormerLines : public testing::TestWithParam<Plane> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dial.setUp());
        ASSERT_TRUE(o.centre().has_value());
        c = *o.centre();
        near = tolerance * std::max(1.0, std::hypot(c.x, c.y));
    }
    FormerDial dial{GetParam()};
    const oracle::ShadowOracle o = dial.oracle();
    const double tolerance = oracle::toleranceFor(GetParam().style);
    // How close a drawn point lies to every shadow of its line in the plot area: the line step,
    // and the rounding of a point at either end of a drawn stretch.
    const double laid = dialtest::kLineStep + tolerance;
    DialXY c;          // the true centre, seen from the foot
    double near = 0;   // the tolerance at the centre's distance
    // The vertical through the centre, drawn where it crosses the plot area.
    std::vector<dialtest::Segment> vertical() {
        const auto drawn = dial.drawing().segmentsWithColour(qbColor(8));
        // Off the area it may be recorded where it lies near enough for the plot to clip it.
        const bool inArea = c.x > dialtest::kPlotArea.left && c.x < dialtest::kPlotArea.right;
        EXPECT_EQ(drawn.size(), inArea ? 1u : std::min<std::size_t>(drawn.size(), 1));
        for (const auto& v : drawn) EXPECT_EQ(v.a.x, -dial.m().OriginX);
        return drawn;
    }
};

TEST_P(FormerLines, StraightLinesFromTheFoot) {
    const shell::Module1& m = dial.m();
    EXPECT_NEAR(-m.OriginX, c.x, near);
    EXPECT_NEAR(-m.OriginY, c.y, near);
    vertical();

    const auto substyle = dial.draw(DrawSubstyleProjFormer).at();
    if (GetParam().decl == 0) {
        EXPECT_TRUE(substyle.empty());  // it lies on the vertical
    } else {
        ASSERT_GT(substyle.size(), 2u);
        EXPECT_LT(oracle::distanceToLine({0, 0}, substyle.front(), substyle.back()), 1e-12);
        EXPECT_LT(oracle::distanceToLine(c, substyle.front(), substyle.back()), near);
    }

    // Level with the tip; none where that lies far off (a plane next to the level).
    const auto horizon = dial.draw(DrawHorizonProj).segmentsWithColour(qbColor(2));
    const double level = GetParam().style * std::tan(GetParam().recl * kPi / 180);
    const std::size_t drawn = horizon.size();
    ASSERT_TRUE(std::fabs(level) < 10 ? drawn == 1 : std::fabs(level) > 1e3 ? drawn == 0 : drawn <= 1);
    for (const auto& h : horizon) {
        EXPECT_NEAR(o.altitudeAt(h.a.x, h.a.y), 0, 1e-6);
        EXPECT_EQ(h.a.y, h.b.y);
    }

    // Apart in the corner: the perpendicular style, then the substyle, foot to centre, as
    // long as the true one (as far as the plot area shows it).
    const auto apart = dial.draw(DrawStyleTriangleProjFormer).segments;
    ASSERT_EQ(apart.size(), 3u);
    const DialXY corner{dial.surface().ShiftX() - 0.005, dial.surface().ShiftY()};
    EXPECT_EQ(apart[0].a.x, corner.x);
    EXPECT_EQ(apart[0].a.y, corner.y);
    EXPECT_NEAR(apart[0].a.y - apart[0].b.y, GetParam().style, 1e-15);
    EXPECT_TRUE(latterproj::shows(apart[1], {corner.x - std::hypot(c.x, c.y), corner.y}, corner,
                                  near));

    // Turned down: the tip T' at the style's length from the foot, across the substyle.
    FormerDial turned(GetParam(), {{"ck_Triangolo", "1"}});
    ASSERT_TRUE(turned.setUp());
    std::vector<dialtest::Segment> laid;
    for (const auto& s : turned.drawing().segments)
        if (s.colour != qbColor(8)) laid.push_back(s);
    // None where the style stands perpendicular to the plane: it has no substyle.
    if (std::hypot(c.x, c.y) < near) return;
    ASSERT_EQ(laid.size(), 3u);
    const DialXY tip = laid[1].a;
    EXPECT_NEAR(std::hypot(tip.x, tip.y), GetParam().style, 1e-12);
    EXPECT_NEAR(tip.x * c.x + tip.y * c.y, 0, near);
    EXPECT_TRUE(latterproj::shows(laid[0], c, tip, near));
}

TEST_P(FormerLines, HourNoonAndEquinoctialLines) {
    dial.tagWith(&shell::Module1::HourLoop);
    const dialtest::Drawing hours = dial.draw(DrawHourLinesProjFormer);
    const auto lines = hours.byTag();
    // Every half hour, as the hour fraction box starts: near the polar axis the lines run
    // parallel, and those far from the substyle miss the plot area.
    ASSERT_LE(lines.size(), 25u);
    for (double H = -90; H <= 90; H += 7.5) {
        const auto points = lines.count(H) ? lines.at(H) : std::vector<DialXY>{};
        EXPECT_TRUE(oracle::allOnWholeHourLine(o, -H, points, tolerance)) << "hour " << H;
        // Drawn whole, on both sides of the centre: every shadow of the hour or of the hour
        // twelve hours away in the plot area has a point within the line step.
        std::vector<oracle::HourDecl> suns = oracle::sunsOfHourAngle(-H);
        for (const oracle::HourDecl& s : oracle::sunsOfHourAngle(180 - H)) suns.push_back(s);
        EXPECT_TRUE(oracle::laidWithinTheStep(o, suns, points, dialtest::kPlotArea, laid,
                                              "hour " + std::to_string(H)));
    }
    EXPECT_EQ(hours.withColour(qbColor(12)).size(), lines.count(0) ? lines.at(0).size() : 0);

    const auto noon = dial.draw(DrawNoonLineProjFormer).at();
    const auto vertical = this->vertical();
    const bool untilted = GetParam().decl == 0 || GetParam().recl == 0;
    if (untilted) {
        EXPECT_TRUE(noon.empty());  // the vertical through the centre is the noon line
        EXPECT_TRUE(oracle::allOnWholeHourLine(o, 0, {{c.x, c.y - 0.3}, {c.x, c.y + 0.3}}));
    } else {
        EXPECT_GT(noon.size(), 100u);
        EXPECT_TRUE(oracle::allOnWholeHourLine(o, 0, noon, tolerance));
    }
    // Every noon shadow of the year that falls in the plot area lies on the drawn noon line,
    // with a point of it within a millimetre, also where the line runs almost along the slope
    // (a plane facing nearly south); the vertical of an untilted plane reaches them all.
    const auto [left, right, bottom, top] = dialtest::kPlotArea;
    for (double d = -23.45; d <= 23.45; d += 0.25) {
        const auto shadow = o.shadow(0, d);
        if (!shadow || !shadow->sunInFront || !shadow->sunAboveHorizon) continue;
        const DialXY s = shadow->point;
        if (s.x < left + 0.01 || s.x > right - 0.01 || s.y < bottom + 0.01 || s.y > top - 0.01)
            continue;
        SCOPED_TRACE("noon shadow of declination " + std::to_string(d));
        if (untilted) {
            ASSERT_EQ(vertical.size(), 1u);
            EXPECT_NEAR(s.x, vertical[0].a.x, near);
            EXPECT_LE(std::min(vertical[0].a.y, vertical[0].b.y), s.y);
            continue;
        }
        double nearest = INFINITY;
        for (const DialXY& p : noon) nearest = std::min(nearest, oracle::distance(p, s));
        EXPECT_LT(nearest, 1e-3);
    }

    // The equinoctial whole, wherever it crosses the plot area (near the equator on a wall
    // facing south it lies metres away, off the area, and nothing is drawn).
    const auto equinoctial = dial.draw(DrawEquinoctialProj).at();
    EXPECT_LT(oracle::largestGapAlongSunlitCurves(o, 0, equinoctial, dialtest::kPlotArea), 0.002);
    EXPECT_TRUE(oracle::allOnDeclinationCurve(o, 0, equinoctial, tolerance));
}

// Only the shadows of a sun above the horizon; drawn wherever such shadows fall near the foot.
TEST_P(FormerLines, DeclinationLinesAt23_45And20_011And11_5) {
    const dialtest::Drawing d = dial.draw(DrawDeclinationLinesProjFormer);
    for (const auto& [colour, declination] : {std::pair{12, 23.45}, {13, 20.011}, {11, 11.5}}) {
        const double half = 3 * GetParam().style;
        EXPECT_TRUE(oracle::sunlitDeclinationPair(o, declination, d.withColour(qbColor(colour)),
                                                  10, half, tolerance))
            << declination;
        std::vector<oracle::HourDecl> suns = oracle::sunsOfDeclination(declination);
        for (const oracle::HourDecl& s : oracle::sunsOfDeclination(-declination))
            suns.push_back(s);
        EXPECT_TRUE(oracle::laidWithinTheStep(o, suns, d.withColour(qbColor(colour)),
                                              dialtest::kPlotArea,
                                              laid, "declination " + std::to_string(declination)));
    }
}

// Through the equinoctial point of the programme's hour angle H (morning +) pass the Italian
// hour 18 - H / 15 and the Babylonian hour 6 - H / 15. Each line is drawn where a sun of its own
// hour casts it, above the horizon, and wherever such a sun casts it inside the plot area, 2 mm
// apart, in whatever direction it runs (near the equator the sixth hours run almost level). At
// H = +-90 the lines are the two horizontal tangents: Italian 24 and Babylonian 0 are the
// horizon itself, which no sun above the horizon casts.
TEST_P(FormerLines, ItalianAndBabylonianHours) {
    dial.tagWith(&shell::Module1::HourCounter);
    const oracle::DialArea& area = dialtest::kPlotArea;
    for (const bool italian : {true, false}) {
        SCOPED_TRACE(italian ? "Italian" : "Babylonian");
        const dialtest::Drawing d =
            dial.draw(italian ? DrawItalianHoursProjFormer : DrawBabylonianHoursProjFormer);
        EXPECT_EQ(d.withColour(qbColor(italian ? 12 : 13)).size(), d.points.size());
        const auto lines = d.byTag();
        EXPECT_EQ(lines.count(italian ? -90 : 90), 0u);  // the horizon
        for (double H = -90; H <= 90; H += 15) {
            const double n = italian ? 18 - H / 15 : 6 - H / 15;
            const auto line = lines.count(H) ? lines.at(H) : std::vector<DialXY>{};
            if (italian) {
                EXPECT_TRUE(oracle::sunlitItalianLine(o, n, line, area, 0.003)) << H;
            } else {
                EXPECT_TRUE(oracle::sunlitBabylonianLine(o, n, line, area, 0.003)) << H;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Planes, FormerLines, testing::ValuesIn(kPlanes));

// Near the polar axis the centre lies kilometres away; the horizon, level with the tip, stays
// where the tip is.
TEST(FormerHorizon, LevelWithTheTipNearThePolarAxis) {
    for (const Plane& p : {Plane{89.9, 0.5, 0.1}, Plane{0.01, -1, 89.99},
                           Plane{45, 0.5, 45}, Plane{60, 0, 30.01}}) {
        SCOPED_TRACE(describe(p));
        FormerDial dial(p);
        ASSERT_TRUE(dial.setUp());
        const auto horizon = dial.draw(DrawHorizonProj).segmentsWithColour(qbColor(2));
        ASSERT_LE(horizon.size(), 1u);  // none where it lies far off
        for (const auto& h : horizon) EXPECT_NEAR(dial.oracle().altitudeAt(h.a.x, h.a.y), 0, 1e-7);
    }
}

// Latitudes equal to a line's declination, where its cone cuts a parabola from the reference
// plane, and latitudes next to them; latitudes next to the equator, where the centre lies
// kilometres above the equinoctial line of the reference plane and the Italian hour 18 and the
// Babylonian hour 6 run almost level.
INSTANTIATE_TEST_SUITE_P(
    Latitudes, FormerLines,
    testing::Values(Plane{11.5, 0, 0}, Plane{11.5, 30, 20}, Plane{20.011, 0, 0},
                    Plane{20.011, 0, -40}, Plane{23.45, 0, 0}, Plane{11.5001, 0, 0},
                    Plane{20.001, -20, 10}, Plane{0.001, 20, 30}, Plane{0.01, -30, -20},
                    Plane{0.001, -40, 15}, Plane{0.01, 0, 0}, Plane{0.01, 20, 0}, Plane{1.3, 0, 0},
                    Plane{0.001, -40, 110}, Plane{3, -10, 0}, Plane{0.5, 45, -30}));

// Next to a plane that holds the polar axis, the centre and the reference plane lie up to
// kilometres off (1e-6 to 0.01 degree off it, on both sides, also turned past the vertical);
// latitudes from 89.5 to the pole, where the reference plane passes within s cos(lat) of the
// tip and the hour lines on it run out through infinity within a fraction of a step; equatorial
// planes seen from below and from above past the vertical, whose style stands perpendicular.
// Next to a polar plane at a latitude equal to a line's declination (its cone through the
// zenith cuts a parabola from the reference plane, whose point at infinity the sweep of the
// reciprocal abscissa reaches only in the limit), and 1e-7 degree off one with a long style
// (its ellipses turn within a millionth of a step of that sweep's point at infinity): the
// lines' whole lit stretch in the plot area lies within one step of it.
std::vector<Plane> nearTheLimits() {
    std::vector<Plane> planes = {{75, 41.603256, 11.329863},
                                 {89.5, 0, 89, 0.2},  {89.7, -120, -30, 0.5}, {89.9, 30, 20},
                                 {89.95, 0, 0, 0.2},  {89.99, 150, -60, 0.2}, {90, 30, 40, 0.2},
                                 {1.351, 0, -1.351, 0.5}, {60, 0, -60},       {30, 0, 150},
                                 {11.5, 112.35, -62, 0.5}, {23.45, 100, -21.816136444, 0.5},
                                 {20.011, -100, 154.508745532, 0.5},
                                 {21, -67, 45.50793628884671, 0.9}};
    for (const auto& [lat, decl] : {std::pair{75.0, 41.603256}, {30.0, -70.0}, {45.0, 120.0}}) {
        const double polar = std::atan(std::cos(decl * kPi / 180) / std::tan(lat * kPi / 180));
        for (const double off : {1e-6, -1e-4, 0.01})
            planes.push_back({lat, decl, polar * 180 / kPi + off + (decl > 90 ? 180 : 0)});
    }
    return planes;
}
INSTANTIATE_TEST_SUITE_P(NearTheLimits, FormerLines, testing::ValuesIn(nearTheLimits()));

}  // namespace
}  // namespace formertest
