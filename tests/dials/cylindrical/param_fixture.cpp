#include "param_fixture.h"

#include "dials/cylindrical/param_procedures.h"
#include "shell/read_place_and_wall.h"
#include "shell/run_dispatch.h"

namespace cylparamtest {

ParamCylinder::ParamCylinder(const Cylinder& c, const Settings& extra)
    : ProgrammeDial("M_Param", cylprojtest::typedCylinder(c), extra), cylinder_(c) {}

bool ParamCylinder::setUp() {
    shell::DriverTable table;
    table.RunCylCircularParam = [](shell::Context& ctx) {
        shell::ReadPlaceAndWallInputs(ctx);
        dials::cylindrical::SetCylinderSideParam(ctx);
    };
    return runWith(table);
}

oracle::CylinderOracle ParamCylinder::oracle() const {
    return oracle::CylinderOracle(cylinder_.lat, cylinder_.decl, cylinder_.convex,
                                  cylinder_.radius, cylinder_.style);
}

}  // namespace cylparamtest
