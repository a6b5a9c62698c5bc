// The analemma of the projective cylinder against the cylinder oracle: every point is the shadow
// of the true sun at 12:00 standard time on one day of the series, and every such shadow that the
// tangent plane's dial can carry (the sun in front of that plane) and the plot can show is drawn.

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/sun_series.h"
#include "numeric/step_loop.h"
#include "projective_fixture.h"
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
        std::vector<DialXY> expected;
        std::size_t carried = 0;
        for (double day : numeric::StepRange(-80, 360, 2 * dials::kMeanDayDeg)) {
            const auto sun = dials::sunForDay(
                day, dials::kAnalemmaObliquityDeg * pi / 180, pi);
            const double H = correction - o.sky().deg(sun.equationOfTime());
            const double delta = o.sky().deg(sun.declination);
            const auto p = o.dialPoint(H, delta);
            if (!p) continue;
            expected.push_back(*p);
            if (oracle::dot(o.sky().sun(H, delta), o.facing()) > 0 && shown(*p)) ++carried;
        }
        auto nearest = [&](DialXY q) {
            double best = std::numeric_limits<double>::infinity();
            for (const DialXY& p : expected) best = std::fmin(best, oracle::distance(p, q));
            return best;
        };
        EXPECT_TRUE(allNear(d.at(), nearest, GetParam().style, "analemma"));
        EXPECT_EQ(d.points.size(), carried);
    }
}

INSTANTIATE_TEST_SUITE_P(Cylinders, ProjectiveAnalemma, testing::ValuesIn(cylinders()));
// At the equator the tangent dial of a wall facing due south or north is equatorial.
INSTANTIATE_TEST_SUITE_P(Equator, ProjectiveAnalemma,
                         testing::Values(Cylinder{0, 0, false}, Cylinder{0, 180, true},
                                         Cylinder{0, 180, false}, Cylinder{0, -35, true}));

}  // namespace
}  // namespace cylprojtest
