// The dial by spherical trigonometry and the dial by 3D analytic geometry on the same typed
// planes: their hour lines lie on the same lines, and the spherical projection puts the sun of
// every point of the 3D declination lines where the 3D programme drew it.

#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dispatch/driver_table.h"
#include "dials/flat3d/procedures.h"
#include "dials/spherical/inclined_procedures.h"
#include "inclined_fixture.h"
#include "numeric/palette.h"
#include "shell/run_dispatch.h"
#include "support/oracle_checks.h"

namespace inclinedtest {
namespace {

// The 3D programme with its free variable X on the typed plane, its inputs read.
class Flat3dDial : public dialtest::ProgrammeDial {
public:
    explicit Flat3dDial(const Plane& p)
        : dialtest::ProgrammeDial("M_Inclinati",
                                  {{"txtLAT", dialtest::number(p.lat)},
                                   {"txtDecl", dialtest::number(p.decl)},
                                   {"txtReclinZ", dialtest::number(p.recl)},
                                   {"txtStilo", dialtest::number(p.style)},
                                   {"option3D4", "1"},
                                   {"TxtHour", "1"}}),
          lat_(p.lat) {
        tagWith(&shell::Module1::HourAngleRad);
    }
    bool setUp() {
        shell::DriverTable table;
        table.RunInclinedDialVarX = dials::flat3d::SetupInclinedDialVarX;
        return runWith(table);
    }
    // Its hour angles count positive to the east in the north.
    double oracleHour(double rad) const {
        const double degrees = rad * 180 / kPi;
        return lat_ >= 0 ? -degrees : degrees;
    }

private:
    double lat_;
};

class InclinedAgreesWithFlat3d : public testing::TestWithParam<Plane> {};

TEST_P(InclinedAgreesWithFlat3d, HourLinesCoincide) {
    Flat3dDial flat(GetParam());
    ASSERT_TRUE(flat.setUp());
    const auto flatLines = flat.draw(dials::flat3d::DrawHourLinesX).byTag();
    InclinedDial sph(GetParam(), {{"TxtHour", "1"}});
    ASSERT_TRUE(sph.setUp());
    std::map<long, std::vector<oracle::DialXY>> sphLines;
    for (const auto& [tag, points] : sph.draw(dials::spherical::DrawSphericalHourLines).byTag())
        sphLines[std::lround(sph.oracleHour(tag))] = points;
    std::size_t compared = 0;
    for (const auto& [tag, points] : flatLines) {
        const double h = flat.oracleHour(tag);
        const auto line = sphLines.find(std::lround(h));
        if (line == sphLines.end() || line->second.size() < 2) continue;
        // The straight line through the spherical line's two farthest points.
        const oracle::DialXY a = line->second.front(), b = line->second.back();
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        ASSERT_GT(length, 0.01) << "hour " << h;
        for (const oracle::DialXY& p : points) {
            const double off =
                std::fabs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / length;
            ASSERT_LT(off, 1e-6 * (1 + std::hypot(p.x, p.y) / 0.1)) << "hour " << h << " at "
                                                                    << p.x << ", " << p.y;
        }
        ++compared;
    }
    // A plane turned to the pole is lit only early and late in summer.
    EXPECT_GE(compared, 4u);
}

TEST_P(InclinedAgreesWithFlat3d, SphericalProjectionPlacesTheSunsOfTheDeclinationLines) {
    Flat3dDial flat(GetParam());
    ASSERT_TRUE(flat.setUp());
    const dialtest::Drawing d = flat.draw(dials::flat3d::DrawDeclinationLines);
    InclinedDial sph(GetParam());
    ASSERT_TRUE(sph.setUp());
    const oracle::ShadowOracle o = sph.oracle();
    shell::Module1& m = sph.m();
    std::size_t compared = 0;
    for (const dialtest::DrawnPoint& p : d.points) {
        const oracle::HourDecl sun = o.sunFor(p.at.x, p.at.y);
        // The sun in the spherical programme's own terms, then its placement rule.
        const double H = m.HemisphereSign * sun.hourAngle * kPi / 180;
        const std::optional<geometry::DialPoint> s =
            dials::spherical::ShadowPointSpherical(m, H, sun.declination * kPi / 180);
        ASSERT_TRUE(s);
        const bool reflected = m.LatRad < 0;
        const double x = reflected ? -s->x : s->x, y = reflected ? -s->y : s->y;
        const double tol = 1e-6 * (1 + (p.at.x * p.at.x + p.at.y * p.at.y) / 0.01);
        ASSERT_NEAR(x, p.at.x, tol) << "declination " << sun.declination;
        ASSERT_NEAR(y, p.at.y, tol) << "declination " << sun.declination;
        ++compared;
    }
    EXPECT_GT(compared, 100u);
}

INSTANTIATE_TEST_SUITE_P(Planes, InclinedAgreesWithFlat3d, testing::ValuesIn(planes()));

}  // namespace
}  // namespace inclinedtest
