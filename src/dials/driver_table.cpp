#include "dials/driver_table.h"

#include "dials/cylindrical/cylindrical.h"
#include "dials/flat3d/flat3d.h"
#include "dials/projective/projective.h"
#include "dials/spherical/spherical.h"
#include "dials/vertical2d/vertical2d.h"

namespace dials {

shell::DriverTable allDrivers() {
    shell::DriverTable t;
    t.RunLightGraphDial = vertical2d::RunLightGraphDial;
    t.RunCylCircular3D = cylindrical::RunCylCircular3D;
    t.RunProjectiveFormer = projective::RunProjectiveFormer;
    t.RunCylParabolic3D = cylindrical::RunCylParabolic3D;
    t.RunCylCircularParam = cylindrical::RunCylCircularParam;
    t.RunProjectiveLatter = projective::RunProjectiveLatter;
    t.RunVertical2D = vertical2d::RunVertical2D;
    t.RunCylCircularSpherical = cylindrical::RunCylCircularSpherical;
    t.RunCylCircularProjective = cylindrical::RunCylCircularProjective;
    t.RunVerticalSpherical = spherical::RunVerticalSpherical;
    t.RunInclinedSpherical = spherical::RunInclinedSpherical;
    t.RunInclinedDialVarX = flat3d::RunInclinedDialVarX;
    t.RunInclinedDialVarY = flat3d::RunInclinedDialVarY;
    return t;
}

}  // namespace dials
