// The substyle line of the vertical dial by spherical trigonometry: the polar axis laid down on
// the wall through the foot of the style (geometry::Face::substyleDirection), a straight line
// through the foot and the dial centre, laid whole across the plot area by the shared
// straight-line sampler, the centre included: that is where the style is rooted. Where the
// centre lies at infinity the line runs through the foot along the axis. It is a construction
// line: every point is drawn, whether or not the sun could cast it.

#include "dials/plot_line.h"
#include "dials/spherical/vertical_procedures.h"
#include "shell/helpers.h"

namespace dials::spherical {

void PlotSubstyleLineVertSph(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    DialPoint along = vsph::wallFace(m).substyleDirection(m.LatRad);
    // On the equator a wall facing due south stands square to the polar axis, and its centre is
    // the foot: the line of six through it, the horizontal, stands for the substyle.
    if (along.x == 0 && along.y == 0) along = {1, 0};
    plotLineInArea(ctx.ixPlot1(), shell::LineColor(ctx, palette::kLightBlue),
                   lineOf(lineThrough({0, 0}, along)), [](const DialPoint&) { return true; });
}

}  // namespace dials::spherical
