#pragma once
// Vertical, declining-reclining and horizontal flat dials by spherical trigonometry.

#include "shell/context.h"

namespace dials::spherical {

// Driver of the vertical programme (menu item mnuVertSph, the start-up programme).
void RunVerticalSpherical(shell::Context& ctx);
// Driver of the declining-reclining or horizontal programme (menu item mnuUni).
void RunInclinedSpherical(shell::Context& ctx);

}  // namespace dials::spherical
