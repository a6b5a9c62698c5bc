#include "dials/plot_segment.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "dials/plot_line.h"

namespace dials {

namespace {

// The part [t0, t1] of p + t d, t in [t0, t1], that lies in the box; false when none does.
bool clipToBox(const DialPoint& p, const DialPoint& d, const PlotBox& box, double& t0,
               double& t1) {
    return clipSlab(p.x, d.x, box.left, box.right, t0, t1) &&
           clipSlab(p.y, d.y, box.bottom, box.top, t0, t1);
}

// How far from the foot a line laid across the box reaches: past its farthest corner.
double reachOf(const PlotBox& box) {
    double reach = 0;
    for (double x : {box.left, box.right})
        for (double y : {box.bottom, box.top}) reach = std::max(reach, std::hypot(x, y));
    return reach + 1;
}

}  // namespace

bool nearThePlot(const plot::PlotSurface& plot, const DialPoint& p) {
    return std::hypot(p.x, p.y) <= kFarOffReaches * reachOf(plotBox(plot));
}

void plotSegment(plot::PlotSurface& plot, const DialPoint& a, const DialPoint& b,
                 numeric::Colour colour) {
    const PlotBox box = plotBox(plot);
    if (nearThePlot(plot, a) && nearThePlot(plot, b)) {
        plot.xLine(a.x, -a.y, b.x, -b.y, colour);
        return;
    }
    const DialPoint d{b.x - a.x, b.y - a.y};
    double t0 = 0, t1 = 1;
    if (!(std::isfinite(d.x) && std::isfinite(d.y)) || !clipToBox(a, d, box, t0, t1) ||
        !(t0 < t1))
        return;
    plot.xLine(a.x + t0 * d.x, -(a.y + t0 * d.y), a.x + t1 * d.x, -(a.y + t1 * d.y), colour);
}

void plotLineThroughArea(plot::PlotSurface& plot, const DialPoint& p, const DialPoint& direction,
                         numeric::Colour colour) {
    double t0 = -std::numeric_limits<double>::infinity();
    double t1 = std::numeric_limits<double>::infinity();
    if (clipToBox(p, direction, plotBox(plot), t0, t1) && t0 < t1)
        plotLineAcross(plot, p, direction, colour);
}

}  // namespace dials
