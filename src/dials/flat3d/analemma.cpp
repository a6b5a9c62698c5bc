// The analemma of 12:00 standard time.
// Not drawn yet: the drivers already call these at their place in the feature order.

#include "dials/flat3d/procedures.h"

namespace dials::flat3d {

void PlotAnalemmaX(shell::Context&) {}
void PlotAnalemmaY(shell::Context&) {}

}  // namespace dials::flat3d
