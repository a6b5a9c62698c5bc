#include "param_fixture.h"

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/param_procedures.h"
#include "shell/read_place_and_wall.h"
#include "shell/run_dispatch.h"

namespace cylparamtest {

bool ParamCylinder::setUp() {
    shell::DriverTable table;
    table.RunCylCircularParam = [](shell::Context& ctx) {
        shell::ReadPlaceAndWallInputs(ctx);
        dials::cylindrical::SetCylinderSide(ctx);
        dials::cylindrical::SetCylParam(ctx.m);
    };
    return runWith(table);
}

}  // namespace cylparamtest
