// Declination lines: the intersection of the dial plane with the double cone of sun rays through
// the style tip around the polar axis, cut along the dial's own axes over the whole plot area
// (see cone_sections.h), each point drawn only where the sun of that day stands above the
// horizon. Both variables draw them alike and save the tip's y coordinate.

#include "dials/cone_sections.h"
#include "dials/flat3d/dial_line.h"
#include "dials/flat3d/plane.h"
#include "dials/flat3d/procedures.h"
#include "dials/plot_line.h"
#include "dials/geometry_names.h"

namespace dials::flat3d {

void DrawDeclinationLines(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plotSunlitConeSections(ctx.ixPlot1(), coneFrameOf(PlaneGeometry::from(m)),
                           declinationLinePairs(ctx), m.Pi, kLineStep);
}

}  // namespace dials::flat3d
