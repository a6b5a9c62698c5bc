#include "param_fixture.h"

#include "dials/cylindrical/param_procedures.h"
#include "shell/read_place_and_wall.h"
#include "shell/run_dispatch.h"

namespace cylparamtest {

bool ParamCylinder::setUp() {
    shell::DriverTable table;
    table.RunCylCircularParam = [](shell::Context& ctx) {
        shell::ReadPlaceAndWallInputs(ctx);
        dials::cylindrical::SetCylinderSideParam(ctx);
    };
    return runWith(table);
}

}  // namespace cylparamtest
