#pragma once
// The sweep of the projective programmes: a curve of a plane (the reference plane of the former
// programme, the auxiliary plane of the latter) given as a function of an abscissa of that plane,
// carried onto the dial by the central projection from the style tip. That projection sends the
// plane's points at infinity to a line of the dial, the vanishing line, and the curve's image
// runs on across it: an hour line is one whole straight line of the dial, of which the points
// of the plane beyond any bound of the abscissa make a stretch near the vanishing line. On a
// plane whose auxiliary frame runs far off (a dial nearly level, whose auxiliary vertical plane
// lies g / cos R from the tip) that stretch is where the lines cross the plot area.

#include "dials/plot_curve.h"
#include "dials/plot_line.h"

namespace dials::projective {

// How far the latter programme's sweep of a parallel line of the auxiliary plane reaches, in
// multiples of its half width: a line farther off is laid again from its own nearest point.
inline constexpr double kFarthestAbscissa = 1e6;

// Lays the image of a curve with the shared curve sampler (dials::layCurve) over every abscissa
// t: first from -half to half at the step, as the programmes swept it, then the rest, beyond
// +-half and through the point at infinity, as t = 1 / s for s from -1 / half to 1 / half at the
// same step (the ends, t = -+half, laid by the first pass, are not visited twice). `curve` takes
// the abscissa; `far` takes s and gives the point of the abscissa 1 / s, formed with the
// abscissa divided out so that it keeps its digits however far off, and at s = 0 the image of
// the curve's point at infinity, on the vanishing line. `visit` gets the abscissa with each
// point.
void laySweepThroughInfinity(const CurveAt& curve, const CurveAt& far, double half, double step,
                             const PlotBox& box, const CurveVisit& visit);

}  // namespace dials::projective
