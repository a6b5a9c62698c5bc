// The curves of the circular cylinder by 3D analytic geometry against the cylinder oracle:
// every drawn point lies on its true curve and where the tip's shadow can fall.

#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "circular3d_fixture.h"
#include "dials/cylindrical/circular3d_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/sun_series.h"
#include "numeric/step_loop.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"

namespace cyl3dtest {
namespace {

namespace cyl = dials::cylindrical;
using oracle::DialXY;

class Cyl3dLines : public testing::TestWithParam<Cylinder> {
protected:
    void SetUp() override {
        SCOPED_TRACE(describe(GetParam()));
        ASSERT_TRUE(dial.setUp());
    }
    Cyl3dDial dial{GetParam()};
    oracle::CylinderOracle o = dial.oracle();
};

// The chord frame unrolls the half of the surface within a quarter turn of the foot.
cyltest::Shown shownOnTheChordFrame(Cyl3dDial& dial) {
    return cyltest::shownOn(dial.surface(), oracle::kStoredPi / 2 * dial.cylinder().radius);
}

// Every line laid without gaps: each shadow of its suns on the dial within the drawing step of
// a point of it.
void expectLaidWithinTheStep(Cyl3dDial& dial, const oracle::CylinderOracle& o,
                             const std::vector<oracle::HourDecl>& suns,
                             const std::vector<DialXY>& points, const std::string& what) {
    EXPECT_TRUE(cyltest::laidWithinTheStep(o, suns, points, shownOnTheChordFrame(dial),
                                           cyltest::everySun, dialtest::kPointStep, what));
}

TEST_P(Cyl3dLines, HourLinesLieOnTheirHourAndWhereTheSunOfTheirCutCastsIt) {
    // A quarter of an hour apart: the lines next to true noon, nearly upright, among them.
    Cyl3dDial quarters(GetParam(), {{"TxtHour", "4"}});
    ASSERT_TRUE(quarters.setUp());
    quarters.tagWith(&shell::Module1::HourAngleRad);
    const Drawing d = quarters.draw(cyl::DrawCylHourLines3D);
    EXPECT_GT(d.points.size(), 50u);
    for (const auto& [tag, points] : d.byTag()) {
        const double H = oracleHourAngle(tag);
        const std::string what = "hour " + rundial::number(H);
        EXPECT_TRUE(allOnCurve(o, points, [&](DialXY p) { return o.distanceToHourLine(H, p.x, p.y); },
                               what));
        // The hour step of 3.75 degrees reaches both six o'clock lines.
        EXPECT_TRUE(cyltest::onTheHourHalves(o, H, points, std::fabs(std::fabs(H) - 90) < 1e-6));
        expectLaidWithinTheStep(quarters, o, cyltest::sunsOfHour(H), points, what);
    }
}

TEST_P(Cyl3dLines, NoonGeneratrixIsWhereTheNoonShadowFalls) {
    const Drawing d = dial.draw(cyl::DrawCylNoonLine);
    // In the tropics a concave dial has a second one, for the summer sun north of the zenith.
    EXPECT_EQ(d.segments.size(), d.segmentsWithColour(colourOf(4)).size());
    cyltest::expectNoonGeneratrices(o, d, dial.m().CentreX, dial.surface());
    // A generatrix on the plot area's left edge is in it: drawn there again.
    for (const dialtest::Segment& line : d.segmentsWithColour(colourOf(4))) {
        dial.surface().setShiftX(-line.a.x);
        const Drawing onEdge = dial.draw(cyl::DrawCylNoonLine);
        EXPECT_EQ(std::ranges::count(onEdge.segmentsWithColour(colourOf(4)), line.a.x,
                                     [](const dialtest::Segment& s) { return s.a.x; }), 1);
    }
}

TEST_P(Cyl3dLines, DeclinationPairsLieOnTheirConeNappes) {
    const Drawing d = dial.draw(cyl::DrawCylDeclinationLines3D);
    const struct { int colour; double decl; } pairs[] = {{12, 23.45}, {13, 20.001}, {11, 11.501}};
    // The chord frame unrolls the half of the surface within a quarter turn of the foot.
    const cyltest::Shown shown =
        cyltest::shownOn(dial.surface(), oracle::kStoredPi / 2 * GetParam().radius);
    auto cast = [&](double decl, const cyltest::Shown& where) {
        return cyltest::realShadowsOf(o, cyltest::sunsOfDeclination(decl), where) +
               cyltest::realShadowsOf(o, cyltest::sunsOfDeclination(-decl), where);
    };
    for (const auto& pair : pairs) {
        const auto points = d.withColour(colourOf(pair.colour));
        cyltest::expectDrawnWhereCast(points.size(), cast(pair.decl, cyltest::anywhere),
                                      cast(pair.decl, shown), rundial::number(pair.decl));
        EXPECT_TRUE(allOnCurve(o, points, [&](DialXY p) {
            return std::min(o.distanceToDeclinationCurve(pair.decl, p.x, p.y),
                            o.distanceToDeclinationCurve(-pair.decl, p.x, p.y));
        }, "declination " + rundial::number(pair.decl)));
        for (const double decl : {pair.decl, -pair.decl})
            expectLaidWithinTheStep(dial, o, cyltest::sunsOfDeclination(decl), points,
                                    "declination " + rundial::number(decl));
    }
}

TEST_P(Cyl3dLines, EquinoctialAndSubstyleAreTheCutsOfTheirPlanes) {
    const Drawing eq = dial.draw(cyl::DrawCylEquinoctialLine3D);
    EXPECT_TRUE(allOnCurve(o, eq.at(), [&](DialXY p) {
        return o.distanceToPlaneCut(o.sky().pole(), p.x, p.y);
    }, "equinoctial"));
    // At the equator the equator's plane through the tip stands upright: its line is the lit
    // part of the generatrices it cuts, drawn by heights.
    const auto suns = cyltest::sunsOfDeclination(0);
    const cyltest::Shown shown =
        cyltest::shownOn(dial.surface(), oracle::kStoredPi / 2 * GetParam().radius);
    cyltest::expectDrawnWhereCast(eq.points.size(),
                                  cyltest::realShadowsOf(o, suns, cyltest::anywhere),
                                  cyltest::realShadowsOf(o, suns, shown), "equinoctial");
    expectLaidWithinTheStep(dial, o, suns, eq.at(), "equinoctial");

    // The substyle: the plane through the tip holding the polar axis and the foot's normal, the
    // half of it an hour line of the substyle's hour keeps.
    const Drawing sub = dial.draw(cyl::DrawCylSubstyleLine3D);
    EXPECT_TRUE(allOnCurve(o, sub.at(), [&](DialXY p) {
        return o.distanceToPlaneCut(oracle::cross(o.sky().pole(), o.facing()), p.x, p.y);
    }, "substyle"));
    EXPECT_TRUE(cyltest::onTheHourHalves(o, cyltest::substyleHourAngle(GetParam(), o.sky()),
                                         sub.at(), false));
    // On a wall facing due south the substyle is the vertical through the foot; at the equator
    // its plane is the horizontal one, whose suns stand on the horizon.
    if (GetParam().decl == 0 || GetParam().lat == 0) {
        EXPECT_TRUE(sub.points.empty());
        return;
    }
    // Elsewhere it is drawn where the suns of its hour cast shadows, without gaps.
    const auto substyleSuns = cyltest::sunsOfHour(cyltest::substyleHourAngle(GetParam(), o.sky()));
    cyltest::expectDrawnWhereShown(sub.points.size(),
                                   cyltest::realShadowsOf(o, substyleSuns, shown), "substyle");
    expectLaidWithinTheStep(dial, o, substyleSuns, sub.at(), "substyle");
}

// Each line keeps the half of its turned horizon its own suns cast, and is drawn wherever they
// cast shadows on the chord frame, also where its plane stands upright (A = 90 at the equator,
// A = 180 at latitude 45).
TEST_P(Cyl3dLines, ItalianAndBabylonianHoursLieOnTheirGreatCircles) {
    dial.tagWith(&shell::Module1::HourCounter);
    const cyltest::Shown shown =
        cyltest::shownOn(dial.surface(), oracle::kStoredPi / 2 * GetParam().radius);
    auto expectLines = [&](const Drawing& d, double from, bool italian) {
        const auto lines = d.byTag();
        for (double A : numeric::StepRange(from, from + 180, 15)) {
            const double n = italian ? 24 - A / 15 : -A / 15;
            const std::string what = (italian ? "Italian " : "Babylonian ") + rundial::number(n);
            const auto line = lines.find(A);
            const std::vector<DialXY> points =
                line == lines.end() ? std::vector<DialXY>{} : line->second;
            EXPECT_TRUE(allOnCurve(o, points, [&](DialXY p) {
                return o.distanceToItalianLine(n, p.x, p.y);
            }, what));
            EXPECT_TRUE(cyltest::onItsOwnHalf(o, n, italian, points));
            const auto suns = cyltest::sunsOfItalianHour(o.sky(), n, italian);
            cyltest::expectDrawnWhereShown(points.size(), cyltest::realShadowsOf(o, suns, shown),
                                           what);
            expectLaidWithinTheStep(dial, o, suns, points, what);
        }
    };
    const Drawing italian = dial.draw(cyl::DrawCylItalianHours3D);
    expectLines(italian, 0, true);
    const Drawing babylonian = dial.draw(cyl::DrawCylBabylonianHours3D);
    expectLines(babylonian, -180, false);
    EXPECT_EQ(italian.colours(), std::set<plot::Colour>{colourOf(12)});
    EXPECT_EQ(babylonian.colours(), std::set<plot::Colour>{colourOf(13)});
}

TEST_P(Cyl3dLines, AnalemmaIsTheShadowOfStandardNoonThroughTheYear) {
    const Drawing d = dial.draw(cyl::DrawCylAnalemma3D);
    // The design-time place: 7.6438 E, zone -1.
    const double noon = oracle::standardMeridianCorrection(-7.6438, -1);
    for (const DialXY& p : d.at()) {
        const oracle::CylSun cast = o.sunAt(p.x, p.y);
        ASSERT_TRUE(cyltest::reachesOrGrazes(o, p.x));
        EXPECT_LE(std::fabs(cast.sun.declination), 23.45);
        EXPECT_LE(std::fabs(cast.sun.hourAngle - noon), 4.2);  // the equation of time
        // The shadow of that sun falls there and nowhere else on the dial; but on the generatrix
        // the shadow grazes, where the ray meets the face at a double root that the oracle knows
        // to the square root of its rounding.
        if (GetParam().convex && o.reach() - std::fabs(p.x) < 1e-6) continue;
        const auto back = o.dialPoint(cast.sun.hourAngle, cast.sun.declination);
        ASSERT_TRUE(back.has_value());
        EXPECT_LT(oracle::distance(*back, p), 1e-9) << p.x << ", " << p.y;
    }
    // Every quarter day whose shadow falls on the chord frame is drawn, and the figure has no
    // gap between them wider than the drawing step.
    const double pi = 3.1415926536;
    auto shadowOn = [&](double t) {
        const auto sun = dials::sunForDay(t, dials::kAnalemmaObliquityDeg * pi / 180, pi);
        return o.dialPoint(noon - o.sky().deg(sun.equationOfTime()), o.sky().deg(sun.declination));
    };
    const cyltest::Shown onFrame = shownOnTheChordFrame(dial);
    auto onDial = [&](DialXY p) { return o.castByRealSun(p.x, p.y) && onFrame(p); };
    // The end laid where the shadow grazes a convex face is the oracle's double root.
    const double tolerance = GetParam().convex ? 1e-7 : 1e-9;
    EXPECT_TRUE(cyltest::drawsTheAnalemma(d.at(), shadowOn, onDial, -80, 280,
                                          dials::kMeanDayDeg / 4, tolerance, dialtest::kPointStep));
    // Where the noon shadow stays on the near half, the whole year is drawn: on the concave
    // wall facing west, every day by the root on the tip's side away from the face. (In the
    // tropics the summer noon sun stands north of the zenith, its shadow on the far half.)
    if (std::fabs(GetParam().lat) > 23.45 &&
        (GetParam().decl == 0 || (GetParam().decl == 90 && !GetParam().convex))) {
        EXPECT_EQ(d.points.size(), 1461u);
    }
}

INSTANTIATE_TEST_SUITE_P(Cylinders, Cyl3dLines, testing::ValuesIn(cylinders()));

TEST(Cyl3dHourLines, TrueNoonIsLeftToTheGeneratrixUnlessStandardTimeShiftsIt) {
    Cyl3dDial local({45, 20, false});
    ASSERT_TRUE(local.setUp());
    const Drawing d = local.draw(cyl::DrawCylHourLines3D);
    EXPECT_EQ(d.withColour(colourOf(12)).size(), 0u);
    EXPECT_GT(d.withColour(colourOf(9)).size(), 0u);  // the counter at +90, six in the morning

    Cyl3dDial standard({45, 20, false}, {{"ck_Etna", "1"}});
    ASSERT_TRUE(standard.setUp());
    standard.tagWith(&shell::Module1::HourAngleRad);
    const Drawing s = standard.draw(cyl::DrawCylHourLines3D);
    const auto noon = s.withColour(colourOf(12));
    ASSERT_GT(noon.size(), 10u);
    // Standard noon: the zone meridian's noon, 7.36 degrees of hour angle before local noon.
    const oracle::CylinderOracle o = standard.oracle();
    const double H = oracle::standardMeridianCorrection(-7.6438, -1);
    EXPECT_TRUE(allOnCurve(o, noon, [&](DialXY p) { return o.distanceToHourLine(H, p.x, p.y); },
                           "standard noon"));
}

// An hour line of standard time a little off true noon (here 0.14 degrees) stands almost
// upright: drawn by heights, on its plane, where its suns cast it.
TEST(Cyl3dHourLines, AnHourLineAlmostAtTrueNoonIsDrawnByHeights) {
    Cyl3dDial standard({10, 0, false, 0.5, 0.2}, {{"ck_Etna", "1"}});
    ASSERT_TRUE(standard.setUp());
    standard.tagWith(&shell::Module1::HourCounter);
    const Drawing d = standard.draw(cyl::DrawCylHourLines3D);
    const oracle::CylinderOracle o = standard.oracle();
    const double H = 7.5 + oracle::standardMeridianCorrection(-7.6438, -1);
    ASSERT_LT(std::fabs(H), 0.2);
    const auto lines = d.byTag();
    ASSERT_EQ(lines.count(-7.5), 1u);
    const std::vector<DialXY>& line = lines.at(-7.5);
    EXPECT_GT(line.size(), 50u);
    EXPECT_TRUE(allOnCurve(o, line, [&](DialXY p) { return o.distanceToHourLine(H, p.x, p.y); },
                           "12:30 standard time"));
}

// Where the wall faces almost along the noon sun's azimuth, the ray through the tip runs almost
// along the surface (its slope in the tangent plane near 1e8): every day still lands on the
// shadow of its own sun to the tolerance.
TEST(Cyl3dAnalemma, KeepsItsPrecisionWhereTheSunGrazesTheSurface) {
    Cyl3dDial dial({48.5842, -94.6185, false, 0.1, 0.0051}, {{"TxtHour", "2"}});
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(cyl::DrawCylAnalemma3D);
    const oracle::CylinderOracle o = dial.oracle();
    const double pi = 3.1415926536;
    const double noon = oracle::standardMeridianCorrection(-7.6438, -1);
    std::vector<DialXY> expected;
    for (double t : numeric::StepRange(-80, 280, dials::kMeanDayDeg / 4)) {
        const auto sun =
            dials::sunForDay(t, dials::kAnalemmaObliquityDeg * pi / 180, pi);
        const auto p = o.dialPoint(noon - o.sky().deg(sun.equationOfTime()),
                                   o.sky().deg(sun.declination));
        if (p) expected.push_back(*p);
    }
    ASSERT_GT(d.points.size(), 1000u);
    EXPECT_TRUE(allOnCurve(o, d.at(), [&](DialXY q) {
        double best = 1;
        for (const DialXY& p : expected) best = std::fmin(best, oracle::distance(p, q));
        return best;
    }, "analemma"));
}

TEST(Cyl3dAnalemma, IgnoresStandardTimeAndLeavesItsPi) {
    Cyl3dDial plain({45, 0, true});
    ASSERT_TRUE(plain.setUp());
    const Drawing a = plain.draw(cyl::DrawCylAnalemma3D);
    EXPECT_EQ(plain.m().Pi, 3.1415926536);
    Cyl3dDial etna({45, 0, true}, {{"ck_Etna", "1"}});
    ASSERT_TRUE(etna.setUp());
    const Drawing b = etna.draw(cyl::DrawCylAnalemma3D);
    ASSERT_EQ(a.points.size(), b.points.size());
    for (std::size_t i = 0; i < a.points.size(); ++i)
        EXPECT_EQ(a.points[i].at.x, b.points[i].at.x);
}

}  // namespace
}  // namespace cyl3dtest
