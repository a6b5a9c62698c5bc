#include "vertical_fixture.h"

#include <cmath>
#include <map>

#include "dials/driver_table.h"
#include "dials/spherical/spherical.h"
#include "shell/run_dispatch.h"

namespace vsphtest {

VertSphDial::VertSphDial(const Wall& wall, const Settings& settings)
    : dialtest::ProgrammeDial("mnuVertSph", dialtest::typedWall(wall), settings), wall_(wall) {}

bool VertSphDial::setUp() {
    shell::DriverTable drivers = dials::allDrivers();
    drivers.RunVerticalSpherical = dials::spherical::ReadInputsVertSph;
    return runWith(drivers);
}

oracle::ShadowOracle VertSphDial::oracle() {
    return oracle::ShadowOracle(wall_.lat, m().DeclDegrees, 0, wall_.style);
}

testing::AssertionResult drawsTheShadowsOf(VertSphDial& dial, const Drawing& d,
                                           const std::vector<LineSun>& suns) {
    const oracle::ShadowOracle o = dial.oracle();
    const plot::PlotSurface& plot = dial.surface();
    const double left = -plot.ShiftX(), right = plot.QuadranteL() - plot.ShiftX();
    const double top = -plot.ShiftY(), bottom = plot.QuadranteH() - plot.ShiftY();
    auto inside = [&](const oracle::DialXY& p, double m) {
        return p.x > left + m && p.x < right - m && -p.y > top + m && -p.y < bottom - m;
    };

    // The suns by their declination to 1e-4 degrees, and how many shadows to expect.
    std::multimap<long, const LineSun*> byDecl;
    std::size_t sure = 0, possible = 0;
    for (const LineSun& s : suns) {
        byDecl.emplace(std::lround(s.sun.declination * 1e4), &s);
        const auto p = o.dialPoint(s.sun.hourAngle, s.sun.declination);
        const double altitude = o.sky().altitude(s.sun.hourAngle, s.sun.declination);
        if (!p || altitude < -1e-7 || !inside(*p, -1e-9)) continue;
        ++possible;
        sure += altitude > 1e-7 && inside(*p, 1e-9);
    }

    for (const DrawnPoint& p : d.points) {
        const oracle::HourDecl cast = o.sunFor(p.at.x, p.at.y);
        const long key = std::lround(cast.declination * 1e4);
        bool found = false;
        for (auto it = byDecl.lower_bound(key - 1); it != byDecl.end() && it->first <= key + 1 && !found; ++it)
            found = std::fabs(oracle::foldDegrees(cast.hourAngle - it->second->sun.hourAngle)) < 1e-6 &&
                    std::fabs(cast.declination - it->second->sun.declination) < 1e-6 &&
                    p.colour == it->second->colour;
        if (!found || o.altitudeAt(p.at.x, p.at.y) < -1e-7)
            return testing::AssertionFailure()
                   << "a point at (" << p.at.x << ", " << p.at.y << ") in colour " << p.colour
                   << " is the shadow of no sun of the line: H " << cast.hourAngle << ", decl "
                   << cast.declination << ", altitude " << o.altitudeAt(p.at.x, p.at.y);
    }
    if (d.points.size() < sure || d.points.size() > possible)
        return testing::AssertionFailure() << d.points.size() << " points drawn, expected " << sure
                                           << " to " << possible;
    return testing::AssertionSuccess();
}

const std::vector<Wall>& walls() {
    static const std::vector<Wall> kWalls = {
        {45, 0},   {45, 30},     {52, -60},  {40, 120},  {20, 0},    {60, 80},  {10, -150},
        {70, 175}, {-45, 0},     {-33.9, -40}, {-20, 25}, {-45, 170}, {-60, -95}, {0, 30}};
    return kWalls;
}

}  // namespace vsphtest
