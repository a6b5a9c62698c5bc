#pragma once
// Vertical dials by 2D analytic geometry: the light graph and the vertical dial for both
// hemispheres.

#include "shell/context.h"

namespace dials::vertical2d {

// Driver of the light graph (menu item M_Light).
void RunLightGraphDial(shell::Context& ctx);
// Driver of the vertical dial (menu item M_Frinter).
void RunVertical2D(shell::Context& ctx);

}  // namespace dials::vertical2d
