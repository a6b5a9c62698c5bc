#include "dials/plot_line.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "numeric/step_loop.h"

namespace dials {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool finite(const DialPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The points at whole multiples of the step on the axis the line runs most along, over the
// parameters [sMin, sMax].
void onGrid(const DialLine& line, double sMin, double sMax, double step,
            std::vector<DialPoint>& points) {
    const bool alongX = std::fabs(line.direction.x) >= std::fabs(line.direction.y);
    const double base = alongX ? line.base.x : line.base.y;
    const double rate = alongX ? line.direction.x : line.direction.y;
    double from = base + sMin * rate, to = base + sMax * rate;
    if (from > to) std::swap(from, to);
    for (double k : numeric::StepRange(std::ceil(from / step), std::floor(to / step), 1)) {
        const double at = k * step;
        const double s = (at - base) / rate;
        points.push_back(alongX ? DialPoint{at, line.base.y + s * line.direction.y}
                                : DialPoint{line.base.x + s * line.direction.x, at});
    }
}

// Narrows [t0, t1] to the parameters t at which p + t * d lies on the kept side of every one of
// the lines (segmentPart); false when no parameter is left.
bool clipToSides(const DialPoint& p, const DialPoint& d, std::span<const LineEquation> sides,
                 bool linesKept, double& t0, double& t1) {
    for (const LineEquation& l : sides) {
        const double start = l.c - (l.a * p.x + l.b * p.y);  // > 0: kept
        const double rate = -(l.a * d.x + l.b * d.y);
        if (rate == 0) {
            if (!(start > 0 || (linesKept && start == 0))) return false;
            continue;
        }
        const double cross = -start / rate;
        if (rate > 0)
            t0 = std::max(t0, cross);
        else
            t1 = std::min(t1, cross);
        if (!(t0 <= t1)) return false;
    }
    return true;
}

std::array<LineEquation, 4> sidesOf(const PlotBox& box) {
    return {{{1, 0, box.right}, {-1, 0, -box.left}, {0, 1, box.top}, {0, -1, -box.bottom}}};
}

}  // namespace

PlotBox plotBox(const plot::PlotSurface& plot) {
    return {-plot.ShiftX(), plot.QuadranteL() - plot.ShiftX(), plot.ShiftY() - plot.QuadranteH(),
            plot.ShiftY()};
}

bool clipToBox(const DialPoint& p, const DialPoint& d, const PlotBox& box, double& t0, double& t1) {
    return clipToSides(p, d, sidesOf(box), true, t0, t1);
}

std::optional<std::pair<DialPoint, DialPoint>> segmentPart(const DialPoint& from,
                                                           const DialPoint& to,
                                                           std::span<const LineEquation> sides,
                                                           bool linesKept) {
    const DialPoint d{to.x - from.x, to.y - from.y};
    double t0 = 0, t1 = 1;
    if (!finite(from) || !finite(to) || !finite(d) ||
        !clipToSides(from, d, sides, linesKept, t0, t1) || !(t0 < t1))
        return std::nullopt;
    auto at = [&](double t) { return DialPoint{from.x + t * d.x, from.y + t * d.y}; };
    return std::pair{t0 == 0 ? from : at(t0), t1 == 1 ? to : at(t1)};
}

std::optional<std::pair<DialPoint, DialPoint>> partInBox(const DialPoint& from, const DialPoint& to,
                                                         const PlotBox& box) {
    return segmentPart(from, to, sidesOf(box), true);
}

double reachOf(const PlotBox& box) {
    double reach = 0;
    for (double x : {box.left, box.right})
        for (double y : {box.bottom, box.top}) reach = std::max(reach, std::hypot(x, y));
    return reach + 1;
}

std::vector<DialPoint> pointsAcrossBox(const DialLine& line, const PlotBox& box, double step,
                                       Spacing spacing) {
    std::vector<DialPoint> points;
    const auto& [o, direction] = line;
    if (!(direction.x != 0 || direction.y != 0) || !finite(direction) || !finite(o)) return points;
    double t0 = -kInfinity, t1 = kInfinity;
    if (!clipToBox(o, direction, box, t0, t1)) return points;

    switch (spacing) {
        case Spacing::OnGrid:
            onGrid(line, t0, t1, step, points);
            break;
        case Spacing::FromEntry: {
            // Counted from the entry, so that a base point far off leaves the step its size.
            const double dt = step / std::max(std::fabs(direction.x), std::fabs(direction.y));
            for (double t : numeric::StepRange(0, t1 - t0, dt))
                points.push_back({o.x + (t0 + t) * direction.x, o.y + (t0 + t) * direction.y});
            break;
        }
        case Spacing::AlongLine:
            for (double t : numeric::StepRange(t0, t1, step))
                points.push_back({o.x + t * direction.x, o.y + t * direction.y});
            break;
    }
    std::erase_if(points, [](const DialPoint& p) { return !finite(p); });
    return points;
}

std::optional<std::pair<DialPoint, DialPoint>> segmentAcrossBox(const LineEquation& equation,
                                                                const PlotBox& box) {
    const auto line = lineOf(equation);
    if (!line) return std::nullopt;
    // Every point of the line inside the box is no further from the nearest point than from
    // the origin, so reaching past the farthest corner reaches past every edge.
    const double reach = reachOf(box);
    const auto& [o, d] = *line;
    return std::pair{DialPoint{o.x + reach * d.x, o.y + reach * d.y},
                     DialPoint{o.x - reach * d.x, o.y - reach * d.y}};
}

void plotLineAcross(plot::PlotSurface& plot, const DialPoint& p, const DialPoint& direction,
                    numeric::Colour colour) {
    const DialPoint q{p.x + direction.x, p.y + direction.y};
    if (const auto ends = segmentAcrossBox(lineThrough(p, q), plotBox(plot)))
        plot.xLine(ends->first.x, -ends->first.y, ends->second.x, -ends->second.y, colour);
}

}  // namespace dials
