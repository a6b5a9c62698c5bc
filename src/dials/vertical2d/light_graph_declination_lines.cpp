// The light graph's declination lines. Each pair +-delta is the cut of the wall by the double
// cone of sun rays through the style tip about the polar axis, cut along both axes of the wall
// over the whole plot area, PointStep metres apart (see dials/cone_sections.h); the same
// computation holds on the equator, where the polar axis is horizontal. A point is kept only
// where the sun of that day stands above the horizon; each line ends at its horizon point
// (plotHorizonEnds), whatever the step.

#include <cmath>

#include "dials/cone_sections.h"
#include "dials/vertical2d/light_graph_procedures.h"
#include "dials/vertical2d/wall_frame.h"
#include "dials/vertical2d/wall_lines.h"

namespace dials::vertical2d {

void DrawDeclinationLinesLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.PlaneCoefY = m.StyleLength * std::tan(m.StyleElevRad);
    if (m.LatDegrees < 0) return;
    const Wall wall = Wall::lightGraph(m);
    const auto pairs = declinationLinePairs(ctx);
    plotSunlitConeSections(ctx.ixPlot1(), wall.coneFrame(), pairs, m.Pi, m.PointStep);
    plotHorizonEnds(ctx.ixPlot1(), wall, pairs, m.Pi);
}

}  // namespace dials::vertical2d
