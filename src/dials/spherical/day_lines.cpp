// The laying of a line of either programme, and the sweep of a line of one day over the hours its
// sun is up, shared by the declination lines of both programmes.

#include <cmath>

#include "dials/geometry_names.h"
#include "dials/plot_line.h"
#include "dials/plot_point.h"
#include "dials/spherical/spherical.h"
#include "geometry/sky.h"
#include "numeric/skip.h"

namespace dials::spherical {

namespace {

// The sweep of the day of declination `declination` (radians), none on a day whose sun does not
// rise; a step that is not above 0 is kept, for the sampler to refuse.
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

}  // namespace

void layLine(shell::Context& ctx, const CurveRange& range, numeric::Colour colour,
             const CurveAt& at) {
    // What can leave the sampler is its range refusing the step, before the first point.
    numeric::skip([&] { plotCurve(ctx.ixPlot1(), colour, at, range, kLineStep); });
}

void plotDayLine(shell::Context& ctx, numeric::Colour colour, double phi, double declinationDeg,
                 double step, double pi, const CurveAt& at) {
    double declination = 0;
    if (!numeric::assignOrSkip(declination, [&] { return declinationDeg * pi / 180; })) return;
    std::optional<CurveRange> sweep = daySweep(phi, declination, step, pi);
    if (!sweep) return;
    // Round the clock the sweep ends where it began, at midnight.
    sweep->closed = sweep->to - sweep->from >= 360;
    layLine(ctx, *sweep, colour, at);
}

}  // namespace dials::spherical
