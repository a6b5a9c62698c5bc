#include "parabolic_fixture.h"

#include <cmath>

#include "shell/read_place_and_wall.h"
#include "shell/run_dispatch.h"

namespace paratest {

ParabolicDial::ParabolicDial(const Cylinder& c, const Settings& settings)
    : CylinderDial("M_Parabolico", c, settings) {}

bool ParabolicDial::setUp() {
    shell::DriverTable table;
    table.RunCylParabolic3D = [this](shell::Context& ctx) {
        shell::ReadPlaceAndWallInputs(ctx);
        frame_ = dials::cylindrical::SetupParabolicDial(ctx);
    };
    return runWith(table);
}

Drawing ParabolicDial::drawSection(Section section) {
    return draw([&](shell::Context& ctx) { section(ctx, frame_); });
}

oracle::ParabolicOracle ParabolicDial::oracle() const {
    const Cylinder& c = cylinder();
    return oracle::ParabolicOracle(c.lat, c.decl, c.convex, c.radius, c.style);
}

}  // namespace paratest
