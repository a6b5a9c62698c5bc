#pragma once
// The inputs that neither projective programme can draw.

#include "shell/context.h"

namespace dials::projective {

// Refuses, with its message box, a southern latitude, the equator or a horizontal plane
// (reclination +-90), in that order. Returns whether the run was refused.
bool refuseProjective(shell::Context& ctx);

}  // namespace dials::projective
