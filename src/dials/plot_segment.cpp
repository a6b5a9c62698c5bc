#include "dials/plot_segment.h"

#include <cmath>
#include <limits>

#include "dials/plot_line.h"

namespace dials {

bool nearThePlot(const plot::PlotSurface& plot, const DialPoint& p, double radius) {
    return std::hypot(p.x, p.y) - std::fabs(radius) <= kFarOffReaches * reachOf(plotBox(plot));
}

void plotSegment(plot::PlotSurface& plot, const DialPoint& a, const DialPoint& b,
                 numeric::Colour colour) {
    std::optional<std::pair<DialPoint, DialPoint>> ends{{a, b}};
    if (!nearThePlot(plot, a) || !nearThePlot(plot, b)) ends = partInBox(a, b, plotBox(plot));
    if (ends) plot.xLine(ends->first.x, -ends->first.y, ends->second.x, -ends->second.y, colour);
}

void plotCircle(plot::PlotSurface& plot, const DialPoint& centre, double radius,
                numeric::Colour colour, numeric::Colour fill, double start, double end) {
    if (nearThePlot(plot, centre, radius))
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
