// The lines of equal altitude and of equal azimuth of the sun.
// Not drawn yet: the drivers already call them at their place in the feature order.

#include "dials/flat3d/sky_lines.h"

namespace dials::flat3d {

void PlotAltitudeLines(shell::Context&) {}
void PlotAzimuthLines(shell::Context&) {}

}  // namespace dials::flat3d
