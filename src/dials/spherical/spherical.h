#pragma once
// Vertical, declining-reclining and horizontal flat dials by spherical trigonometry.

#include "shell/context.h"

namespace dials::spherical {

// Driver of the vertical programme (menu item mnuVertSph, the start-up programme).
void RunVerticalSpherical(shell::Context& ctx);
// Driver of the declining-reclining or horizontal programme (menu item mnuUni).
void RunInclinedSpherical(shell::Context& ctx);

// Set-up of the vertical programme: Pi, Obliquity, LatDegrees (the latitude as typed) and
// LatRad (the same in radians, signed).
void ReadInputsVertSph(shell::Context& ctx);
// Set-up of the declining-reclining programme: as ReadInputsVertSph, and HorizontalFlag 1 for a
// horizontal plane (reclination +-90), else 0.
void PrepareSphericalData(shell::Context& ctx);

}  // namespace dials::spherical
