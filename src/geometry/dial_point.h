#pragma once
// The point of a flat dial, and the rule by which one is computed.
//
// Dial coordinates are metres in the plane of the dial: x to the right as seen facing the dial,
// y upward.
//
// A point is computed by a callable that returns a DialPoint and may throw
// numeric::NumericFailure (a division by zero, a square root of a negative number, ...).
// solvePoint turns that failure, and any coordinate that is not finite, into "no point", so that
// a point whose own computation failed is skipped rather than drawn at the values of the point
// before it, and no NaN or infinity goes on as a coordinate.

#include <optional>
#include <utility>

#include "numeric/checked.h"
#include "numeric/failure.h"

namespace geometry {

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

// x squared.
inline double sq(double x) { return x * x; }

}  // namespace geometry
