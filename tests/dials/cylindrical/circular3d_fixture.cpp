#include "circular3d_fixture.h"

#include <cmath>

#include "dials/cylindrical/cyl_shared.h"
#include "dispatch/driver_table.h"
#include "shell/read_place_and_wall.h"
#include "support/oracle_checks.h"

namespace cyl3dtest {

const std::vector<Cylinder>& cylinders() {
    static const std::vector<Cylinder> all = {
        {45, 0, false},  {45, 20, false},  {40, 120, false},  {45, -150, false},
        {45, 180, false}, {0, 30, false},  {52, -35, false, 0.5, 0.45}, {45, 90, false},
        {45, -110, false},
        {45, 0, true},   {45, -50, true},  {52, 35, true, 0.5, 0.15},
        {30, 10, true},  {60, 80, true, 0.3, 0.4}, {45, -160, true},
        // A concave style reaching past the axis; the tropics, where the noon sun stands north
        // of the zenith in summer; latitudes equal to a declination line's.
        {45, -70, false, 0.5, 0.8}, {10, 30, false}, {10, 180, true},
        {23.45, 30, false, 0.5, 0.2}, {20.001, -40, true, 0.5, 0.2}, {11.501, 120, false},
        // North of the polar circle, where the midnight sun's shadow falls on a generatrix too;
        // a concave style reaching out beyond the far wall.
        {80, 160, false, 0.5, 0.2}, {72, -150, true}, {35, 30, false, 0.3, 0.7},
        // Lines nearly upright on the development, swept by the chord: an hour of standard time
        // near true noon on a wall facing south near the equator, the hours near noon on a
        // concave wall facing a little west of south.
        {9.2189, 0, false, 0.5, 0.3208}, {45, 20, false, 0.5, 0.2},
        // The equator, walls facing south, north, east and west.
        {0, 0, false, 0.5, 0.2}, {0, 180, true}, {0, 90, false}, {0, -90, true},
    };
    return all;
}

bool Cyl3dDial::setUp() {
    shell::DriverTable drivers = dispatch::allDrivers();
    drivers.RunCylCircular3D = [](shell::Context& ctx) {
        shell::ReadPlaceAndWallInputs(ctx);
        dials::cylindrical::SetCylinderSide(ctx);
        dials::cylindrical::ComputeCylGnomonGeometry(ctx);
    };
    return runWith(drivers);
}

double oracleHourAngle(double programmeRad) { return -programmeRad * 180 / oracle::kStoredPi; }

testing::AssertionResult allOnCurve(const oracle::CylinderOracle& o,
                                    const std::vector<oracle::DialXY>& points,
                                    const std::function<double(oracle::DialXY)>& distance,
                                    const std::string& what) {
    const double tolerance = oracle::toleranceFor(o.styleLength());
    for (const oracle::DialXY& p : points) {
        const double error = distance(p);
        const oracle::CylSun cast = o.sunAt(p.x, p.y);
        // Below the tip's level by more than a rounding: a sun on the horizon casts no shadow.
        const bool real = o.castByRealSun(p.x, p.y) && p.y < -1e-12;
        if (!(error <= tolerance) || !real)
            return testing::AssertionFailure()
                   << what << ": the point (" << p.x << ", " << p.y << ") is " << error
                   << " m off its curve" << (real ? "" : ", where no real sun casts it")
                   << "; its sun: H " << cast.sun.hourAngle << ", decl "
                   << cast.sun.declination << " (" << points.size() << " points)";
    }
    return testing::AssertionSuccess();
}

}  // namespace cyl3dtest
