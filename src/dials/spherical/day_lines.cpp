// The sweep of a line of one day over the hours its sun is up, shared by the declination lines of
// both programmes.

#include <cmath>

#include "dials/geometry_names.h"
#include "dials/plot_line.h"
#include "dials/plot_point.h"
#include "dials/spherical/spherical.h"
#include "geometry/sky.h"
#include "numeric/skip.h"

namespace dials::spherical {

std::optional<CurveRange> daySweep(double phi, double declination, double step, double pi) {
    const double arc = semiDiurnalArc(phi, declination, pi);
    if (arc == 0) return std::nullopt;
    if (!risesAndSets(arc, pi) || !(step > 0)) return CurveRange{-180, 180, step};
    // The grid from midnight, so that the lines of all days, and the days that fit within any
    // span of the grid, are laid through the same hour angles.
    const double sunset = arc * 180 / pi;
    return CurveRange{-180 + std::floor((180 - sunset) / step) * step,
                      -180 + std::ceil((180 + sunset) / step) * step, step};
}

void plotDayLine(plot::PlotSurface& plot, numeric::Colour colour, const CurveRange& sweep,
                 const CurveAt& at) {
    // Round the clock the sweep ends where it began, at midnight: the sampler's last point
    // (within a millionth of the step of the end, as it takes the end) is the first again.
    const bool closed = sweep.to - sweep.from >= 360;
    const double closing = sweep.to - std::fabs(sweep.step) * 1e-6;
    numeric::skip([&] {
        layCurve(at, sweep, kLineStep, plotBox(plot), [&](double H, const DialPoint& p) {
            if (!(closed && H >= closing)) plotDialPoint(plot, p, colour);
        });
    });
}

}  // namespace dials::spherical
