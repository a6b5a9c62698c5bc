#pragma once
// Declining and reclining flat dials by the projective method, in its former and latter
// versions.

#include "shell/context.h"

namespace dials::projective {

// Driver of the former version (menu item M_Proiettivo).
void RunProjectiveFormer(shell::Context& ctx);
// Driver of the latter version (menu item M_nProiettivo).
void RunProjectiveLatter(shell::Context& ctx);

}  // namespace dials::projective
