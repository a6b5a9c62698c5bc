#pragma once
// A straight line of a dial laid across the plot area: the plot area in dial coordinates, the
// clip of a line to it, and the one sampler that lays a line's points across it.
//
// Dial coordinates are metres in the plane of the dial, x to the right, y upward; the plot gets
// (x, -y). A line is held as a point and a direction (DialLine) or as an equation
// a x + b y = c (LineEquation), a form that holds for every direction and tells the two sides of
// the line apart.

#include <optional>
#include <utility>
#include <vector>

#include "dials/dial_point.h"
#include "plot/plot_surface.h"

namespace dials {

// The plot area in dial coordinates.
struct PlotBox {
    double left = 0, right = 0, bottom = 0, top = 0;
};
PlotBox plotBox(const plot::PlotSurface& plot);

// Narrows [t0, t1] to the parameters t at which from + t * along lies within [low, high] (one
// coordinate of a line clipped to a box); false when no parameter is left.
bool clipSlab(double from, double along, double low, double high, double& t0, double& t1);

// The points base + s * direction.
struct DialLine {
    DialPoint base;
    DialPoint direction;  // of any length but 0
};

// The points a x + b y = c.
struct LineEquation {
    double a = 0, b = 0, c = 0;
};

// The line through two points.
inline LineEquation lineThrough(const DialPoint& p, const DialPoint& q) {
    const double a = q.y - p.y, b = p.x - q.x;
    return {a, b, a * p.x + b * p.y};
}

// Whether p lies on the side a x + b y < c of the line.
inline bool onLowerSide(const LineEquation& line, const DialPoint& p) {
    return line.a * p.x + line.b * p.y < line.c;
}

// The line of an equation as its point nearest the origin and a unit direction pointing up (left
// along a horizontal line); none when a = b = 0 or a coefficient is not finite.
std::optional<DialLine> lineOf(const LineEquation& line);

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
