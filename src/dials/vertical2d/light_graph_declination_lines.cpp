// The light graph's declination lines. Each pair +-delta is the cut of the wall by the double
// cone of sun rays through the style tip about the polar axis, cut along both axes of the wall
// over the whole plot area, PointStep metres apart (see dials/cone_sections.h); the same
// computation holds on the equator, where the polar axis is horizontal. A point is kept only
// where the sun of that day stands above the horizon.

#include <cmath>

#include "dials/cone_sections.h"
#include "dials/vertical2d/light_graph_procedures.h"

namespace dials::vertical2d {

void DrawDeclinationLinesLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.PlaneCoefY = m.StyleLength * std::tan(m.StyleElevRad);
    if (m.LatDegrees < 0) return;
    // The wall of light::Wall: its face looks towards (-sin D, -cos D, 0), its x runs along
    // (cos D, -sin D, 0), its y upward.
    const double D = m.WallDeclRad, L = m.StyleLength;
    const ConeFrame frame{{-L * std::sin(D), -L * std::cos(D), 0},
                                  {std::cos(D), -std::sin(D), 0},
                                  {0, 0, 1},
                                  {0, std::cos(m.LatRad), std::sin(m.LatRad)}};
    plotSunlitConeSections(ctx.ixPlot1(), frame,
                                   declinationLinePairs(ctx),
                                   m.Pi, m.PointStep);
}

}  // namespace dials::vertical2d
