// The analemma of the projective cylinder against the cylinder oracle: every point is the shadow
// of the true sun at 12:00 standard time on a day of the year, every day's shadow of the series
// that the tangent plane's dial can carry (the sun in front of that plane) and the plot can show
// is drawn, and the figure is laid without gaps between them.

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/sun_series.h"
#include "numeric/step_loop.h"
#include "projective_fixture.h"
#include "support/oracle_checks.h"
#include "support/oracle_sky.h"

namespace cylprojtest {
namespace {

using oracle::DialXY;

class ProjectiveAnalemma : public testing::TestWithParam<Cylinder> {};

TEST_P(ProjectiveAnalemma, DaysAreTheShadowsOfMeanNoonOnTheStandardMeridian) {
    for (const char* etna : {"0", "1"}) {
        ProjectiveCylinder dial(GetParam(), {{"ck_Etna", etna}});
        ASSERT_TRUE(dial.setUp());
        const Drawing d = dial.draw(dials::cylindrical::DrawCylProjAnalemma);
        EXPECT_EQ(dial.m().Pi, 3.1415926536);
        EXPECT_EQ(d.withColour(colourOf(4)).size(), d.points.size());

        const oracle::CylinderOracle o = dial.oracle();
        const plot::PlotSurface& plot = dial.surface();
        auto shown = [&](DialXY p) {
            const double m = 1e-9;
            return p.x > -plot.ShiftX() + m && p.x < plot.QuadranteL() - plot.ShiftX() - m &&
                   -p.y > -plot.ShiftY() + m && -p.y < plot.QuadranteH() - plot.ShiftY() - m;
        };
        // The design-time place: longitude 7.6438 E, Central European time; whatever ck_Etna says.
        const double correction = oracle::standardMeridianCorrection(-7.6438, -1);
        const double pi = 3.1415926536;
        auto sunOn = [&](double day) {
            const auto sun = dials::sunForDay(day, dials::kAnalemmaObliquityDeg * pi / 180, pi);
            return oracle::HourDecl{correction - o.sky().deg(sun.equationOfTime()),
                                    o.sky().deg(sun.declination)};
        };
        auto shadowOn = [&](double day) {
            const oracle::HourDecl s = sunOn(day);
            return o.dialPoint(s.hourAngle, s.declination);
        };
        // The tangent plane's dial carries the shadows of the suns in front of it.
        auto onDial = [&](DialXY p) {
            const oracle::CylSun cast = o.sunAt(p.x, p.y);
            return oracle::dot(o.sky().sun(cast.sun.hourAngle, cast.sun.declination),
                               o.facing()) > 0 &&
                   cast.aboveHorizon && shown(p);
        };
        EXPECT_TRUE(cyltest::drawsTheAnalemma(d.at(), shadowOn, onDial, -80, 360,
                                              2 * dials::kMeanDayDeg,
                                              oracle::toleranceFor(GetParam().style),
                                              dialtest::kPointStep));
    }
}

INSTANTIATE_TEST_SUITE_P(Cylinders, ProjectiveAnalemma, testing::ValuesIn(cylinders()));
// At the equator the tangent dial of a wall facing due south or north is equatorial.
INSTANTIATE_TEST_SUITE_P(Equator, ProjectiveAnalemma,
                         testing::Values(Cylinder{0, 0, false}, Cylinder{0, 180, true},
                                         Cylinder{0, 180, false}, Cylinder{0, -35, true}));

}  // namespace
}  // namespace cylprojtest
