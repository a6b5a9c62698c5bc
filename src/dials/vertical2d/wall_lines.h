#pragma once
// What both vertical programmes need of the wall beyond the lines across the plot area
// (dials/plot_line.h): the points of a line that a rule keeps, the hour lines, the centre and the
// noon line, and the horizon ends of the declination lines.
//
// Dial coordinates are metres in the wall, x to the right, y upward; the plot gets (x, -y).

#include <array>
#include <functional>

#include "dials/plot_point.h"
#include "dials/plot_line.h"
#include "dials/vertical2d/wall_frame.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"
#include "shell/context.h"
#include "shell/module1.h"

namespace dials::vertical2d {

// Plots the points of the line inside the box `step` metres apart along it (dials::Spacing::
// AlongLine), those only for which keep(point) holds. A step the counted loop refuses throws
// numeric::NumericFailure.
void plotLinePoints(plot::PlotSurface& plot, numeric::Colour colour, const LineEquation& line,
                    const PlotBox& box, double step,
                    const std::function<bool(const DialPoint&)>& keep = {});

// The hour line of the hour angle h, counted from the substyle, on a wall whose style has the
// elevation e and the length L and whose substyle makes the angle S with the wall's up,
// clockwise: through the dial centre (K = 1), or through the foot (K = 0) where the style is
// perpendicular to the wall. It meets the equinoctial line at (L / cos e) tan h from the
// substyle; written
//   (cos S cos h + sin e sin h sin S) x + (sin e sin h cos S - sin S cos h) y = K L cos e sin h
// it holds for every h, a line parallel to the horizon or perpendicular to the substyle included.
LineEquation hourLineOnWall(double h, double e, double S, double L, double K = 1);

// The dial centre, where the polar style meets the wall: StyleLength / tan(StyleElevRad) from the
// foot along the substyle at the angle S from the wall's up, clockwise. Throws
// numeric::NumericFailure where it is not finite.
DialPoint centreOnSubstyle(const shell::Module1& m, double S);

// The noon line, the vertical through the centre on the substyle at S (centreOnSubstyle, kept
// in CentreX and CentreY), from the top edge of the plot area to its bottom edge as the plot
// area shows it (the centre lies as good as at infinity on a wall nearly holding the polar axis).
void plotNoonLine(shell::Context& ctx, double S);

// Plots where each line of the pairs meets the horizon: the shadows of the sunrise and sunset
// suns of +-delta (closed form) that face the wall, in the pair's colour. A line cut at the
// steps of a sweep then ends at its horizon point, however coarse the step. A day without
// sunrise and sunset has no such point.
void plotHorizonEnds(plot::PlotSurface& plot, const Wall& wall,
                     const std::array<ConeLinePair, 3>& pairs, double pi);

}  // namespace dials::vertical2d
