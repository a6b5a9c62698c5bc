#include "dials/flat3d/dial_line.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

std::vector<DialPoint> pointsInPlotArea(const plot::PlotSurface& plot, const DialLine& line) {
    // The plot area in dial coordinates (the plot's y is -v).
    const double left = -plot.ShiftX(), right = plot.QuadranteL() - plot.ShiftX();
    const double top = plot.ShiftY(), bottom = plot.ShiftY() - plot.QuadranteH();
    double sMin = -std::numeric_limits<double>::infinity();
    double sMax = std::numeric_limits<double>::infinity();
    std::vector<DialPoint> points;
    if (!clipSlab(line.base.x, line.direction.x, left, right, sMin, sMax) ||
        !clipSlab(line.base.y, line.direction.y, bottom, top, sMin, sMax))
        return points;

    const bool alongX = std::fabs(line.direction.x) >= std::fabs(line.direction.y);
    const double base = alongX ? line.base.x : line.base.y;
    const double step = alongX ? line.direction.x : line.direction.y;
    double from = base + sMin * step, to = base + sMax * step;
    if (from > to) std::swap(from, to);
    const long first = static_cast<long>(std::ceil(from / kLineStep));
    const long last = static_cast<long>(std::floor(to / kLineStep));
    for (long k = first; k <= last; ++k) {
        const double at = static_cast<double>(k) * kLineStep;
        const double s = (at - base) / step;
        points.push_back(alongX ? DialPoint{at, line.base.y + s * line.direction.y}
                                : DialPoint{line.base.x + s * line.direction.x, at});
    }
    return points;
}

}  // namespace dials::flat3d
