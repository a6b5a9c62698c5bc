#include "vertical_fixture.h"

#include "drawn_shadows.h"

#include "dispatch/driver_table.h"
#include "dials/spherical/spherical.h"
#include "shell/run_dispatch.h"

namespace vsphtest {

VertSphDial::VertSphDial(const Wall& wall, const Settings& settings)
    : dialtest::ProgrammeDial("mnuVertSph", dialtest::typedWall(wall), settings), wall_(wall) {}

bool VertSphDial::setUp() {
    shell::DriverTable drivers = dispatch::allDrivers();
    drivers.RunVerticalSpherical = dials::spherical::ReadInputsVertSph;
    return runWith(drivers);
}

oracle::ShadowOracle VertSphDial::oracle() {
    return oracle::ShadowOracle(wall_.lat, m().DeclDegrees, 0, wall_.style);
}

testing::AssertionResult laysTheLinesWhole(VertSphDial& dial, const Drawing& d,
                                           const std::vector<sphtest::SweptLine>& lines) {
    const oracle::ShadowOracle o = dial.oracle();
    if (auto up = oracle::allCastClearOfTheHorizon(o, d.at()); !up) return up;
    return sphtest::laysTheLinesWhole(o, dialtest::kPlotArea, sphtest::colouredPoints(d), lines,
                                      dialtest::kLineStep);
}

const std::vector<Wall>& walls() {
    static const std::vector<Wall> kWalls = {
        {45, 0},   {45, 30},     {52, -60},  {40, 120},  {20, 0},    {60, 80},  {10, -150},
        {70, 175}, {-45, 0},     {-33.9, -40}, {-20, 25}, {-45, 170}, {-60, -95}, {0, 30},
        // due east and west, whose horizon line crosses the plot; due north beyond 50
        {45, -90}, {-45, -90},   {55, 180},    {-55, 0},
        // the Italian, Babylonian and temporary hours near the horizon; due west in both
        // hemispheres, whose centre lies at infinity
        {45, 20},  {45, 90},     {-45, 90}};
    return kWalls;
}

}  // namespace vsphtest
