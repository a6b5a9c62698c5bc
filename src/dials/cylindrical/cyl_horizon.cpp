// The horizon of the cylindrical dials: the horizontal through the foot of the style, across
// the plot's width. One drawing under the names its calling programmes use.

#include "dials/cylindrical/cyl_shared.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawCylHorizonLine(shell::Context& ctx) {
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.xLine(-plot.ShiftX(), 0, plot.ShiftX(), 0, shell::LineColor(ctx, 2));
}

void DrawCylHorizonLineParam(shell::Context& ctx) { DrawCylHorizonLine(ctx); }

void DrawCylProjHorizonLine(shell::Context& ctx) { DrawCylHorizonLine(ctx); }

}  // namespace dials::cylindrical
