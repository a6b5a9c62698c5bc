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
        dials::cylindrical::SetCylinderSideAndStyle(ctx);
        dials::cylindrical::InitCylProjective(ctx);
    };
    return runWith(table);
}

const std::vector<Cylinder>& cylinders() {
    static const std::vector<Cylinder> kCylinders = {
        {45, 0, false},   {45, 0, true},     {45, 30, false},  {45, -30, true},
        {52, -60, false}, {40, 65, true},    {38, 110, false}, {50, -120, true},
        {30, 180, false}, {15, 160, true},   {60, 20, false, 0.3, 0.45},
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

void expectNoonCut(const Cylinder& c, const oracle::CylinderOracle& o, const Drawing& d,
                   double u) {
    if (!cyltest::meridianCutsSection(c, o)) {
        EXPECT_TRUE(d.segments.empty());
        return;
    }
    ASSERT_EQ(d.segments.size(), 1u);
    const dialtest::Segment& s = d.segments.front();
    EXPECT_EQ(s.colour, colourOf(4));
    EXPECT_EQ(s.a.x, u);
    EXPECT_EQ(s.b.x, u);
    EXPECT_LT(o.distanceToPlaneCut(oracle::Sky::west(), u, 0), 1e-9);
    if (c.convex)
        EXPECT_TRUE(o.reachable(u));
    else
        EXPECT_GT(o.surfacePoint(u, 0).y, o.tip().y);
}

}  // namespace cylprojtest
