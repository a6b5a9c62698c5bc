#include "dials/flat3d/flat3d.h"

namespace dials::flat3d {

// Filled in with the programme itself.
void RunInclinedDialVarX(shell::Context&) {}
void RunInclinedDialVarY(shell::Context&) {}

}  // namespace dials::flat3d
