// The parametric cylinder's driver and set-up: the refusals, the title, what a run always draws,
// the point step, and the noon generatrix of a style reaching the axis.

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "dials/cylindrical/param_procedures.h"
#include "param_fixture.h"
#include "shell/refusal.h"
#include "support/oracle_sky.h"

namespace cylparamtest {
namespace {

using namespace dials::cylindrical;
using cylprojtest::colourOf;
using cylprojtest::withBoxes;

constexpr const char* kTitle =
    "Cylindrical sundial of circular cross-section as a set of points : parametric method ";

TEST(ParamDriver, RefusesTheSouthernHemisphereAndTheEquator) {
    dialtest::expectRefused(dialtest::runProgramme("M_Param", withBoxes({-45, 10, false}, {})),
                            std::string(shell::kSouthernHemisphereRefusal));
    for (const char* latitude : {"0", ""}) {
        SCOPED_TRACE(latitude);
        dialtest::expectRefused(
            dialtest::runProgramme("M_Param", withBoxes({45, 10, false}, {{"txtLAT", latitude}})),
            std::string(shell::kEquatorRefusal));
    }
}

// With no box ticked: the reference generatrix, the noon generatrix and the style foot's mark.
TEST(ParamDriver, AlwaysDrawsTheGeneratricesAndTheStyleFoot) {
    for (const bool convex : {false, true}) {
        ParamCylinder dial({45, 20, convex});
        const dialtest::Outcome o = dial.outcomeOfRun();
        EXPECT_TRUE(o.completed);
        dialtest::expectDrawn(o, kTitle);
        ASSERT_EQ(o.list.lines.size(), 2u);
        EXPECT_EQ(o.list.lines[0].Color, colourOf(6));
        EXPECT_EQ(o.list.lines[1].Color, colourOf(4));
        EXPECT_EQ(o.m.CylParam, convex ? -0.3 : 0.3);
        EXPECT_FALSE(o.list.points.empty());
        for (const plot::PointRecord& p : o.list.points)
            EXPECT_LE(std::hypot(p.x, p.y), 0.0100001);
    }
}

TEST(ParamDriver, EveryFeatureTickedDrawsOnlyWhereTheShadowReaches) {
    Settings boxes;
    for (const char* box : {"chkOreAstronomiche", "ck_DayLightCurves", "ck_Equinoziale",
                            "ck_Sustilare", "ck_Italiche", "ck_babiloniche", "ck_orizzonte",
                            "ck_Triangolo", "Ck_Section", "ck_Lemniscate"})
        boxes.emplace_back(box, "1");
    const Cylinder c{45, -30, true};
    ParamCylinder dial(c, boxes);
    const dialtest::Outcome o = dial.outcomeOfRun();
    EXPECT_TRUE(o.completed);
    dialtest::expectDrawn(o, kTitle);
    const oracle::CylinderOracle oc = dial.oracle();
    std::size_t curvePoints = 0;
    for (const dialtest::DrawnPoint& p : dial.drawing().points) {
        // The section's plan lies below the dial, 1.1 m down.
        if (p.at.y < -1) continue;
        ++curvePoints;
        EXPECT_TRUE(oc.reachable(p.at.x) || std::hypot(p.at.x, p.at.y) <= 0.0100001) << p.at.x;
    }
    EXPECT_GT(curvePoints, 1000u);
}

// Every curve sweeps the whole turn and returns at its end to the generatrix it started from:
// that point is recorded once. Only the back generatrix, which the strip shows at both of its
// ends, has its points twice (and the mark of the foot, drawn point by point, and the centre,
// the shadow of the pole, where every hour line ends).
TEST(ParamDriver, NoPointIsRecordedTwice) {
    ParamCylinder dial({45, 20, false}, {{"ck_DayLightCurves", "1"}, {"ck_Equinoziale", "1"},
                                         {"ck_Italiche", "1"}, {"chkOreAstronomiche", "1"}});
    const oracle::CylinderOracle o = dial.oracle();
    std::vector<std::tuple<long long, long long, plot::Colour>> points;
    for (const plot::PointRecord& p : dial.outcomeOfRun().list.points)
        if (std::fabs(std::fabs(p.x) - 0.3 * oracle::kStoredPi) > 1e-6 &&
            std::hypot(p.x, p.y) > 0.0101 && o.sunAt(p.x, -p.y).sun.declination < 89.9999)
            points.emplace_back(std::llround(p.x * 1e9), std::llround(p.y * 1e9), p.Color);
    std::sort(points.begin(), points.end());
    EXPECT_GT(points.size(), 1000u);
    const auto twice = std::adjacent_find(points.begin(), points.end());
    EXPECT_TRUE(twice == points.end()) << "the point (" << std::get<0>(*twice) * 1e-9 << ", "
                                       << std::get<1>(*twice) * 1e-9 << ") is recorded twice";
}

// A "Definition" of 0 or below is refused before the run, as in the 3D programme.
TEST(ParamDriver, DefinitionOfZeroOrBelowIsRefused) {
    ParamCylinder zero({45, 10, false}, {{"txt_Definition", "0"}, {"chkOreAstronomiche", "1"}});
    const dialtest::Outcome stopped = zero.outcomeOfRun();
    EXPECT_FALSE(stopped.completed);
    ASSERT_EQ(stopped.messages.size(), 1u);
    EXPECT_EQ(stopped.messages.front().rfind("The drawing was not started", 0), 0u);
    EXPECT_TRUE(stopped.busyChanges.empty());
    EXPECT_TRUE(stopped.list.points.empty());

    ParamCylinder negative({45, 10, false}, {{"txt_Definition", "-1"}});
    EXPECT_FALSE(negative.setUp());
}

// A concave style as long as the radius puts the tip on the axis: the meridian plane through it
// cuts the section due north and south, not at the foot of a declining wall.
TEST(ParamDriver, NoonGeneratrixOfAStyleReachingTheAxisStandsDueNorth) {
    const Cylinder c{45, 40, false, 0.3, 0.3};
    ParamCylinder dial(c);
    ASSERT_TRUE(dial.setUp());
    const oracle::CylinderOracle o = dial.oracle();
    const dialtest::Drawing d = dial.draw(DrawCylNoonLineParam);
    ASSERT_EQ(d.segments.size(), 1u);
    const double u = dial.m().GeneratrixAbscissa;
    EXPECT_NEAR(u, -0.3 * dial.m().WallDeclRad, 1e-12);
    EXPECT_LT(o.distanceToPlaneCut(oracle::Sky::west(), u, 0), 1e-9);
    EXPECT_NEAR(o.surfacePoint(u, 0).x, o.axis().x, 1e-9);
    EXPECT_GT(o.surfacePoint(u, 0).y, o.axis().y);
}

}  // namespace
}  // namespace cylparamtest
