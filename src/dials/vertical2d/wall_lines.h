#pragma once
// What both vertical programmes need of the wall and of the plot area: where the sun that casts
// a shadow point stands, and the straight lines of the dial drawn over the whole plot area
// whatever their direction.
//
// Dial coordinates are metres in the wall, x to the right, y upward; the plot gets (x, -y). A
// straight line is written a x + b y = c, a form that holds for every direction (a line
// parallel to the horizon or to the substyle as well as any other).

#include <initializer_list>
#include <optional>
#include <utility>

#include "dials/dial_point.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"

namespace dials::vertical2d {

// The plot area in dial coordinates.
struct DialBox {
    double left = 0, right = 0, bottom = 0, top = 0;
};
DialBox plotAreaBox(const plot::PlotSurface& plot);

struct StraightLine {
    double a = 0, b = 0, c = 0;  // a x + b y = c
};

// The line through two points.
inline StraightLine lineThrough(const DialPoint& p, const DialPoint& q) {
    const double a = q.y - p.y, b = p.x - q.x;
    return {a, b, a * p.x + b * p.y};
}

// The horizontal through the tip: the sun stands above the horizon on its side y < 0.
inline constexpr StraightLine kHorizonThroughTip{0, 1, 0};

// Whether p lies on the side a x + b y < c of the line.
inline bool onLowerSide(const StraightLine& line, const DialPoint& p) {
    return line.a * p.x + line.b * p.y < line.c;
}

// On a vertical wall the sun whose shadow of the style tip falls on p (always a sun in front of
// the wall) stands above the horizon exactly when p lies below the horizontal through the tip.
inline bool sunAboveHorizon(const DialPoint& p) { return onLowerSide(kHorizonThroughTip, p); }
// Plots the point of a curve of the sun only where that sun stands above the horizon.
inline void plotSunlitPoint(plot::PlotSurface& plot, const DialPoint& p, numeric::Colour colour) {
    if (sunAboveHorizon(p)) plotDialPoint(plot, p, colour);
}

// The part of the segment from `from` to `to` that lies on the side a x + b y < c of every one
// of the lines, in the same direction; none when no part does.
std::optional<std::pair<DialPoint, DialPoint>> segmentPartBelow(
    const DialPoint& from, const DialPoint& to, std::initializer_list<StraightLine> lines);

// The line as one segment whose ends lie beyond every edge of the plot area (the plot clips it),
// the upper end first; none when a = b = 0 or a coefficient is not finite.
std::optional<std::pair<DialPoint, DialPoint>> segmentAcrossPlot(const plot::PlotSurface& plot,
                                                                 const StraightLine& line);

// Points every `step` metres along the line over the part of it inside the box (nothing when
// the line misses the box), those only that lie on the side onLowerSide of each of `keepBelow`.
// A step the counted loop refuses throws numeric::NumericFailure.
void plotLinePoints(plot::PlotSurface& plot, numeric::Colour colour, const StraightLine& line,
                    const DialBox& box, double step,
                    std::initializer_list<StraightLine> keepBelow = {});

}  // namespace dials::vertical2d
