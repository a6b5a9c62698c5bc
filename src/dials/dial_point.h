#pragma once
// The point of a flat dial and the few helpers every family uses to compute and plot one.
//
// Dial coordinates are metres in the plane of the dial: x to the right as seen facing the dial,
// y upward. The plot's y grows downward, so a dial point (x, y) is plotted at (x, -y).
//
// A point is computed by a callable that returns a DialPoint and may throw
// numeric::NumericFailure (a division by zero, a square root of a negative number, ...).
// solvePoint turns that failure, and any coordinate that is not finite, into "no point", so that
// a point whose own computation failed is skipped rather than drawn at the values of the point
// before it, and no NaN or infinity reaches the painter.

#include <optional>
#include <utility>

#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"

namespace dials {

struct DialPoint {
    double x = 0;
    double y = 0;  // upward
};

// Evaluates compute(): its point, or nothing when it fails or a coordinate is not finite.
template <class Compute>
std::optional<DialPoint> solvePoint(Compute&& compute) {
    try {
        const DialPoint p = std::forward<Compute>(compute)();
        return DialPoint{numeric::checkFinite(p.x), numeric::checkFinite(p.y)};
    } catch (const numeric::NumericFailure&) {
        return std::nullopt;
    }
}

// Plots the dial point (x, y) at plot (x, -y).
inline void plotDialPoint(plot::PlotSurface& plot, const DialPoint& p, numeric::Colour colour) {
    plot.xPset(p.x, -p.y, colour);
}

// Plots the point compute() returns, unless its computation fails. Returns the point drawn.
template <class Compute>
std::optional<DialPoint> plotSolvedPoint(plot::PlotSurface& plot, numeric::Colour colour,
                                         Compute&& compute) {
    auto p = solvePoint(std::forward<Compute>(compute));
    if (p) plotDialPoint(plot, *p, colour);
    return p;
}

// x squared.
inline double sq(double x) { return x * x; }

}  // namespace dials
