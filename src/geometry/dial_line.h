#pragma once
// A straight line of a flat dial, as a point and a direction (DialLine) or as an equation
// a x + b y = c (LineEquation), a form that holds for every direction and tells the two sides of
// the line apart. Dial coordinates as in geometry/dial_point.h.

#include <optional>

#include "geometry/dial_point.h"

namespace geometry {

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

// The line of an equation as its point nearest the origin and a unit direction pointing up (left
// along a horizontal line); none when a = b = 0 or a coefficient is not finite.
std::optional<DialLine> lineOf(const LineEquation& line);

}  // namespace geometry
