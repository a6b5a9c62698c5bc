#pragma once
// A straight line of a dial (geometry/dial_line.h) laid across the plot area: the plot area in
// dial coordinates, the clip of a line to it, and the one sampler that lays a line's points
// across it. Dial coordinates are metres in the plane of the dial, x to the right, y upward; the
// plot gets (x, -y).

#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "dials/geometry_names.h"
#include "dials/plot_point.h"
#include "geometry/dial_line.h"
#include "plot/plot_surface.h"

namespace dials {

// The plot area in dial coordinates.
struct PlotBox {
    double left = 0, right = 0, bottom = 0, top = 0;
};
PlotBox plotBox(const plot::PlotSurface& plot);

// Whether the point lies in the box, its edges included.
inline bool inPlotBox(const PlotBox& box, const DialPoint& p) {
    return p.x >= box.left && p.x <= box.right && p.y >= box.bottom && p.y <= box.top;
}

// Narrows [t0, t1] to the parameters t at which p + t * d lies in the box, its edges included;
// false when no parameter is left.
bool clipToBox(const DialPoint& p, const DialPoint& d, const PlotBox& box, double& t0, double& t1);
// The part of the segment from `from` to `to` on the side a x + b y < c of every one of the
// lines, or on the line itself where `linesKept` (partInBox: inside the box, its edges kept; a
// point on the horizon has no sun above it), in the same direction, an end that is kept kept
// exactly; none when no more than a point is left, or an end is not finite.
std::optional<std::pair<DialPoint, DialPoint>> segmentPart(const DialPoint& from,
                                                           const DialPoint& to,
                                                           std::span<const LineEquation> sides,
                                                           bool linesKept);
std::optional<std::pair<DialPoint, DialPoint>> partInBox(const DialPoint& from, const DialPoint& to,
                                                         const PlotBox& box);
// How far from the origin a line laid across the box reaches: past its farthest corner, by a
// metre.
double reachOf(const PlotBox& box);

// The drawing step of the straight lines and of the declination lines cut along the dial's
// axes: 2 mm.
inline constexpr double kLineStep = 0.002;

// How the sampler spaces the points of a line across the box.
enum class Spacing {
    // At the whole multiples of the step on the dial axis the line runs most along: the points of
    // lines drawn together fall on one grid.
    OnGrid,
    // From where the line enters the box, `step` apart on the axis it runs most along.
    FromEntry,
    // From where the line enters the box, `step` apart in the line's parameter: along the line
    // for a direction of unit length, as lineOf gives.
    AlongLine,
};

// The points of the line inside the box, `step` apart as `spacing` says; nothing when the line
// misses the box or has no direction. The rounds are paid from the run's budget; a step that
// no counted loop may take throws numeric::NumericFailure.
std::vector<DialPoint> pointsAcrossBox(const DialLine& line, const PlotBox& box, double step,
                                       Spacing spacing);

// The line as one segment whose ends lie beyond every edge of the box (the plot clips it), the
// upper end first; none when the line has no direction.
std::optional<std::pair<DialPoint, DialPoint>> segmentAcrossBox(const LineEquation& line,
                                                                const PlotBox& box);

// Draws the line through p along `direction` (of any length but 0) across the whole plot area,
// as one segment the plot clips.
void plotLineAcross(plot::PlotSurface& plot, const DialPoint& p, const DialPoint& direction,
                    numeric::Colour colour);

// Plots the points of the line inside the plot area for which keep(point) holds, 2 mm apart on
// the grid of the axis the line runs most along.
template <class Keep>
void plotLineInArea(plot::PlotSurface& plot, numeric::Colour colour,
                    const std::optional<DialLine>& line, Keep&& keep) {
    if (!line) return;
    for (const DialPoint& p : pointsAcrossBox(*line, plotBox(plot), kLineStep, Spacing::OnGrid))
        if (keep(p)) plotDialPoint(plot, p, colour);
}

}  // namespace dials
