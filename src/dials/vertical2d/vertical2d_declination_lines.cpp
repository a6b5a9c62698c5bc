// Declination lines: for each pair +-delta (23.45, 20 and 11.5 degrees) the conic that the cone
// of sun rays around the polar style cuts on the wall, cut along both axes of the wall over the
// whole plot area (see flat3d/cone_sections.h), in the world frame of the northern wall this
// programme draws (see vertical2d_geometry.h), which holds on the equator too. A point is drawn
// only where the sun of that day stands above the horizon.

#include "dials/flat3d/cone_sections.h"
#include "dials/vertical2d/vertical2d_geometry.h"
#include "dials/vertical2d/vertical2d_procedures.h"

namespace dials::vertical2d {

namespace {

// The points of a line are this far apart along each axis of the wall, metres.
constexpr double kConeStep = 0.002;

}  // namespace

void DrawDeclinationLinesVert2D(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    const NorthernWall wall = NorthernWall::from(m);
    const flat3d::ConeFrame frame{wall.tip, wall.axisX, wall.axisY, wall.pole};
    flat3d::plotSunlitConeSections(ctx.ixPlot1(), frame,
                                   flat3d::declinationLinePairs(ctx),
                                   m.Pi, kConeStep);
}

}  // namespace dials::vertical2d
