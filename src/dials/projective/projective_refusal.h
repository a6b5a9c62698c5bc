#pragma once
// The inputs that neither projective programme can draw.

#include "shell/context.h"

namespace dials::projective {

// Refuses, with its message box, a southern latitude, the equator or a horizontal plane
// (reclination +-90), in that order. Returns whether the run was refused. `nearLevelTooFar` also
// refuses as horizontal a plane that the stored Pi cannot tell from the level (the cosine of its
// reclination, on the stored Pi, within numeric::kStoredPiResidue of 0): a method built on an
// auxiliary vertical plane would set that plane farther off than its sweep reaches.
bool refuseProjective(shell::Context& ctx, bool nearLevelTooFar = false);

}  // namespace dials::projective
