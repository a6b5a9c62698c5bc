#pragma once
// The technical-data list written by the "Data" button onto the plot surface.

#include "shell/context.h"

namespace shell {

// Writes the list of the dial's technical data as text lines on ctx.ixPlot1(), recomputing
// from the inputs and from what the last run left in ctx.m (which it overwrites as it goes).
void cmdData_Click(Context& ctx);

}  // namespace shell
