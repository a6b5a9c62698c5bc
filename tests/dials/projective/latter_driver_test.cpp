// The latter projective programme as the user meets it: refusals and title, the order of the
// features, worked dials, and the inputs at which the method has no centre or no hour step.

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "dials/projective/latter_procedures.h"
#include "latter_fixture.h"
#include "numeric/palette.h"
#include "support/oracle_checks.h"

namespace latterproj {
namespace {

using namespace dials::projective;
using dialtest::expectDrawn;
using dialtest::expectRefused;
using dialtest::runProgramme;
using numeric::qbColor;

const std::string kTitle = "Flat sundial by projective method : latter version";

TEST(LatterDriver, RefusesTheSouthTheEquatorAndHorizontalPlanes) {
    const auto run = [](const dialtest::Settings& s) { return runProgramme("M_nProiettivo", s); };
    const std::string horizontal = "Sorry, unable to draw horizontal dials ";
    expectRefused(run({{"txtLAT", "-0.5"}}), "Sorry, unable to work in the Southern hemisphere ");
    expectRefused(run({{"txtLAT", ""}, {"txtReclinZ", "90"}}), "Sorry, unable to work at the equator ");
    expectRefused(run({{"txtLAT", "45"}, {"txtReclinZ", "90"}}), horizontal);
    expectRefused(run({{"txtLAT", "45"}, {"txtReclinZ", "-90"}}), horizontal);
    // Planes the stored Pi cannot tell from the level are refused as it is; the next drawn.
    expectRefused(run({{"txtLAT", "0.1"}, {"txtReclinZ", "89.99999999"}}), horizontal);
    expectRefused(run({{"txtLAT", "1"}, {"txtReclinZ", "-90.00000001"}}), horizontal);
    EXPECT_TRUE(run({{"txtLAT", "0.1"}, {"txtReclinZ", "89.9999999"}}).messages.empty());
    expectDrawn(run({{"txtLAT", "45"}, {"txtReclinZ", "-89.9"}}), kTitle,
                {dialtest::kNoTipShadowInArea});  // the suns that graze it cast far off
    expectDrawn(run({{"txtLAT", "0.001"}, {"txtDecl", "-90"}}), kTitle);
}

TEST(LatterDriver, DrawsTheFeaturesInTheirOrder) {
    LatterDial dial({45, 30, 20}, {{"ck_Sustilare", "1"}, {"ck_Triangolo", "1"},
                                   {"ck_orizzonte", "1"}, {"ck_Italiche", "1"},
                                   {"ck_babiloniche", "1"}, {"ck_Lemniscate", "1"}});
    const dialtest::Outcome o = dial.outcomeOfRun();
    expectDrawn(o, kTitle);
    // Segments: noon line, substyle, the triangle and its steepest line, horizon.
    std::vector<plot::Colour> segments;
    for (const auto& l : o.list.lines) segments.push_back(l.Color);
    EXPECT_EQ(segments, (std::vector<plot::Colour>{qbColor(4), qbColor(9), qbColor(13), qbColor(9),
                                                   qbColor(14), qbColor(8), qbColor(2)}));
    // Points in runs of one colour: ..., the declination lines (the only light cyan), Italian and
    // Babylonian hours, and last the analemma.
    std::vector<std::pair<plot::Colour, std::size_t>> runs;
    for (const auto& p : o.list.points) {
        if (runs.empty() || runs.back().first != p.Color) runs.push_back({p.Color, 0});
        ++runs.back().second;
    }
    const std::size_t n = runs.size();
    ASSERT_GE(n, 4u);
    EXPECT_EQ(runs[0].first, qbColor(9));  // the equinoctial line first
    EXPECT_EQ(runs[n - 4].first, qbColor(11));
    EXPECT_EQ(runs[n - 3].first, qbColor(12));
    EXPECT_EQ(runs[n - 2].first, qbColor(13));
    EXPECT_EQ(runs[n - 1].first, qbColor(14));
    EXPECT_GT(runs[n - 1].second, 300u);
}

TEST(LatterDriver, WorkedDials) {
    struct Case {
        Plane plane;
        double A, B, centreX, centreY;
    };
    const Case cases[] = {
        {{45, 0, 0}, 0, 45, 0, 0.1},
        {{45, 0, 30}, 0, 45, 0, 0.37321},
        {{45, 30, 20}, 26.5651, 37.7612, -0.10598, 0.26196},
        {{45, -30, 20}, -26.5651, 37.7612, 0.10598, 0.26196},
        {{45, 90, 30}, 45, 0, 0.2, -0.17321},  // facing due west: the special case
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(describe(c.plane));
        LatterDial dial(c.plane, {{"txtLON", "-12"}, {"TxtFuso", "-1"}});
        ASSERT_TRUE(dial.setUpWithCentre());
        const shell::Module1& m = dial.m();
        EXPECT_NEAR(m.AuxStyleLength, 0.1 / std::cos(c.plane.recl * m.Pi / 180), 1e-12);
        EXPECT_NEAR(m.SetupAngleA * 180 / m.Pi, c.A, 1e-4);
        EXPECT_NEAR(m.SetupAngleB * 180 / m.Pi, c.B, 1e-4);
        EXPECT_NEAR(m.CentreX, c.centreX, 1e-5);
        EXPECT_NEAR(m.CentreY, c.centreY, 1e-5);
        EXPECT_EQ(m.ZoneCorrDeg, 3);
    }
    LatterDial dial({45, 30, 20});
    ASSERT_TRUE(dial.setUp());
    EXPECT_NEAR(dial.m().SubstyleHour * 180 / dial.m().Pi, -39.2315, 1e-4);
}

// Next to a plane holding the polar axis (facing up or down, 1e-7 to 0.1 degree off it, the last
// next to the level) the centre lies up to thousands of kilometres off, where the oracle puts it.
TEST(LatterDriver, CentreNextToAPlaneHoldingThePolarAxis) {
    for (const auto& [lat, decl, off] : {std::tuple{0.01, 0.0, 1e-7}, {0.001, 180.0, -1e-6},
                                         {0.01, -180.0, 1e-5}, {0.1, 0.0, 0.1}, {45.0, 30.0, 1e-6}}) {
        const double polar = std::atan(std::cos(decl * kPi / 180) / std::tan(lat * kPi / 180));
        const Plane p{lat, decl, polar * 180 / kPi + off, 1};
        SCOPED_TRACE(describe(p));
        LatterDial dial(p);
        ASSERT_TRUE(dial.setUpWithCentre());
        const auto centre = dial.oracle().centre();
        ASSERT_TRUE(centre.has_value());
        const double tolerance = oracle::toleranceFor(p.style) * std::hypot(centre->x, centre->y);
        EXPECT_NEAR(dial.m().CentreX, centre->x, tolerance);
        EXPECT_NEAR(dial.m().CentreY, centre->y, tolerance);
    }
}

TEST(LatterDriver, HourFractions) {
    {
        LatterDial dial({45, 30, 20}, {{"TxtHour", "4"}});
        ASSERT_TRUE(dial.setUp());
        dial.tagWith(&shell::Module1::HourCounter);
        EXPECT_EQ(dial.draw(DrawHourLinesProjLatter).byTag().size(), 49u);
    }
    // A negative fraction is refused before the run.
    EXPECT_FALSE(LatterDial({45, 30, 20}, {{"TxtHour", "-1"}}).setUp());
    // The noon line of a plane facing south or nearly so lies on the auxiliary substyle, or
    // close to it: it is drawn whole, as densely as the other hour lines.
    for (const Plane& south : {Plane{45, 0, 0}, Plane{45, 0, 30}, Plane{45, 0.5, 0},
                               Plane{45, 1, 0}, Plane{52, -1, -20}, Plane{45, 0, 100}}) {
        SCOPED_TRACE(describe(south));
        LatterDial dial(south, {{"TxtHour", "1"}});
        ASSERT_TRUE(dial.setUp());
        const auto noon = dial.draw(DrawHourLinesProjLatter).withColour(qbColor(12));
        EXPECT_GT(noon.size(), 300u);
        EXPECT_TRUE(oracle::allOnWholeHourLine(dial.oracle(), 0, noon));
    }

    // An hour fraction of 0 (no step between the hour lines), or a style of no length (whose
    // shadow is its foot), is refused before the run, as in the former version.
    for (const auto& [box, named] : {std::pair{"TxtHour", "Hour fraction"},
                                     std::pair{"txtStilo", "Perpendicular style"}}) {
        LatterDial zero({45, 30, 20}, {{box, "0"}});
        const dialtest::Outcome o = zero.outcomeOfRun();
        ASSERT_EQ(o.messages.size(), 1u);
        EXPECT_NE(o.messages[0].find(named), std::string::npos);
        EXPECT_EQ(o.drawn(), 0u);
    }
}

// A plane holding the polar axis (a wall facing due east or west, a polar dial) has no centre:
// its hour lines are parallel. No line runs to the centre and nothing is recorded far off; the
// substyle through the foot, the style laid down through its tip and the noon line (where the
// noon sun reaches the plane and the meridian is not parallel to it) run along the polar axis
// across the plot area.
TEST(LatterDriver, APlaneHoldingThePolarAxisHasParallelLinesAndNoCentre) {
    // Next to the equator the polar plane lies next to the level: a short style keeps its
    // horizon in the plot area.
    for (const Plane& p : {Plane{45, 90, 0}, Plane{45, -90, 0}, Plane{45, 0, 45},
                           Plane{30, 0, 60}, Plane{45, 180, -45}, Plane{0.01, 0, 89.99, 1e-4}}) {
        SCOPED_TRACE(describe(p));
        const dialtest::Settings ticks = {{"TxtHour", "1"}, {"ck_Sustilare", "1"},
                                          {"ck_Triangolo", "1"}, {"ck_orizzonte", "1"}};
        LatterDial dial(p, ticks);
        dial.m().CentreX = 7;
        const dialtest::Outcome o = dial.outcomeOfRun();
        expectDrawn(o, kTitle);
        EXPECT_EQ(o.m.CentreX, 7);
        EXPECT_TRUE(dialtest::nothingFarOff(o.list));
        const oracle::ShadowOracle oracle = dial.oracle();
        const bool noon = p.decl == 0;  // none on the walls, none seen by the face turned down
        std::vector<int> colours = {9, 13, 9, 14, 2};
        if (noon) colours.insert(colours.begin(), 4);
        const auto segments = dial.drawing().segments;
        ASSERT_EQ(segments.size(), colours.size());
        const oracle::Vec3 pole{0, std::cos(p.lat * kPi / 180), std::sin(p.lat * kPi / 180)};
        const oracle::DialXY along{dot(pole, oracle.axisX()), dot(pole, oracle.axisY())};
        const oracle::DialXY tip = segments[noon ? 2 : 1].b;
        EXPECT_NEAR(std::hypot(tip.x, tip.y), p.style, 1e-12);
        for (std::size_t i = 0; i < segments.size(); ++i) {
            const dialtest::Segment& s = segments[i];
            EXPECT_EQ(s.colour, qbColor(colours[i])) << i;
            if (colours[i] == 13 || colours[i] == 2) continue;
            const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
            EXPECT_LT(std::fabs(dx * along.y - dy * along.x) / std::hypot(dx, dy), 1e-9) << i;
            const oracle::DialXY through = colours[i] == 4 ? *oracle.dialPoint(0, 0)
                                           : i == (noon ? 3u : 2u) ? tip
                                                                   : oracle::DialXY{0, 0};
            EXPECT_LT(oracle::distanceToLine(through, s.a, s.b), 1e-9) << i;
        }

        LatterDial lines(p, ticks);
        ASSERT_TRUE(lines.setUp());
        lines.tagWith(&shell::Module1::HourCounter);
        const auto hours = lines.draw(DrawHourLinesProjLatter).byTag();
        for (const auto& [counter, points] : hours)
            EXPECT_TRUE(oracle::allOnWholeHourLine(lines.oracle(), counter, points)) << counter;
        if (p.decl == 180) continue;
        EXPECT_GE(hours.size(), 6u);
        const auto solstices = lines.draw(DrawDeclinationLinesProjLatter).withColour(qbColor(12));
        EXPECT_TRUE(oracle::allOnDeclinationPair(lines.oracle(), 23.45, solstices));
    }
}

}  // namespace
}  // namespace latterproj
