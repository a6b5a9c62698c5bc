// The lines of the parametric cylinder against the cylinder oracle, concave and convex: hour
// lines (local and standard time), equinoctial, declination and substyle lines, the noon
// generatrix, Italian hours with their envelope and Babylonian hours; every point on a
// generatrix the tip's shadow can reach.

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "dials/cylindrical/param_procedures.h"
#include "numeric/step_loop.h"
#include "param_fixture.h"
#include "support/oracle_sky.h"

namespace cylparamtest {
namespace {

using namespace dials::cylindrical;
using cylprojtest::allNear;
using cylprojtest::colourOf;
using oracle::DialXY;

class ParamOnOracle : public testing::TestWithParam<Cylinder> {};

// Every point cast by a real sun: the tip's shadow reaches it, the sun is above the horizon.
testing::AssertionResult allReachable(const oracle::CylinderOracle& o, const Drawing& d) {
    return cyltest::allCastByRealSuns(o, d.at(), "parametric");
}

// Whether the suns of a declination cast real shadows anywhere on the dial, and where the plot
// shows it.
std::size_t castAnywhere(const oracle::CylinderOracle& o, double declination) {
    return cyltest::realShadowsOf(o, cyltest::sunsOfDeclination(declination), cyltest::anywhere);
}
std::size_t castShown(const oracle::CylinderOracle& o, ParamCylinder& dial,
                      double declination) {
    return cyltest::realShadowsOf(o, cyltest::sunsOfDeclination(declination),
                                  cyltest::shownOn(dial.surface()));
}

// Hour angles here are positive before noon: the line of counter H is the afternoon hour -H.
TEST_P(ParamOnOracle, HourLinesAreTheCutsOfTheirHourPlanes) {
    for (const char* etna : {"0", "1"}) {
        SCOPED_TRACE(std::string("standard meridian ") + etna);
        ParamCylinder dial(GetParam(), {{"TxtHour", "1"}, {"ck_Etna", etna}});
        ASSERT_TRUE(dial.setUp());
        dial.tagWith(&shell::Module1::HourCounter);
        const Drawing d = dial.draw(DrawCylHourLinesParam);
        EXPECT_EQ(dial.m().HourCounter, 105);
        // The design-time place: longitude 7.6438 E, Central European time.
        const double shift = etna[0] == '1' ? oracle::standardMeridianCorrection(-7.6438, -1) : 0;
        const oracle::CylinderOracle o = dial.oracle();
        cylprojtest::expectHourLinesWhereCast(
            o, d, [&](double counter) { return -counter + shift; },
            cyltest::shownOn(dial.surface()), cyltest::everySun);
        for (const auto& [counter, points] : d.byTag()) {
            const double h = -counter + shift;
            const std::string what = "hour " + std::to_string(counter);
            EXPECT_TRUE(allNear(points, [&](DialXY p) { return o.distanceToHourLine(h, p.x, p.y); },
                                GetParam().style, what));
            EXPECT_TRUE(cyltest::onTheHourHalves(o, h, points, std::fabs(counter) == 90));
            cylprojtest::expectLaidWithinTheStep(dial, o, cyltest::sunsOfHour(h), points,
                                                 cyltest::everySun, what);
        }
        for (const dialtest::DrawnPoint& q : d.points)
            ASSERT_EQ(q.colour, colourOf(q.tag == 0 ? 12 : std::fabs(q.tag) == 90 ? 9 : 7));
        EXPECT_TRUE(allReachable(o, d));
        // The sweep starts from the generatrix facing north; each point is drawn on the strip
        // centred on the foot's, where the other programmes draw it.
        EXPECT_TRUE(cyltest::onTheStripAboutTheFoot(o, d.at()));
    }
}

TEST_P(ParamOnOracle, EquinoctialAndDeclinationLinesLieOnTheirCones) {
    ParamCylinder dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const oracle::CylinderOracle o = dial.oracle();
    const double L = GetParam().style;

    const Drawing eq = dial.draw(DrawCylEquinoctialParam);
    cyltest::expectDrawnWhereCast(eq.points.size(), castAnywhere(o, 0), castShown(o, dial, 0),
                                  "equinoctial");
    EXPECT_EQ(eq.withColour(colourOf(9)).size(), eq.points.size());
    EXPECT_TRUE(allNear(eq.at(), cylprojtest::declinationPair(o, 0), L, "equinoctial"));
    EXPECT_TRUE(allReachable(o, eq));
    cylprojtest::expectLaidWithinTheStep(dial, o, cyltest::sunsOfDeclination(0), eq.at(),
                                         cyltest::everySun, "equinoctial");

    const Drawing d = dial.draw(DrawCylDeclinationLinesParam);
    std::size_t total = 0;
    for (const auto& [colour, declination] : {std::pair{12, 23.45}, {13, 20.01}, {11, 11.501}}) {
        const auto points = d.withColour(colourOf(colour));
        total += points.size();
        cyltest::expectDrawnWhereCast(
            points.size(), castAnywhere(o, declination) + castAnywhere(o, -declination),
            castShown(o, dial, declination) + castShown(o, dial, -declination),
            "declination " + std::to_string(declination));
        EXPECT_TRUE(allNear(points, cylprojtest::declinationPair(o, declination), L,
                            "declination " + std::to_string(declination)));
        for (const double decl : {declination, -declination})
            cylprojtest::expectLaidWithinTheStep(dial, o, cyltest::sunsOfDeclination(decl),
                                                 points, cyltest::everySun,
                                                 "declination " + std::to_string(decl));
    }
    EXPECT_EQ(total, d.points.size());
    EXPECT_TRUE(allReachable(o, d));
}

TEST_P(ParamOnOracle, SubstyleLineIsTheCutOfThePlaneOfStyleAndNormal) {
    ParamCylinder dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const oracle::CylinderOracle o = dial.oracle();
    const Drawing d = dial.draw(DrawCylSubstyleParam);
    // The half of its plane an hour line of the substyle's hour keeps.
    EXPECT_TRUE(cyltest::onTheHourHalves(o, cyltest::substyleHourAngle(GetParam(), o.sky()), d.at(),
                                         false));
    EXPECT_EQ(d.withColour(colourOf(9)).size(), d.points.size());
    // On a wall facing due south or north the substyle is the noon line, which degenerates.
    if (GetParam().decl == 0 || GetParam().decl == 180) return;
    cylprojtest::expectLaidWithinTheStep(
        dial, o, cyltest::sunsOfHour(cyltest::substyleHourAngle(GetParam(), o.sky())), d.at(),
        cyltest::everySun, "substyle");
    // On a wall facing north of east or west the half of the substyle's hour lies behind it.
    if (std::fabs(GetParam().decl) < 90) {
        EXPECT_GT(d.points.size(), 10u);
    }
    const oracle::Vec3 normal = oracle::cross(o.facing(), o.sky().pole());
    EXPECT_TRUE(allNear(d.at(), [&](DialXY p) { return o.distanceToPlaneCut(normal, p.x, p.y); },
                        GetParam().style, "substyle"));
    EXPECT_TRUE(allReachable(o, d));
}

TEST_P(ParamOnOracle, NoonGeneratrixIsTheNoonCutTheShadowReaches) {
    ParamCylinder dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawCylNoonLineParam);
    cyltest::expectNoonGeneratrices(dial.oracle(), d, dial.m().GeneratrixAbscissa,
                                    dial.surface());
}

// The line of counter H is Italian hour 18 - H / 15 and Babylonian hour 6 - H / 15; the
// Italian procedure first draws the curve its lines touch, the horizon's conic: the suns of
// declination +-(90 - latitude).
TEST_P(ParamOnOracle, ItalianAndBabylonianHoursAreTheirGreatCircles) {
    ParamCylinder dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const oracle::CylinderOracle o = dial.oracle();
    const double L = GetParam().style;
    dial.tagWith(&shell::Module1::HourCounter);  // where the programme keeps the counter
    constexpr double kEnvelope = 1000;
    dial.m().HourCounter = kEnvelope;
    const Drawing italian = dial.draw(DrawCylItalianHoursParam);
    EXPECT_EQ(dial.m().HourCounter, 105);
    const Drawing babylonian = dial.draw(DrawCylBabylonianHoursParam);
    EXPECT_EQ(italian.withColour(colourOf(12)).size(), italian.points.size());
    EXPECT_EQ(babylonian.withColour(colourOf(13)).size(), babylonian.points.size());
    EXPECT_TRUE(allReachable(o, italian));
    EXPECT_TRUE(allReachable(o, babylonian));

    const double grazing = 90 - GetParam().lat;
    const auto italianLines = italian.byTag();
    const auto envelope = italianLines.find(kEnvelope);
    if (envelope != italianLines.end()) {
        EXPECT_TRUE(allNear(envelope->second, cylprojtest::declinationPair(o, grazing), L,
                            "envelope"));
    }
    // On a wall facing north of east or west most of their own halves lie behind it.
    if (std::fabs(GetParam().decl) < 90) {
        EXPECT_GE(babylonian.byTag().size(), 5u);
    }
    // Each line keeps its own half of the turned horizon, and is drawn wherever its suns cast
    // shadows, also where its plane stands upright (latitude 45, H = 90).
    for (const bool isItalian : {true, false}) {
        const auto lines = (isItalian ? italian : babylonian).byTag();
        for (double H : numeric::StepRange(-90, 90, 15)) {
            const double n = isItalian ? 18 - H / 15 : 6 - H / 15;
            const std::string what = (isItalian ? "Italian " : "Babylonian ") + std::to_string(n);
            const auto line = lines.find(H);
            const std::vector<DialXY> points =
                line == lines.end() ? std::vector<DialXY>{} : line->second;
            EXPECT_TRUE(allNear(points,
                                [&](DialXY p) { return o.distanceToItalianLine(n, p.x, p.y); }, L,
                                what));
            EXPECT_TRUE(cyltest::onItsOwnHalf(o, n, isItalian, points));
            const auto suns = cyltest::sunsOfItalianHour(o.sky(), n, isItalian);
            cyltest::expectDrawnWhereShown(
                points.size(), cyltest::realShadowsOf(o, suns, cyltest::shownOn(dial.surface())),
                what);
            cylprojtest::expectLaidWithinTheStep(dial, o, suns, points, cyltest::everySun, what);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cylinders, ParamOnOracle, testing::ValuesIn(cylprojtest::cylinders()));

}  // namespace
}  // namespace cylparamtest
