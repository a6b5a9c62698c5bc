// Declination lines: for each pair +-delta (23.45, 20 and 11.5 degrees) the conic that the cone
// of sun rays around the polar style cuts on the wall, cut along both axes of the wall over the
// whole plot area (see dials/cone_sections.h), in the world frame of the northern wall this
// programme draws (see wall_frame.h), which holds on the equator too. A point is drawn
// only where the sun of that day stands above the horizon; each line ends at its horizon point
// (plotHorizonEnds).

#include "dials/cone_sections.h"
#include "dials/plot_line.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "dials/vertical2d/wall_frame.h"
#include "dials/vertical2d/wall_lines.h"

namespace dials::vertical2d {

void DrawDeclinationLinesVert2D(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    const Wall wall = Wall::northernMirror(m);
    const auto pairs = declinationLinePairs(ctx);
    plotSunlitConeSections(ctx.ixPlot1(), wall.coneFrame(), pairs, m.Pi, kLineStep);
    plotHorizonEnds(ctx.ixPlot1(), wall, pairs, m.Pi);
}

}  // namespace dials::vertical2d
