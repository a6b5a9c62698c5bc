#pragma once
// Vertical, declining-reclining and horizontal flat dials by spherical trigonometry.

#include <cmath>
#include <optional>

#include "dials/plot_curve.h"
#include "numeric/checked.h"
#include "numeric/palette.h"
#include "numeric/step_loop.h"
#include "plot/plot_surface.h"
#include "shell/context.h"

namespace dials::spherical {

// Runs body(H) for the hour angles H (degrees, afternoon positive) of the hour lines and numerals
// both programmes draw: `step` apart from noon round the whole day, H = k step for the whole k
// with -180 < H <= 180, so that midnight comes once. A line runs over the days between the
// solstices and is drawn where their sun lights the dial: the lines drawn are those of the hours
// the sun lights in the year, near the poles the small hours too. A step that is not above 0
// runs nothing; the rounds are paid as those of a counted loop (too many throws
// numeric::NumericFailure).
template <class Body>
void forEachHourOfTheDay(double step, Body&& body) {
    if (!(step > 0)) return;
    const double last = std::floor(180 / step);
    for (double k : numeric::StepRange(-last, last, 1)) {
        const double H = k * step;
        if (H > -180) body(H);
    }
}

// The number of the clock's hour, 1..12, of the whole hour of hour angle H (degrees): 12 + H / 15,
// less 12 above 12.
inline int hourNumber(double H) {
    const int hour = 12 + static_cast<int>(H / 15);
    return hour > 12 ? hour - 12 : hour;
}

// The step between the lines of the Italian, Babylonian and temporary hours: 1 / n for the hour
// fraction n of TxtHour, 0 counting as 1.
inline double oldHourStep(const shell::Context& ctx) {
    const double n = ctx.inputs.number("TxtHour");
    return numeric::checkedDiv(1, n == 0 ? 1 : n);
}

// Lays one line of the dial with the shared curve sampler (dials::layCurve) in the colour: the
// points of at(t) for t over the range at the programme's step, as the sweep drew them, and
// between them as many more as leave no two consecutive points of the line farther apart on the
// dial than dials::kLineStep; at(t) gives the dial point drawn (none where the line has none),
// and the sampler finds where the line ends between. A step that cannot advance draws nothing.
void layLine(shell::Context& ctx, const CurveRange& range, numeric::Colour colour,
             const CurveAt& at);

// A line of one day: the sun's declination (degrees) and the line's colour.
struct DayLine {
    double declination;
    numeric::palette::Index colour;
};

// Lays the line of the day of declination `declinationDeg` (degrees, converted on the stored Pi
// `pi`; a declination that cannot be converted draws nothing) at the latitude phi with the shared
// curve sampler at dials::kLineStep, at(H) giving the dial point drawn for the hour angle H
// (degrees), and plots its points in the colour. The sweep runs over the day's arc
// (geometry::semiDiurnalArc) on the grid of hour angles `step` apart from midnight, from the last
// of the grid before sunrise to the first after sunset, between which the sampler finds where the
// line begins and ends; round the clock, midnight to midnight, on a day whose sun does not set,
// the line closed on itself (its last point, its first again, is not plotted twice); nothing on a
// day whose sun does not rise. A step the sampler refuses draws nothing.
void plotDayLine(shell::Context& ctx, numeric::Colour colour, double phi, double declinationDeg,
                 double step, double pi, const CurveAt& at);

// The triangle of the style laid into the plane, as both programmes draw it: the laid-down tip
// and the centre marked, the polar style from the tip to the centre, the perpendicular style from
// the tip to the foot, the substyle from the centre to the foot, and the plot's vertical through
// the centre. Where the centre lies at infinity (none: the polar style parallel to the plane) the
// polar style and the substyle run through the tip and the foot along `towards` across the plot
// area; there is no centre and no vertical through it.
void plotLaidStyleTriangle(shell::Context& ctx, const DialPoint& tip,
                           const std::optional<DialPoint>& centre, const DialPoint& towards);

// Driver of the vertical programme (menu item mnuVertSph, the start-up programme).
void RunVerticalSpherical(shell::Context& ctx);
// Driver of the declining-reclining or horizontal programme (menu item mnuUni).
void RunInclinedSpherical(shell::Context& ctx);

// Set-up of the vertical programme: Pi, LatDegrees (the latitude as typed) and LatRad (the same
// in radians, signed), the zone's correction, the wall, the hour and point steps and the style.
// An hour fraction of 0 stops the run (numeric::NumericFailure).
void ReadInputsVertSph(shell::Context& ctx);
// Set-up of the declining-reclining programme: as ReadInputsVertSph, and HorizontalFlag 1 for a
// horizontal plane (reclination +-90), else 0.
void PrepareSphericalData(shell::Context& ctx);

}  // namespace dials::spherical
