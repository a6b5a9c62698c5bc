#pragma once
// What both vertical programmes need of the wall beyond the lines across the plot area
// (dials/plot_line.h): the parts of a line that lie on one side of others, and the points of a
// line that a rule keeps.
//
// Dial coordinates are metres in the wall, x to the right, y upward; the plot gets (x, -y).

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>

#include "dials/plot_point.h"
#include "dials/plot_line.h"
#include "dials/vertical2d/wall_frame.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"

namespace dials::vertical2d {

// The part of the segment from `from` to `to` that lies on the side a x + b y < c of every one
// of the lines, in the same direction; none when no part does.
std::optional<std::pair<DialPoint, DialPoint>> segmentPartBelow(
    const DialPoint& from, const DialPoint& to, std::initializer_list<LineEquation> lines);

// The part of the segment from `from` to `to` that lies inside the box, in the same direction;
// none when no part does, or an end is not finite.
std::optional<std::pair<DialPoint, DialPoint>> partInBox(const DialPoint& from, const DialPoint& to,
                                                         const PlotBox& box);

// Records the part of the segment from a to b inside the plot area as one line (plot (x, -y));
// nothing when no part lies inside. The segments that run to a point computed from the wall
// (a centre that lies as good as at infinity on a wall nearly holding the polar axis, a sunrise
// shadow of a sun nearly in the wall) are recorded so: no record lies far off the plot.
void plotSegmentInArea(plot::PlotSurface& plot, const DialPoint& a, const DialPoint& b,
                       numeric::Colour colour);

// Plots the points of the line inside the box `step` metres apart along it (dials::Spacing::
// AlongLine), those only for which keep(point) holds. A step the counted loop refuses throws
// numeric::NumericFailure.
void plotLinePoints(plot::PlotSurface& plot, numeric::Colour colour, const LineEquation& line,
                    const PlotBox& box, double step,
                    const std::function<bool(const DialPoint&)>& keep = {});

// Plots where each line of the pairs meets the horizon: the shadows of the sunrise and sunset
// suns of +-delta (closed form) that face the wall, in the pair's colour. A line cut at the
// steps of a sweep then ends at its horizon point, however coarse the step. A day without
// sunrise and sunset has no such point.
void plotHorizonEnds(plot::PlotSurface& plot, const Wall& wall,
                     const std::array<ConeLinePair, 3>& pairs, double pi);

}  // namespace dials::vertical2d
