// The Qibla: the shadow curve of the moments when the sun stands in the direction of a chosen
// place, with its label and text block.
// Not drawn yet: the drivers already call it at its place in the feature order.

#include "dials/flat3d/sky_lines.h"

namespace dials::flat3d {

void PlotQibla(shell::Context&) {}

}  // namespace dials::flat3d
