#include "projective_fixture.h"

#include <cmath>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "shell/read_place_and_wall.h"
#include "shell/run_dispatch.h"
#include "support/oracle_checks.h"

namespace cylprojtest {

Settings withBoxes(const Cylinder& c, const Settings& extra) {
    Settings s = cyltest::typedCylinder(c, true);
    s.insert(s.end(), extra.begin(), extra.end());
    return s;
}

ProjectiveCylinder::ProjectiveCylinder(const Cylinder& c, const Settings& extra)
    : CylinderDial("mnuCircp", c, extra, true) {}

bool ProjectiveCylinder::setUp() {
    shell::DriverTable table;
    table.RunCylCircularProjective = [](shell::Context& ctx) {
        shell::ReadPlaceAndWallInputs(ctx);
        dials::cylindrical::SetCylinderSide(ctx);
        dials::cylindrical::InitCylProjective(ctx);
    };
    return runWith(table);
}

const std::vector<Cylinder>& cylinders() {
    static const std::vector<Cylinder> kCylinders = {
        {45, 0, false},   {45, 0, true},     {45, 30, false},  {45, -30, true},
        {52, -60, false}, {40, 65, true},    {38, 110, false}, {50, -120, true},
        {30, 180, false}, {15, 160, true},   {60, 20, false, 0.3, 0.45},
        // A concave style between the radius and the diameter; the tropics; a convex wall facing
        // north that no noon sun reaches; latitudes equal to a declination line's.
        {45, -70, false, 0.5, 0.8}, {10, 30, false}, {45, 160, true},
        {23.45, 0, false, 0.5, 0.2}, {20.001, 40, true, 0.5, 0.2}, {11.501, -20, false},
        // Lines nearly upright on the development: the hours near noon on a concave wall facing
        // a little west of south, near the equator.
        {45, 20, false, 0.5, 0.2}, {9.2189, 0, false, 0.5, 0.3208},
    };
    return kCylinders;
}

testing::AssertionResult allNear(const std::vector<oracle::DialXY>& points,
                                 const std::function<double(oracle::DialXY)>& distance,
                                 double styleLength, const std::string& what) {
    return cyltest::allWithin(points, distance, what, oracle::toleranceFor(styleLength));
}

std::function<double(oracle::DialXY)> declinationPair(const oracle::CylinderOracle& o,
                                                      double declinationDeg) {
    return [&o, declinationDeg](oracle::DialXY p) {
        return std::fmin(o.distanceToDeclinationCurve(declinationDeg, p.x, p.y),
                         o.distanceToDeclinationCurve(-declinationDeg, p.x, p.y));
    };
}

cyltest::Carried carriedByTangentPlane(const oracle::CylinderOracle& o) {
    return [&o](oracle::HourDecl s) {
        const oracle::Vec3 sun = o.sky().sun(s.hourAngle, s.declination);
        const double front = oracle::dot(sun, o.facing());
        if (!(front > 0)) return false;
        // The shadow on the tangent plane: tip - (L / front) sun, abscissa along right().
        const double t = -o.styleLength() / front * oracle::dot(sun, o.right());
        return std::fabs(t) <= 5 * o.radius();
    };
}

void expectLaidWithinTheStep(cyltest::CylinderDial& dial, const oracle::CylinderOracle& o,
                             const std::vector<oracle::HourDecl>& suns,
                             const std::vector<oracle::DialXY>& points,
                             const cyltest::Carried& carried, const std::string& what) {
    EXPECT_TRUE(cyltest::laidWithinTheStep(o, suns, points, cyltest::shownOn(dial.surface()),
                                           carried, dialtest::kPointStep, what));
}

void expectHourLinesWhereCast(const oracle::CylinderOracle& o, const Drawing& d,
                              const std::function<double(double)>& toOracle,
                              const cyltest::Shown& shown, const cyltest::Carried& carried) {
    const auto lines = d.byTag();
    for (double counter = -90; counter <= 90; counter += 15) {
        // True noon is the vertical of the tangent plane: its line is the noon generatrix.
        if (std::fabs(oracle::foldDegrees(toOracle(counter))) < 1e-6) continue;
        const std::size_t suns =
            cyltest::realShadowsOf(o, cyltest::sunsOfHour(toOracle(counter)), shown, carried);
        if (suns >= 5) {
            EXPECT_EQ(lines.count(counter), 1u) << "hour line " << counter;
        }
    }
}

}  // namespace cylprojtest
