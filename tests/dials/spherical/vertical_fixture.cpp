#include "vertical_fixture.h"

#include "drawn_shadows.h"

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
    return oracle::drawsExactlyTheShadowsOf(dial.oracle(), sphtest::plotArea(dial.surface()),
                                            sphtest::colouredPoints(d), suns);
}

const std::vector<Wall>& walls() {
    static const std::vector<Wall> kWalls = {
        {45, 0},   {45, 30},     {52, -60},  {40, 120},  {20, 0},    {60, 80},  {10, -150},
        {70, 175}, {-45, 0},     {-33.9, -40}, {-20, 25}, {-45, 170}, {-60, -95}, {0, 30}};
    return kWalls;
}

}  // namespace vsphtest
