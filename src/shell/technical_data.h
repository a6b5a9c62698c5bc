#pragma once
// The technical-data list written by the "Data" button onto the plot surface.

#include "shell/context.h"

namespace shell {

// Writes the list of the dial's technical data as text lines on ctx.ixPlot1(), recomputing
// from the inputs and from what the last run left in ctx.m (which it overwrites as it goes).
// A box holding a number the list cannot use is named in a message and nothing is written; a
// list that cannot go on stops with a message.
void cmdData_Click(Context& ctx);

}  // namespace shell
