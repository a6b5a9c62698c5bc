// Every line family of the parabolic dial against the shadow model of the cylinder: each drawn
// point lies on the cut of the surface by its line's plane or cone through the tip.

#include <cmath>
#include <memory>
#include <set>

#include <gtest/gtest.h>

#include "dials/cylindrical/parabolic_procedures.h"
#include "dials/flat3d/sun_series.h"
#include "numeric/step_loop.h"
#include "parabolic_fixture.h"

namespace paratest {
namespace {

namespace cyl = dials::cylindrical;
using oracle::DialXY;

class ParabolicLines : public testing::TestWithParam<Cylinder> {
protected:
    void SetUp() override {
        dial = std::make_unique<ParabolicDial>(GetParam(), only({}));
        dial->set("TxtHour", "1");
        ASSERT_TRUE(dial->setUp());
    }
    std::unique_ptr<ParabolicDial> dial;
};

// An hour plane holds the suns of H and of H + 180: the drawn line is the whole cut.
void expectHourLine(const oracle::ParabolicOracle& o, double hour,
                    const std::vector<DialXY>& points, const std::string& what) {
    EXPECT_TRUE(allWithin(points, [&](DialXY p) { return o.distanceToHourLine(hour, p); }, what));
}

TEST_P(ParabolicLines, HourLinesLieOnTheirHourPlanes) {
    const auto o = dial->oracle();
    dial->tagWith(&shell::Module1::HourAngleRad);
    const Drawing d = dial->drawSection(cyl::DrawParabolicHourLines);
    const auto lines = d.byTag();
    // True noon is the noon generatrix: twelve lines of -90 to 90 but 0.
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines.count(0), 0u);
    // The concave side runs through the hours the other way.
    const double s = GetParam().convex ? 1 : -1;
    for (const auto& [H, points] : lines) {
        EXPECT_GT(points.size(), 20u) << "hour " << H;
        expectHourLine(o, s * H, points, "hour " + std::to_string(H));
    }
    for (const DrawnPoint& p : d.points)
        ASSERT_EQ(p.colour, colourOf(p.tag == 90 ? 9 : 7)) << "hour " << p.tag;
}

TEST_P(ParabolicLines, SubstyleIsTheHourPlaneThroughTheStyle) {
    const Cylinder c = GetParam();
    // The driver leaves it out at the equator.
    if (c.lat == 0) return;
    const auto o = dial->oracle();
    const Drawing d = dial->drawSection(cyl::DrawParabolicSubstyleLine);
    if (c.decl == 0) {
        EXPECT_TRUE(d.points.empty());
        return;
    }
    const double H = o.sky().deg(std::atan(std::tan(o.sky().rad(c.decl)) /
                                           std::sin(o.sky().rad(c.lat))));
    EXPECT_GT(d.points.size(), 20u);
    EXPECT_TRUE(allWithin(d.at(), [&](DialXY p) { return o.distanceToHourLine(H, p); },
                          "substyle"));
    EXPECT_EQ(d.colours(), std::set<plot::Colour>{colourOf(9)});
}

TEST_P(ParabolicLines, EquinoctialIsTheCutOfTheEquator) {
    const Cylinder c = GetParam();
    const auto o = dial->oracle();
    const Drawing d = dial->drawSection(cyl::DrawParabolicEquinoctialLine);
    if (c.lat == 0) {
        // The plane of the equator is vertical: no height over a sample can be computed.
        EXPECT_TRUE(d.points.empty());
        return;
    }
    EXPECT_GT(d.points.size(), 20u);
    EXPECT_TRUE(allWithin(d.at(), [&](DialXY p) { return o.distanceToEquinoctial(p); },
                          "equinoctial"));
}

TEST_P(ParabolicLines, DeclinationLinesLieOnTheirCones) {
    const auto o = dial->oracle();
    const Drawing d = dial->drawSection(cyl::DrawParabolicDeclinationLines);
    struct Line {
        int colour;
        double declination;
    };
    std::size_t total = 0;
    for (const Line line : {Line{12, 23.45}, Line{13, 20.001}, Line{11, 11.5001}}) {
        const auto points = d.withColour(colourOf(line.colour));
        total += points.size();
        EXPECT_GT(points.size(), 20u) << line.declination;
        EXPECT_TRUE(allWithin(
            points, [&](DialXY p) { return o.distanceToDeclinationPair(line.declination, p); },
            "declination " + std::to_string(line.declination)));
    }
    EXPECT_EQ(total, d.points.size());
}

// Italian hour n (24 - alpha / 15 for alpha 0..180) and Babylonian hour n (-alpha / 15 for
// -180..0) lie on one great circle of suns; its plane through the tip cuts the whole line. A
// plane nearly horizontal (alpha 180 at latitude 45) cuts the surface far off the plot.
void expectTurnedHorizons(const oracle::ParabolicOracle& o, const Drawing& d, bool italian) {
    const auto lines = d.byTag();
    EXPECT_GE(lines.size(), 11u);
    for (const auto& [alpha, points] : lines) {
        const double n = italian ? 24 - alpha / 15 : -alpha / 15;
        const oracle::Vec3 normal =
            italian ? o.sky().italianCircleNormal(n) : o.sky().babylonianCircleNormal(n);
        const std::string what = (italian ? "Italian " : "Babylonian ") + std::to_string(n);
        EXPECT_TRUE(allWithin(points, [&](DialXY p) { return o.distanceToPlaneCut(normal, p); },
                              what));
    }
}

TEST_P(ParabolicLines, ItalianAndBabylonianHoursLieOnTheirCircles) {
    dial->tagWith(&shell::Module1::HourLoop);
    const auto o = dial->oracle();
    const Drawing italian = dial->drawSection(cyl::DrawParabolicItalianHours);
    EXPECT_EQ(italian.colours(), std::set<plot::Colour>{colourOf(12)});
    expectTurnedHorizons(o, italian, true);
    const Drawing babylonian = dial->drawSection(cyl::DrawParabolicBabylonianHours);
    EXPECT_EQ(babylonian.colours(), std::set<plot::Colour>{colourOf(13)});
    expectTurnedHorizons(o, babylonian, false);
}

TEST_P(ParabolicLines, GeneratricesAndTriangleStandWhereTheModelPutsThem) {
    const Cylinder c = GetParam();
    const auto o = dial->oracle();
    const Drawing g = dial->drawSection(cyl::DrawParabolicGeneratrices);
    ASSERT_EQ(g.segments.size(), 2u);
    EXPECT_NEAR(g.segments[0].a.x, o.developed(0), 1e-9);  // the vertex
    EXPECT_EQ(g.segments[0].colour, colourOf(1));
    EXPECT_NEAR(g.segments[1].a.x, o.noonAbscissa(), 1e-9);
    EXPECT_EQ(g.segments[1].colour, colourOf(4));
    for (const auto& s : g.segments) EXPECT_EQ(s.a.x, s.b.x);

    // The polar style's top is the centre, where every hour line meets the noon generatrix.
    const Drawing t = dial->drawSection(cyl::DrawParabolicStyleTriangle);
    ASSERT_EQ(t.segments.size(), 4u);
    const auto& style = t.segments[0];
    EXPECT_NEAR(style.a.x, o.centre().x, 1e-9);
    EXPECT_NEAR(style.a.y, o.centre().y, 1e-9);
    EXPECT_NEAR(style.b.y, 0, 1e-12);
    EXPECT_NEAR(oracle::distance(style.a, style.b), dial->m().StyleHypotenuse, 1e-9);
    EXPECT_NEAR(t.segments[2].b.y, c.style, 1e-12);  // the perpendicular style, folded up
}

TEST_P(ParabolicLines, AnalemmaIsTheTrueSunAtStandardNoon) {
    constexpr double lonWest = -12.5, zone = -1;
    dial->set("txtLON", dialtest::number(lonWest));
    dial->set("TxtFuso", dialtest::number(zone));
    ASSERT_TRUE(dial->setUp());
    const auto o = dial->oracle();
    const Drawing d = dial->drawSection(cyl::DrawParabolicAnalemma);
    const plot::PlotSurface& plot = dial->surface();
    const double obliquity = dials::flat3d::kAnalemmaObliquityDeg * oracle::kStoredPi / 180;
    std::vector<DialXY> expected;
    for (double T : numeric::StepRange(0, 360, dials::flat3d::kMeanDayDeg)) {
        const auto sun = dials::flat3d::sunForDay(T, obliquity, oracle::kStoredPi);
        const double H = o.sky().deg(-sun.equationOfTime()) +
                         oracle::standardMeridianCorrection(lonWest, zone);
        const auto at = o.shadow(H, o.sky().deg(sun.declination));
        if (at && at->x >= -plot.ShiftX() && at->x < plot.QuadranteL() - plot.ShiftX() &&
            -at->y >= -plot.ShiftY() && -at->y < plot.QuadranteH() - plot.ShiftY())
            expected.push_back(*at);
    }
    EXPECT_GT(expected.size(), 150u);
    ASSERT_EQ(d.points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_NEAR(d.points[i].at.x, expected[i].x, 1e-6) << "day " << i;
        ASSERT_NEAR(d.points[i].at.y, expected[i].y, 1e-6) << "day " << i;
    }
}

const Cylinder kCylinders[] = {
    {45, 0, false},           {45, 30, false},         {52, -60, false, 0.5, 0.15},
    {30, 70, false, 0.2},     {10, -20, false, 1.0},   {0, 20, false},
    {45, 0, true},            {45, 30, true},          {40, -45, true, 1.0, 0.2},
    {60, -70, true, 0.25},    {20, 10, true, 2.0, 0.3}, {0, -35, true},
};

INSTANTIATE_TEST_SUITE_P(Cylinders, ParabolicLines, testing::ValuesIn(kCylinders), cylinderName);

// With standard-meridian time each line moves by the zone's correction, and the hour of 12:00
// is drawn; the correction moves the lines the same way on both sides.
class ParabolicStandardTime : public testing::TestWithParam<bool> {};

TEST_P(ParabolicStandardTime, EveryLineMovesByTheZoneCorrection) {
    constexpr double lonWest = -7.5, zone = -1;
    ParabolicDial dial({45, 20, GetParam()}, only({"ck_Etna"}));
    dial.set("TxtHour", "1");
    dial.set("txtLON", dialtest::number(lonWest));
    dial.set("TxtFuso", dialtest::number(zone));
    ASSERT_TRUE(dial.setUp());
    const auto o = dial.oracle();
    dial.tagWith(&shell::Module1::HourAngleRad);
    const Drawing d = dial.drawSection(cyl::DrawParabolicHourLines);
    const auto lines = d.byTag();
    ASSERT_EQ(lines.size(), 13u);
    const double correction = oracle::standardMeridianCorrection(lonWest, zone);
    const double s = GetParam() ? 1 : -1;
    for (const auto& [H, points] : lines)
        expectHourLine(o, s * H + correction, points, "clock hour " + std::to_string(H));
    EXPECT_EQ(d.withColour(colourOf(12)).size(), lines.at(0).size());
}

INSTANTIATE_TEST_SUITE_P(Sides, ParabolicStandardTime, testing::Bool());

}  // namespace
}  // namespace paratest
