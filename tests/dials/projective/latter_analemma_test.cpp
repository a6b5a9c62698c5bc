// The analemma of the latter projective dial: every point is the shadow of the true sun at 12:00
// of the zone's standard time on one mean day, on planes facing every way the programme accepts.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dials/sun_series.h"
#include "dials/projective/latter_procedures.h"
#include "latter_fixture.h"
#include "numeric/palette.h"
#include "numeric/step_loop.h"
#include "support/oracle_checks.h"

namespace latterproj {
namespace {

struct AnalemmaCase {
    Plane plane;
    const char* lon;
    const char* zone;
    bool noonSunShines = true;  // on some days of the year
};

void PrintTo(const AnalemmaCase& c, std::ostream* out) {
    *out << describe(c.plane) << ", lon " << c.lon << ", zone " << c.zone;
}

const AnalemmaCase kCases[] = {
    {{45, 0, 0}, "-7.6438", "-1"},   {{45, 30, 20}, "-12.5", "-1"},  {{52, -25, 35}, "5", "0"},
    {{40, 20, -25}, "74", "5"},      {{45, 60, -40}, "-20", "-1"},   {{60, -15, 80}, "-30", "-2"},
    {{38, 75, -70}, "-100", "-7", false},
    // Facing due east or west, and north of them: the shadow is picked out on every day the sun
    // shines on the plane.
    {{45, 90, 30}, "-7.6438", "-1"}, {{45, 90, 60}, "0", "0"},       {{45, 120, 60}, "0", "-1"},
    {{45, -100, 50}, "3", "0"},      {{45, 120, 10}, "0", "0", false},
    {{50, -150, -30}, "-10", "-1", false}, {{45, 90, 0}, "-7.6438", "-1", false},
    // Turned past the vertical: the tip lies beyond the auxiliary plane.
    {{45, 0, 100}, "-7.6438", "-1"},       {{60, 10, 135}, "-12", "-1"},
    {{45, -20, 95}, "0", "0"},             {{45, 30, -120}, "-7.6438", "-1", false},
    {{45, 120, -100}, "0", "0", false},    {{45, -150, 170}, "5", "0"},
    // Nearly level, facing up or down.
    {{45, 20, 89.9}, "-7.6438", "-1"},     {{70, -135, 89.99999}, "0", "0"},
    {{60, -30, -89.999}, "0", "0", false},
};

class AnalemmaOnOracle : public testing::TestWithParam<AnalemmaCase> {};

TEST_P(AnalemmaOnOracle, EveryPointIsTheShadowOfTheTrueSunAtZoneNoon) {
    const AnalemmaCase c = GetParam();
    LatterDial dial(c.plane, {{"txtLON", c.lon}, {"TxtFuso", c.zone}});
    ASSERT_TRUE(dial.setUp());
    const dialtest::Drawing d = dial.draw(dials::projective::PlotAnalemmaProjLatter);
    EXPECT_EQ(d.withColour(numeric::qbColor(14)).size(), d.points.size());
    EXPECT_LE(d.points.size(), 366u);
    if (c.noonSunShines) {
        EXPECT_GT(d.points.size(), 50u);
    }

    // The shadow of the true sun of each day the programme steps through, on the days that sun
    // shines on the plane from above the horizon.
    const oracle::ShadowOracle o = dial.oracle();
    const double noon = oracle::hourAngleOfStandardTime(12, std::stod(c.lon), std::stod(c.zone));
    const double pi = 3.141592654;
    const plot::PlotSurface& plot = dial.surface();
    std::vector<oracle::DialXY> days;
    std::size_t inPlot = 0;
    for (double t : numeric::StepRange(-80, 280, dials::kMeanDayDeg)) {
        const auto sun = dials::sunForDay(t, dials::kAnalemmaObliquityDeg * pi / 180, pi);
        const auto s = o.shadow(noon - sun.equationOfTime() * 180 / pi, sun.declination * 180 / pi);
        if (!s || !s->sunInFront || !s->sunAboveHorizon) continue;
        days.push_back(s->point);
        inPlot += s->point.x > -plot.ShiftX() && s->point.x < plot.QuadranteL() - plot.ShiftX() &&
                  s->point.y > plot.ShiftY() - plot.QuadranteH() && s->point.y < plot.ShiftY();
    }
    // Each point is its day's shadow; a day whose sun stands behind the plane or below the
    // horizon at that hour gets none.
    for (const dialtest::DrawnPoint& p : d.points) {
        const auto day = std::min_element(days.begin(), days.end(), [&](const auto& a, const auto& b) {
            return oracle::distance(a, p.at) < oracle::distance(b, p.at);
        });
        ASSERT_NE(day, days.end()) << p.at.x << ", " << p.at.y;
        EXPECT_LT(oracle::distance(*day, p.at), oracle::toleranceFor(0.1)) << p.at.x << ", " << p.at.y;
    }
    EXPECT_EQ(d.points.size(), inPlot);
    EXPECT_EQ(inPlot > 50, c.noonSunShines);
}

INSTANTIATE_TEST_SUITE_P(Planes, AnalemmaOnOracle, testing::ValuesIn(kCases));

TEST(LatterAnalemma, ThreeHundredSixtySixDaysFromEarlyJanuaryCloseTheFigure) {
    LatterDial dial({45, 0, 0});
    ASSERT_TRUE(dial.setUp());
    const auto points = dial.draw(dials::projective::PlotAnalemmaProjLatter).at();
    ASSERT_EQ(points.size(), 366u);
    EXPECT_LT(std::hypot(points[0].x - points[365].x, points[0].y - points[365].y), 1e-3);
}

}  // namespace
}  // namespace latterproj
