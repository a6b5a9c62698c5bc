#pragma once
// The declination lines of any flat dial: the cut of the dial plane by the double cone of sun
// rays through the style tip around the polar axis, (d.p)^2 = sin^2(delta) |d|^2, d the
// direction from a point of the plane to the tip and p the polar axis. Its two nappes are the
// lines of +delta and -delta, so one quadratic gives both lines of a pair. The cone is cut along
// the dial's own axes: for each abscissa across the plot area (a whole multiple of the step) the
// quadratic in the ordinate, and for each ordinate across it the quadratic in the abscissa, so
// that every part of a curve inside the plot area is drawn, the steep parts as densely as the
// flat ones, whatever the plane. A point is the shadow of the sun that stands in the direction
// from it to the tip, always in front of the plane; it is drawn only when that sun is above the
// horizon (the point lies lower than the tip): the rest of the conic is a curve no shadow ever
// touches. Written with sin^2(delta) the quadratic holds where a coefficient vanishes (a conic
// degenerating where the latitude equals the declination, a horizontal plane, the equator).

#include <array>

#include "dials/vec3.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"
#include "shell/context.h"

namespace dials::flat3d {

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
// throws numeric::NumericFailure (InvalidStep), as every counted loop does.
void plotSunlitConeSections(plot::PlotSurface& plot, const ConeFrame& frame,
                            const std::array<ConeLinePair, 3>& pairs, double pi, double step);

}  // namespace dials::flat3d
