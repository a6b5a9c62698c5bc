#pragma once
// Dials on concave or convex cylinders: circular cross-section by four methods, parabolic
// cross-section by 3D analytic geometry, unrolled into the plane.

#include "shell/context.h"

namespace dials::cylindrical {

void RunCylCircular3D(shell::Context& ctx);          // menu item M_CILINDRICI
void RunCylParabolic3D(shell::Context& ctx);         // menu item M_Parabolico
void RunCylCircularParam(shell::Context& ctx);       // menu item M_Param
void RunCylCircularSpherical(shell::Context& ctx);   // menu item mnuCCs
void RunCylCircularProjective(shell::Context& ctx);  // menu item mnuCircp

}  // namespace dials::cylindrical
