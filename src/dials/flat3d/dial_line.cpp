#include "dials/flat3d/dial_line.h"

#include <cmath>

namespace dials::flat3d {

std::optional<DialLine> sectionOfPlane(const PlaneGeometry& g, const Vec3& normal,
                                       const Vec3& through) {
    const Vec3 n = g.face.out;
    // The line runs along n x normal; of the points on both planes (n.P = 0 and
    // normal.P = normal.through) the one nearest the origin is c (d x n) / |d|^2.
    const Vec3 d = cross(n, normal);
    const double dd = dot(d, d);
    if (!(dd > 0)) return std::nullopt;
    const double c = dot(normal, through) / dd;
    const DialLine line{g.face.dialOf(c * cross(d, n)), g.face.dialOf(d)};
    if (!std::isfinite(line.base.x) || !std::isfinite(line.base.y) ||
        !std::isfinite(line.direction.x) || !std::isfinite(line.direction.y))
        return std::nullopt;
    return line;
}

std::optional<DialLine> hourLine(const PlaneGeometry& g, double H) {
    return sectionOfPlane(g, hourPlaneNormal(g.phi, -H), tipOf(g));
}

}  // namespace dials::flat3d
