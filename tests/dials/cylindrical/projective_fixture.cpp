#include "projective_fixture.h"

#include <cmath>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"
#include "shell/run_dispatch.h"
#include "support/oracle_checks.h"

namespace cylprojtest {

using dialtest::number;

std::string describe(const Cylinder& c) {
    return "lat " + number(c.lat) + ", decl " + number(c.decl) +
           (c.convex ? ", convex" : ", concave") + ", R " + number(c.radius) + ", L " +
           number(c.style);
}

Settings typedCylinder(const Cylinder& c) {
    Settings s = {{"txtLAT", number(c.lat)},
                  {"txtDecl", number(c.decl)},
                  {"txtRadius", number(c.radius)},
                  {"txtStilo", number(c.style)},
                  {c.convex ? "Option3D2" : "Option3D1", "1"}};
    for (const char* box : {"chkOreAstronomiche", "ck_DayLightCurves", "ck_Lemniscate",
                            "ck_Equinoziale", "ck_orizzonte", "ck_Triangolo", "ck_Sustilare",
                            "ck_Italiche", "ck_babiloniche", "Ck_Section", "ck_Etna"})
        s.emplace_back(box, "0");
    return s;
}

plot::Colour colourOf(int index) { return shell::LineColor(shell::clsOptions{}, index); }

ProjectiveCylinder::ProjectiveCylinder(const Cylinder& c, const Settings& extra)
    : ProgrammeDial("mnuCircp", typedCylinder(c), extra), cylinder_(c) {}

bool ProjectiveCylinder::setUp() {
    shell::DriverTable table;
    table.RunCylCircularProjective = [](shell::Context& ctx) {
        shell::ReadPlaceAndWallInputs(ctx);
        dials::cylindrical::SetCylinderSideAndStyle(ctx);
        dials::cylindrical::InitCylProjective(ctx);
    };
    return runWith(table);
}

oracle::CylinderOracle ProjectiveCylinder::oracle() const {
    return oracle::CylinderOracle(cylinder_.lat, cylinder_.decl, cylinder_.convex,
                                  cylinder_.radius, cylinder_.style);
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
    const oracle::Misses miss = oracle::missesOf(
        points.size(), [&](std::size_t i) { return distance(points[i]); },
        oracle::toleranceFor(styleLength));
    if (miss.count == 0) return testing::AssertionSuccess();
    const oracle::DialXY& p = points[miss.worst];
    return testing::AssertionFailure()
           << what << ": " << miss.count << " of " << points.size()
           << " points off their curve; worst (" << p.x << ", " << p.y << ") by "
           << miss.worstError;
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
    const double tipFromAxis = c.convex ? c.radius + c.style : c.radius - c.style;
    if (!(std::fabs(tipFromAxis * std::sin(o.sky().rad(c.decl))) < c.radius)) {
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
