#include "geometry/dial_line.h"

#include <cmath>

namespace geometry {

std::optional<DialLine> lineOf(const LineEquation& l) {
    const double n2 = l.a * l.a + l.b * l.b;
    if (!(n2 > 0) || !std::isfinite(n2) || !std::isfinite(l.c)) return std::nullopt;
    const double n = std::sqrt(n2);
    DialLine line{{l.c * l.a / n2, l.c * l.b / n2}, {-l.b / n, l.a / n}};
    if (line.direction.y < 0 || (line.direction.y == 0 && line.direction.x > 0))
        line.direction = {-line.direction.x, -line.direction.y};
    if (!std::isfinite(line.base.x) || !std::isfinite(line.base.y)) return std::nullopt;
    return line;
}

}  // namespace geometry
