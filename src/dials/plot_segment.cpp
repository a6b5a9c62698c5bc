#include "dials/plot_segment.h"

#include <cmath>
#include <limits>

#include "dials/plot_line.h"

namespace dials {

bool nearThePlot(const plot::PlotSurface& plot, const DialPoint& p) {
    return std::hypot(p.x, p.y) <= kFarOffReaches * reachOf(plotBox(plot));
}

void plotSegment(plot::PlotSurface& plot, const DialPoint& a, const DialPoint& b,
                 numeric::Colour colour) {
    if (nearThePlot(plot, a) && nearThePlot(plot, b)) {
        plot.xLine(a.x, -a.y, b.x, -b.y, colour);
    } else if (const auto part = partInBox(a, b, plotBox(plot))) {
        plot.xLine(part->first.x, -part->first.y, part->second.x, -part->second.y, colour);
    }
}

void plotCircle(plot::PlotSurface& plot, const DialPoint& centre, double radius,
                numeric::Colour colour, numeric::Colour fill, double start, double end) {
    if (!(std::hypot(centre.x, centre.y) - std::fabs(radius) <=
          kFarOffReaches * reachOf(plotBox(plot))))
        return;
    plot.xCircle(centre.x, -centre.y, radius, colour, fill, 1, start, end);
}

void plotLineThroughArea(plot::PlotSurface& plot, const DialPoint& p, const DialPoint& direction,
                         numeric::Colour colour) {
    double t0 = -std::numeric_limits<double>::infinity();
    double t1 = std::numeric_limits<double>::infinity();
    if (clipToBox(p, direction, plotBox(plot), t0, t1) && t0 < t1)
        plotLineAcross(plot, p, direction, colour);
}

}  // namespace dials
