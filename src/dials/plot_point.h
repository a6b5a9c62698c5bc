#pragma once
// A dial point sent to the plot. The plot's y grows downward, so a dial point (x, y) is plotted
// at (x, -y).

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
template <class Compute>
void plotSolvedPoint(plot::PlotSurface& plot, numeric::Colour colour, Compute&& compute) {
    if (const auto p = solvePoint(std::forward<Compute>(compute))) plotDialPoint(plot, *p, colour);
}

}  // namespace dials
