// The lines of the projective cylinder against the cylinder oracle, concave and convex: hour
// lines (local and standard time), equinoctial, declination, substyle and meridian lines,
// Italian and Babylonian hours.

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "projective_fixture.h"
#include "support/oracle_checks.h"
#include "support/oracle_sky.h"

namespace cylprojtest {
namespace {

using namespace dials::cylindrical;
using oracle::DialXY;

class ProjectiveOnOracle : public testing::TestWithParam<Cylinder> {};


TEST_P(ProjectiveOnOracle, HourLinesAreTheCutsOfTheirHourPlanes) {
    for (const char* etna : {"0", "1"}) {
        SCOPED_TRACE(std::string("standard meridian ") + etna);
        ProjectiveCylinder dial(GetParam(), {{"TxtHour", "1"}, {"ck_Etna", etna}});
        ASSERT_TRUE(dial.setUp());
        dial.tagWith(&shell::Module1::HourCounter);
        const Drawing d = dial.draw(DrawCylProjHourLines);
        EXPECT_EQ(dial.m().HourCounter, 105);
        // The design-time place: longitude 7.6438 E, Central European time.
        const double shift = etna[0] == '1' ? oracle::standardMeridianCorrection(-7.6438, -1) : 0;
        const oracle::CylinderOracle o = dial.oracle();
        expectHourLinesWhereCast(o, d, [&](double counter) { return counter + shift; },
                                 cyltest::shownOn(dial.surface()), carriedByTangentPlane(o));
        for (const auto& [counter, points] : d.byTag()) {
            const double h = counter + shift;
            const std::string what = "hour " + std::to_string(counter);
            EXPECT_TRUE(allNear(points, [&](DialXY p) { return o.distanceToHourLine(h, p.x, p.y); },
                                GetParam().style, what));
            EXPECT_TRUE(cyltest::onTheHourHalves(o, h, points, std::fabs(counter) == 90));
            expectLaidWithinTheStep(dial, o, cyltest::sunsOfHour(h), points,
                                    carriedByTangentPlane(o), what);
        }
        EXPECT_TRUE(cyltest::allCastByRealSuns(o, d.at(), "hour lines"));
        for (const dialtest::DrawnPoint& q : d.points)
            ASSERT_EQ(q.colour, colourOf(q.tag == 0 ? 12 : q.tag == -90 ? 9 : 7)) << q.tag;
    }
}

TEST_P(ProjectiveOnOracle, EquinoctialAndDeclinationLinesLieOnTheirCones) {
    ProjectiveCylinder dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const oracle::CylinderOracle o = dial.oracle();
    const double L = GetParam().style;

    // The projective programme carries the shadows of the suns in front of the tangent plane;
    // at the equator, where the plane of the equator stands upright, it draws the cut of that
    // plane wherever the shadow reaches.
    const cyltest::Carried carried = GetParam().lat == 0 ? cyltest::Carried(cyltest::everySun)
                                                         : carriedByTangentPlane(o);
    auto cast = [&](double declination, const cyltest::Shown& shown,
                    const cyltest::Carried& by) {
        return cyltest::realShadowsOf(o, cyltest::sunsOfDeclination(declination), shown, by);
    };
    const cyltest::Shown shown = cyltest::shownOn(dial.surface());
    const Drawing eq = dial.draw(DrawCylProjEquinoctial);
    cyltest::expectDrawnWhereCast(eq.points.size(), cast(0, cyltest::anywhere, carried),
                                  cast(0, shown, carried), "equinoctial");
    EXPECT_TRUE(cyltest::allCastByRealSuns(o, eq.at(), "equinoctial"));
    EXPECT_EQ(eq.withColour(colourOf(9)).size(), eq.points.size());
    EXPECT_TRUE(allNear(eq.at(), declinationPair(o, 0), L, "equinoctial"));
    expectLaidWithinTheStep(dial, o, cyltest::sunsOfDeclination(0), eq.at(), carried,
                            "equinoctial");

    const Drawing d = dial.draw(DrawCylProjDeclinationLines);
    std::size_t total = 0;
    for (const auto& [colour, declination] : {std::pair{12, 23.45}, {13, 20.001}, {11, 11.5001}}) {
        const auto points = d.withColour(colourOf(colour));
        total += points.size();
        const cyltest::Carried byPlane = carriedByTangentPlane(o);
        cyltest::expectDrawnWhereCast(
            points.size(),
            cast(declination, cyltest::anywhere, byPlane) +
                cast(-declination, cyltest::anywhere, byPlane),
            cast(declination, shown, byPlane) + cast(-declination, shown, byPlane),
            "declination " + std::to_string(declination));
        EXPECT_TRUE(cyltest::allCastByRealSuns(o, points, "declination"));
        EXPECT_TRUE(allNear(points, declinationPair(o, declination), L,
                            "declination " + std::to_string(declination)));
        for (const double decl : {declination, -declination})
            expectLaidWithinTheStep(dial, o, cyltest::sunsOfDeclination(decl), points, byPlane,
                                    "declination " + std::to_string(decl));
    }
    EXPECT_EQ(total, d.points.size());
}

TEST_P(ProjectiveOnOracle, SubstyleLineIsTheCutOfThePlaneOfStyleAndNormal) {
    ProjectiveCylinder dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const oracle::CylinderOracle o = dial.oracle();
    const Drawing d = dial.draw(DrawCylProjSubstyleLine);
    if (GetParam().decl == 0 || GetParam().decl == 180) {
        EXPECT_TRUE(d.points.empty());
        return;
    }
    // On a wall facing north of east or west the half of the substyle's hour lies behind it.
    if (std::fabs(GetParam().decl) < 90) {
        EXPECT_GT(d.points.size(), 10u);
    }
    EXPECT_EQ(d.withColour(colourOf(9)).size(), d.points.size());
    // The half of its plane an hour line of the substyle's hour keeps.
    EXPECT_TRUE(cyltest::onTheHourHalves(o, cyltest::substyleHourAngle(GetParam(), o.sky()),
                                         d.at(), false));
    const oracle::Vec3 normal = oracle::cross(o.facing(), o.sky().pole());
    EXPECT_TRUE(allNear(d.at(), [&](DialXY p) { return o.distanceToPlaneCut(normal, p.x, p.y); },
                        GetParam().style, "substyle"));
    EXPECT_TRUE(cyltest::allCastByRealSuns(o, d.at(), "substyle"));
    // Its tangent-plane line is sampled over a radius either side of the foot.
    const cyltest::Carried byPlane = carriedByTangentPlane(o);
    expectLaidWithinTheStep(
        dial, o, cyltest::sunsOfHour(cyltest::substyleHourAngle(GetParam(), o.sky())), d.at(),
        [&](oracle::HourDecl s) {
            const oracle::Vec3 sun = o.sky().sun(s.hourAngle, s.declination);
            const double front = oracle::dot(sun, o.facing());
            return byPlane(s) && std::fabs(o.styleLength() / front *
                                           oracle::dot(sun, o.right())) <= o.radius();
        },
        "substyle");
}

TEST_P(ProjectiveOnOracle, MeridianLineIsTheNoonCutTheShadowReaches) {
    ProjectiveCylinder dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const Drawing d = dial.draw(DrawCylProjMeridianLine);
    cyltest::expectNoonGeneratrices(dial.oracle(), d, dial.m().CentreX, dial.surface());
}

// Italian hour n and Babylonian hour n share one great circle (its western and eastern halves);
// the Italian lines run through the equinox suns of the hour angles -90..90, hours 12 to 24, the
// Babylonian lines hours 0 to 12.
TEST_P(ProjectiveOnOracle, ItalianAndBabylonianHoursAreTheirGreatCircles) {
    ProjectiveCylinder dial(GetParam());
    ASSERT_TRUE(dial.setUp());
    const oracle::CylinderOracle o = dial.oracle();
    const Drawing italian = dial.draw(DrawCylProjItalianHours);
    const Drawing babylonian = dial.draw(DrawCylProjBabylonianHours);
    EXPECT_EQ(italian.withColour(colourOf(12)).size(), italian.points.size());
    EXPECT_EQ(babylonian.withColour(colourOf(13)).size(), babylonian.points.size());
    // On a wall facing north of east or west most of their own halves lie behind it.
    if (std::fabs(GetParam().decl) < 90) {
        EXPECT_GT(italian.points.size(), 20u);
        EXPECT_GT(babylonian.points.size(), 20u);
    }
    EXPECT_TRUE(cyltest::allCastByRealSuns(o, italian.at(), "Italian"));
    EXPECT_TRUE(cyltest::allCastByRealSuns(o, babylonian.at(), "Babylonian"));

    auto nearest = [&](DialXY p, double first) {
        double best = std::numeric_limits<double>::infinity();
        for (double n = first; n <= first + 12; ++n)
            best = std::fmin(best, o.distanceToItalianLine(n, p.x, p.y));
        return best;
    };
    EXPECT_TRUE(allNear(italian.at(), [&](DialXY p) { return nearest(p, 12); }, GetParam().style,
                        "Italian"));
    EXPECT_TRUE(allNear(babylonian.at(), [&](DialXY p) { return nearest(p, 0); },
                        GetParam().style, "Babylonian"));
    // Each line keeps its own half of the turned horizon: a point of the other half is the
    // shadow of the other family's hour of the same number.
    for (const auto& [drawing, isItalian] : {std::pair{&italian, true}, {&babylonian, false}})
        for (const DialXY& p : drawing->at())
            ASSERT_TRUE(cyltest::onSomeOwnHalf(o, p, isItalian ? 12 : 0, isItalian,
                                               oracle::toleranceFor(GetParam().style)));
    // Each line laid without gaps: Italian hours 12 to 24, Babylonian 0 to 12, drawn together
    // in one colour each.
    for (const auto& [drawing, isItalian] : {std::pair{&italian, true}, {&babylonian, false}})
        for (double n = isItalian ? 12 : 0; n <= (isItalian ? 24 : 12); ++n)
            expectLaidWithinTheStep(dial, o, cyltest::sunsOfItalianHour(o.sky(), n, isItalian),
                                    drawing->at(), carriedByTangentPlane(o),
                                    (isItalian ? "Italian " : "Babylonian ") + std::to_string(n));
}

INSTANTIATE_TEST_SUITE_P(Cylinders, ProjectiveOnOracle, testing::ValuesIn(cylinders()));
// The equator, walls facing south, north, east and west on either side: the plane of the
// equator stands upright there, its cut two generatrices (on a concave wall facing due south
// or north, parallel to the tangent plane).
INSTANTIATE_TEST_SUITE_P(Equator, ProjectiveOnOracle,
                         testing::Values(Cylinder{0, 0, false, 0.5, 0.2}, Cylinder{0, 0, true},
                                         Cylinder{0, 180, false}, Cylinder{0, 180, true},
                                         Cylinder{0, 90, false}, Cylinder{0, 90, true},
                                         Cylinder{0, -90, false}, Cylinder{0, -90, true}));

// At the equator a wall facing due south or north carries an equatorial dial on its tangent
// plane (the polar style normal to it): its declination lines are circles about the foot, and
// each pair has the nappe of the suns in front of the wall.
TEST(ProjectiveAtTheEquator, WallsFacingSouthOrNorthHaveTheirDeclinationLines) {
    for (const Cylinder& c : {Cylinder{0, 0, false}, Cylinder{0, 0, true}, Cylinder{0, 180, false},
                              Cylinder{0, -180, true}}) {
        SCOPED_TRACE(cyltest::describe(c));
        ProjectiveCylinder dial(c);
        ASSERT_TRUE(dial.setUp());
        const oracle::CylinderOracle o = dial.oracle();
        const Drawing d = dial.draw(DrawCylProjDeclinationLines);
        for (const auto& [colour, declination] :
             {std::pair{12, 23.45}, {13, 20.001}, {11, 11.5001}}) {
            const auto points = d.withColour(colourOf(colour));
            EXPECT_GT(points.size(), 10u) << declination;
            EXPECT_TRUE(allNear(points, declinationPair(o, declination), c.style,
                                "declination " + std::to_string(declination)));
            EXPECT_TRUE(cyltest::allCastByRealSuns(o, points, "declination"));
        }
    }
}

// Near the equator on a wall facing south the polar style stands almost normal to the tangent
// plane: the hour lines, the Italian and the Babylonian hours keep their digits all the same.
TEST(ProjectiveAtTheEquator, LinesKeepTheirPrecisionWhereThePolarStyleIsAlmostNormal) {
    for (const Cylinder& c :
         {Cylinder{0.001, 0, false, 0.5, 0.8}, Cylinder{0.001, 180, true, 0.5, 0.2}}) {
        SCOPED_TRACE(cyltest::describe(c));
        ProjectiveCylinder dial(c, {{"TxtHour", "1"}});
        ASSERT_TRUE(dial.setUp());
        const oracle::CylinderOracle o = dial.oracle();
        dial.tagWith(&shell::Module1::HourCounter);
        const Drawing hours = dial.draw(DrawCylProjHourLines);
        EXPECT_GT(hours.points.size(), 100u);
        for (const auto& [H, points] : hours.byTag())
            EXPECT_TRUE(allNear(points, [&](DialXY p) { return o.distanceToHourLine(H, p.x, p.y); },
                                c.style, "hour " + std::to_string(H)));
        const Drawing italian = dial.draw(DrawCylProjItalianHours);
        EXPECT_GT(italian.points.size(), 100u);
        EXPECT_TRUE(allNear(italian.at(), [&](DialXY p) {
            double best = std::numeric_limits<double>::infinity();
            for (double n = 12; n <= 24; ++n)
                best = std::fmin(best, o.distanceToItalianLine(n, p.x, p.y));
            return best;
        }, c.style, "Italian"));
    }
}

// Each Italian and Babylonian line is sampled along the tangent plane's abscissa, as the hour
// lines are: near the equator a line that runs almost level on the wall is drawn without gaps.
TEST(ProjectiveItalianHours, AreDrawnWithoutGapsWhereTheyRunLevel) {
    const Cylinder c{5, 100, false, 0.5, 0.2};
    ProjectiveCylinder dial(c);
    ASSERT_TRUE(dial.setUp());
    const oracle::CylinderOracle o = dial.oracle();
    const std::vector<DialXY> drawn = dial.draw(DrawCylProjBabylonianHours).at();
    // Babylonian hour 10, on the suns of the year whose shadows fall near the foot.
    std::size_t checked = 0;
    for (const oracle::HourDecl& sun : cyltest::sunsOfItalianHour(o.sky(), 10, false)) {
        const auto p = o.dialPoint(sun.hourAngle, sun.declination);
        if (!p || std::fabs(p->x) > 0.2 || !o.castByRealSun(p->x, p->y)) continue;
        ++checked;
        double best = std::numeric_limits<double>::infinity();
        for (const DialXY& q : drawn) best = std::fmin(best, oracle::distance(*p, q));
        EXPECT_LT(best, 0.02) << "H " << sun.hourAngle << ", decl " << sun.declination;
    }
    EXPECT_GT(checked, 10u);
}

}  // namespace
}  // namespace cylprojtest
