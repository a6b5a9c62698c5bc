// The Asr curve of the Islamic afternoon prayer.
// Not drawn yet: the drivers already call it, unconditionally, at its place in the feature order.

#include "dials/flat3d/sky_lines.h"

namespace dials::flat3d {

void PlotAsrCurve(shell::Context&) {}

}  // namespace dials::flat3d
