#pragma once
// A dial point sent to the plot. The plot's y grows downward, so a dial point (x, y) is plotted
// at (x, -y).

#include <optional>
#include <utility>

#include "dials/geometry_names.h"
#include "geometry/dial_point.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"

namespace dials {

// Plots the dial point (x, y) at plot (x, -y).
inline void plotDialPoint(plot::PlotSurface& plot, const DialPoint& p, numeric::Colour colour) {
    plot.xPset(p.x, -p.y, colour);
}

// Plots the point compute() returns, unless its computation fails (geometry::solvePoint).
// Returns the point drawn.
template <class Compute>
std::optional<DialPoint> plotSolvedPoint(plot::PlotSurface& plot, numeric::Colour colour,
                                         Compute&& compute) {
    auto p = solvePoint(std::forward<Compute>(compute));
    if (p) plotDialPoint(plot, *p, colour);
    return p;
}

}  // namespace dials
