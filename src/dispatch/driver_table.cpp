#include "dispatch/driver_table.h"

#include "dials/cylindrical/cylindrical.h"
#include "dials/flat3d/flat3d.h"
#include "dials/projective/projective.h"
#include "dials/spherical/spherical.h"
#include "dials/vertical2d/vertical2d.h"

namespace dispatch {

shell::DriverTable allDrivers() {
    shell::DriverTable t;
    t.RunLightGraphDial = dials::vertical2d::RunLightGraphDial;
    t.RunCylCircular3D = dials::cylindrical::RunCylCircular3D;
    t.RunProjectiveFormer = dials::projective::RunProjectiveFormer;
    t.RunCylParabolic3D = dials::cylindrical::RunCylParabolic3D;
    t.RunCylCircularParam = dials::cylindrical::RunCylCircularParam;
    t.RunProjectiveLatter = dials::projective::RunProjectiveLatter;
    t.RunVertical2D = dials::vertical2d::RunVertical2D;
    t.RunCylCircularSpherical = dials::cylindrical::RunCylCircularSpherical;
    t.RunCylCircularProjective = dials::cylindrical::RunCylCircularProjective;
    t.RunVerticalSpherical = dials::spherical::RunVerticalSpherical;
    t.RunInclinedSpherical = dials::spherical::RunInclinedSpherical;
    t.RunInclinedDialVarX = dials::flat3d::RunInclinedDialVarX;
    t.RunInclinedDialVarY = dials::flat3d::RunInclinedDialVarY;
    return t;
}

}  // namespace dispatch
