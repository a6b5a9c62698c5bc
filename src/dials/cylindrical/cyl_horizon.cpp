// The horizon of the circular cylinders: the horizontal through the foot of the style, across
// the plot's width.

#include "dials/cylindrical/cyl_shared.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawCylHorizonLine(shell::Context& ctx) {
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.xLine(-plot.ShiftX(), 0, plot.ShiftX(), 0, shell::LineColor(ctx, 2));
}

}  // namespace dials::cylindrical
