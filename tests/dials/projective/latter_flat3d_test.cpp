// The flat 3D programme (free variable X) as a second reference on the same plane: its hour lines
// and its analemma are those of the latter projective dial.

#include <algorithm>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "dials/flat3d/procedures.h"
#include "dials/projective/latter_procedures.h"
#include "latter_fixture.h"
#include "shell/run_dispatch.h"
#include "support/oracle_vec.h"

namespace latterproj {
namespace {

class LatterAndFlat3d : public testing::TestWithParam<Plane> {};

TEST_P(LatterAndFlat3d, HourLinesAndAnalemmaCoincide) {
    LatterDial latter(GetParam(), {{"TxtHour", "1"}});
    ASSERT_TRUE(latter.setUp());
    latter.tagWith(&shell::Module1::HourCounter);
    const auto hours = latter.draw(dials::projective::DrawHourLinesProjLatter).byTag();
    const auto figure = latter.draw(dials::projective::PlotAnalemmaProjLatter).at();

    dialtest::ProgrammeDial flat("M_Inclinati", typedPlane(GetParam()),
                                 {{"option3D4", "1"}, {"TxtHour", "1"}});
    shell::DriverTable table;
    table.RunInclinedDialVarX = dials::flat3d::SetupInclinedDialVarX;
    ASSERT_TRUE(flat.runWith(table));
    flat.tagWith(&shell::Module1::HourAngleRad);

    // The 3D programme counts its hour angle positive to the east.
    std::size_t compared = 0;
    for (const auto& [angle, points] : flat.draw(dials::flat3d::DrawHourLinesX).byTag()) {
        const auto line = hours.find(std::round(-angle * 180 / flat.m().Pi));
        if (line == hours.end() || line->second.size() < 2) continue;
        const oracle::DialXY a = line->second.front(), b = line->second.back();
        for (const auto& q : points)
            EXPECT_LT(oracle::distanceToLine(q, a, b), 1e-6 * std::max(1.0, std::hypot(q.x - a.x, q.y - a.y)));
        ++compared;
    }
    EXPECT_GE(compared, 5u);

    // Its analemma steps through other days: near the foot, every projective point lies on the
    // polyline of its days, to within half a day's step (the chords cut the figure's sharp ends).
    // The 3D programme draws only the days whose noon sun shines on the plane: a point cast by
    // no sun above the horizon is not compared.
    const auto theirs = flat.draw(dials::flat3d::PlotAnalemmaX).at();
    const oracle::ShadowOracle sky = latter.oracle();
    for (const auto& q : figure) {
        if (std::hypot(q.x, q.y) > 0.5 || !(sky.altitudeAt(q.x, q.y) > 0)) continue;
        double best = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i + 1 < theirs.size(); ++i) {
            const oracle::DialXY a = theirs[i], b = theirs[i + 1];
            const double len2 = (b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y);
            if (len2 > 4e-4 || len2 == 0) continue;
            const double f = std::clamp(((q.x - a.x) * (b.x - a.x) + (q.y - a.y) * (b.y - a.y)) / len2, 0.0, 1.0);
            best = std::min(best, std::hypot(q.x - a.x - f * (b.x - a.x), q.y - a.y - f * (b.y - a.y)));
        }
        EXPECT_LT(best, 5e-4) << q.x << ", " << q.y;
    }
}

INSTANTIATE_TEST_SUITE_P(Planes, LatterAndFlat3d,
                         testing::Values(Plane{45, 30, 20}, Plane{40, 20, -25}, Plane{45, 120, 60}));

}  // namespace
}  // namespace latterproj
