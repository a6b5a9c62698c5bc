#pragma once
// What both vertical programmes need of the wall beyond the lines across the plot area
// (dials/plot_line.h): where the sun that casts a shadow point stands, and the parts of a line
// that lie on one side of others.
//
// Dial coordinates are metres in the wall, x to the right, y upward; the plot gets (x, -y).

#include <initializer_list>
#include <optional>
#include <utility>

#include "dials/dial_point.h"
#include "dials/plot_line.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"

namespace dials::vertical2d {

// The horizontal through the tip: the sun stands above the horizon on its side y < 0.
inline constexpr LineEquation kHorizonThroughTip{0, 1, 0};

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
    const DialPoint& from, const DialPoint& to, std::initializer_list<LineEquation> lines);

// Plots the points of the line inside the box `step` metres apart along it (dials::Spacing::
// AlongLine), those only that lie on the side onLowerSide of each of `keepBelow`. A step the
// counted loop refuses throws numeric::NumericFailure.
void plotLinePoints(plot::PlotSurface& plot, numeric::Colour colour, const LineEquation& line,
                    const PlotBox& box, double step,
                    std::initializer_list<LineEquation> keepBelow = {});

}  // namespace dials::vertical2d
