#pragma once
// The declination lines of any flat dial: the cut of the dial plane by the double cone of sun
// rays through the style tip around the polar axis, (d.p)^2 = sin^2(delta) |d|^2, d the
// direction from a point of the plane to the tip and p the polar axis. Its two nappes are the
// lines of +delta and -delta, so one quadratic gives both lines of a pair. The cone is cut along
// the dial's own axes: for each abscissa across the plot area (a whole multiple of the step) the
// quadratic in the ordinate, and for each ordinate across it the quadratic in the abscissa, so
// that every part of a curve inside the plot area is drawn, the steep parts as densely as the
// flat ones, whatever the plane. A point is the shadow of the sun that stands in the direction
// from it to the tip, always in front of the plane and of the line's declination; it is drawn
// only when that sun stands above the horizon (geometry::aboveHorizon): the rest of the conic is a
// curve no shadow ever touches. Written with sin^2(delta) the quadratic holds where a coefficient
// vanishes (a conic degenerating where the latitude equals the declination, a horizontal plane,
// the equator).

#include <array>
#include <optional>

#include "dials/geometry_names.h"
#include "geometry/dial_point.h"
#include "geometry/vec3.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"
#include "shell/context.h"

namespace dials {

// The dial in the world frame: the style tip, the unit vectors along the dial's x (to the right)
// and y (up the face) as the plot draws them, and the polar axis (towards the celestial pole
// above the horizon, or the pole the drawing's sun turns about).
struct ConeFrame {
    Vec3 tip, axisX, axisY, pole;  // x east, y north, z up (metres)
};

// One pair of declination lines: +-degrees (converted with the given pi), in one colour.
struct ConeLinePair {
    double degrees;
    numeric::Colour colour;
};

// The pairs every programme draws: +-23.45 degrees in colour 12, +-20 in 13, +-11.5 in 11.
std::array<ConeLinePair, 3> declinationLinePairs(const shell::Context& ctx);

// Plots the sunlit points of the three pairs over the plot area, `step` metres apart along each
// axis; nothing for a step that is not positive. A sweep of more rounds than a run may take
// throws numeric::NumericFailure (TooManyRounds), as every counted loop does.
void plotSunlitConeSections(plot::PlotSurface& plot, const ConeFrame& frame,
                            const std::array<ConeLinePair, 3>& pairs, double pi, double step);

// A day's declination line on a dial that has a substyle frame (u across the substyle, w along
// it from the equinoctial line), the conic w^2 + A w + B + K u^2 = 0.
struct FrameConic {
    double A = 0, B = 0, K = 0;
};
// Where the hour line through (c, 0) on the equinoctial line and the dial's centre (0, Wc)
// crosses the conic, as dial points of the substyle frame (x = u, y = w): the two roots of the
// quadratic in w, formed without cancellation, minus = (-b - sqrt(d)) / 2a and
// plus = (-b + sqrt(d)) / 2a as numeric::stableQuadraticRoots names them. A crossing that
// cannot be formed (the line misses the conic, a root at infinity) is missing. The analemmas
// cross the hour line of the day's noon with the day's line so.
struct HourLineCrossings {
    std::optional<DialPoint> minus, plus;
};
HourLineCrossings hourLineCrossings(double c, double Wc, const FrameConic& conic);

}  // namespace dials
