#pragma once
// A segment of a dial recorded as the plot can show it. A segment that runs to a point at a
// finite distance but far off (the centre of a plane next to the polar axis, the point below the
// tip of a plane next to the vertical, the horizon of a plane next to the horizontal) would
// otherwise be recorded kilometres off the plot, and a line that misses the plot area recorded
// at all. Dial coordinates are metres in the plane of the dial, x to the right, y upward; the
// plot gets (x, -y).

#include "dials/geometry_names.h"
#include "geometry/dial_point.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"

namespace dials {

// How far off, in multiples of the reach of a line laid across the plot area (segmentAcrossBox:
// past its farthest corner), a segment's end lies before it is cut to the area: some 300 m for
// the A4 page enlarged ten times. Nearer, the plot clips what it is given, and a segment runs to
// the point it was drawn to (a centre some metres off, say).
inline constexpr double kFarOffReaches = 100;

// Draws the segment from a to b. One whose ends lie within kFarOffReaches is given to the plot as
// it stands, and the plot clips it; a longer one is given as the stretch the plot area cuts from
// it, and one that misses the area not at all.
void plotSegment(plot::PlotSurface& plot, const DialPoint& a, const DialPoint& b,
                 numeric::Colour colour);

// Whether p, or a point of the disc of the radius about it, lies within kFarOffReaches of the foot.
bool nearThePlot(const plot::PlotSurface& plot, const DialPoint& p, double radius = 0);

// Draws the circle about `centre` (xCircle's figure: with an end angle, the arc or the sector
// between the two angles) when its disc comes within kFarOffReaches of the foot; nothing of a
// disc that lies wholly farther off.
void plotCircle(plot::PlotSurface& plot, const DialPoint& centre, double radius,
                numeric::Colour colour, numeric::Colour fill = -1, double start = 0,
                double end = 0);

// Draws the line through p along `direction` (of any length but 0) across the whole plot area
// (plotLineAcross) where it crosses the area; nothing where it misses it.
void plotLineThroughArea(plot::PlotSurface& plot, const DialPoint& p, const DialPoint& direction,
                         numeric::Colour colour);

}  // namespace dials
