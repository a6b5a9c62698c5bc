#pragma once
// The flat dial programme by 3D analytic geometry: declining, reclining, inclining and
// horizontal planes, in both hemispheres, with the free variable X or Y.

#include "shell/context.h"

namespace dials::flat3d {

void RunInclinedDialVarX(shell::Context& ctx);
void RunInclinedDialVarY(shell::Context& ctx);

}  // namespace dials::flat3d
