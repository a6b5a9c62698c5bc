#include "dials/flat3d/dial_line.h"

#include <cmath>

namespace dials::flat3d {

namespace {

WorldPoint cross(const WorldPoint& a, const WorldPoint& b) {
    return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}

double dot(const WorldPoint& a, const WorldPoint& b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }

}  // namespace

std::optional<DialLine> sectionOfPlane(const PlaneGeometry& g, const WorldPoint& normal,
                                       const WorldPoint& through) {
    const double sinD = std::sin(g.D), cosD = std::cos(g.D);
    const double sinR = std::sin(g.R), cosR = std::cos(g.R);
    const WorldPoint n{-sinD * cosR, -cosD * cosR, sinR};
    // The line runs along n x normal; of the points on both planes (n.P = 0 and
    // normal.P = normal.through) the one nearest the origin is c (d x n) / |d|^2.
    const WorldPoint d = cross(n, normal);
    const double dd = dot(d, d);
    if (!(dd > 0)) return std::nullopt;
    const double c = dot(normal, through) / dd;
    const WorldPoint nearest = cross(d, n);
    const DialLine line{g.dialOf({c * nearest.X, c * nearest.Y, c * nearest.Z}), g.dialOf(d)};
    if (!std::isfinite(line.base.x) || !std::isfinite(line.base.y) ||
        !std::isfinite(line.direction.x) || !std::isfinite(line.direction.y))
        return std::nullopt;
    return line;
}

std::optional<DialLine> hourLine(const PlaneGeometry& g, double H) {
    // The plane of the polar axis (0, cos phi, sin phi) and the sun of H,
    // (sin H, -cos H sin phi, cos H cos phi): its normal is their cross product.
    const WorldPoint normal{std::cos(H), std::sin(g.phi) * std::sin(H),
                            -std::cos(g.phi) * std::sin(H)};
    return sectionOfPlane(g, normal, tipOf(g));
}

}  // namespace dials::flat3d
