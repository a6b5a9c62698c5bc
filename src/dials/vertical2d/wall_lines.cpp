#include "dials/vertical2d/wall_lines.h"

#include <algorithm>
#include <cmath>

#include "numeric/step_loop.h"

namespace dials::vertical2d {

namespace {

// The line as its point nearest the style foot and a unit direction pointing up (left along a
// horizontal line); none for a line that has no direction.
struct PointAndDirection {
    DialPoint nearest;
    DialPoint direction;
};

std::optional<PointAndDirection> parametric(const StraightLine& l) {
    const double n2 = l.a * l.a + l.b * l.b;
    if (!(n2 > 0) || !std::isfinite(n2) || !std::isfinite(l.c)) return std::nullopt;
    const double n = std::sqrt(n2);
    PointAndDirection p;
    p.nearest = {l.c * l.a / n2, l.c * l.b / n2};
    p.direction = {-l.b / n, l.a / n};
    if (p.direction.y < 0 || (p.direction.y == 0 && p.direction.x > 0))
        p.direction = {-p.direction.x, -p.direction.y};
    if (!std::isfinite(p.nearest.x) || !std::isfinite(p.nearest.y)) return std::nullopt;
    return p;
}

}  // namespace

std::optional<std::pair<DialPoint, DialPoint>> segmentPartBelow(
    const DialPoint& from, const DialPoint& to, std::initializer_list<StraightLine> lines) {
    // The parameters t in [0, 1] of from + t (to - from) that every line keeps.
    double t0 = 0, t1 = 1;
    for (const StraightLine& l : lines) {
        const double start = l.c - (l.a * from.x + l.b * from.y);  // > 0: kept
        const double rate = -(l.a * (to.x - from.x) + l.b * (to.y - from.y));
        if (rate == 0) {
            if (!(start > 0)) return std::nullopt;
            continue;
        }
        const double cross = -start / rate;
        if (rate > 0)
            t0 = std::max(t0, cross);
        else
            t1 = std::min(t1, cross);
        if (!(t0 < t1)) return std::nullopt;
    }
    auto at = [&](double t) {
        return DialPoint{from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
    };
    return std::pair{t0 == 0 ? from : at(t0), t1 == 1 ? to : at(t1)};
}

DialBox plotAreaBox(const plot::PlotSurface& plot) {
    return {-plot.ShiftX(), plot.QuadranteL() - plot.ShiftX(), plot.ShiftY() - plot.QuadranteH(),
            plot.ShiftY()};
}

std::optional<std::pair<DialPoint, DialPoint>> segmentAcrossPlot(const plot::PlotSurface& plot,
                                                                 const StraightLine& line) {
    const auto p = parametric(line);
    if (!p) return std::nullopt;
    // Every point of the line inside the area is no further from the nearest point than from
    // the foot, so reaching past the farthest corner reaches past every edge.
    const DialBox box = plotAreaBox(plot);
    double reach = 0;
    for (double x : {box.left, box.right})
        for (double y : {box.bottom, box.top}) reach = std::max(reach, std::hypot(x, y));
    reach += 1;
    const DialPoint& o = p->nearest;
    const DialPoint& d = p->direction;
    return std::pair{DialPoint{o.x + reach * d.x, o.y + reach * d.y},
                     DialPoint{o.x - reach * d.x, o.y - reach * d.y}};
}

void plotLinePoints(plot::PlotSurface& plot, numeric::Colour colour, const StraightLine& line,
                    const DialBox& box, double step,
                    std::initializer_list<StraightLine> keepBelow) {
    const auto p = parametric(line);
    if (!p) return;
    const DialPoint& o = p->nearest;
    const DialPoint& d = p->direction;
    double t0 = -HUGE_VAL, t1 = HUGE_VAL;
    if (!clipSlab(o.x, d.x, box.left, box.right, t0, t1)) return;
    if (!clipSlab(o.y, d.y, box.bottom, box.top, t0, t1)) return;
    for (double t : numeric::StepRange(t0, t1, step)) {
        const DialPoint p{o.x + t * d.x, o.y + t * d.y};
        if (std::all_of(keepBelow.begin(), keepBelow.end(),
                        [&](const StraightLine& l) { return onLowerSide(l, p); }))
            plotDialPoint(plot, p, colour);
    }
}

}  // namespace dials::vertical2d
