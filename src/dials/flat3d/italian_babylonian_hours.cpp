// Italian hours (counted from the last sunset) and Babylonian hours (counted from sunrise).
// Not drawn yet: the drivers already call these at their place in the feature order.

#include "dials/flat3d/procedures.h"

namespace dials::flat3d {

void DrawItalianHoursX(shell::Context&) {}
void DrawItalianHoursY(shell::Context&) {}
void DrawBabylonianHoursX(shell::Context&) {}
void DrawBabylonianHoursY(shell::Context&) {}

}  // namespace dials::flat3d
