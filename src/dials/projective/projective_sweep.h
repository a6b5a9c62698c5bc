#pragma once
// The sweep of the projective programmes: a curve of a plane (the reference plane of the former
// programme, the auxiliary plane of the latter) given as a function of an abscissa of that plane,
// carried onto the dial by the central projection from the style tip. That projection sends the
// plane's points at infinity to a line of the dial, the vanishing line, and the curve's image
// runs on across it: an hour line is one whole straight line of the dial, of which the points
// of the plane beyond any bound of the abscissa make a stretch near the vanishing line.

#include "dials/plot_curve.h"
#include "dials/plot_line.h"

namespace dials::projective {

// How far the sweep runs at most, in multiples of its half width: the projection of a point
// farther off may lose its digits (the former programme's does).
inline constexpr double kFarthestAbscissa = 1e6;

// Lays the image of a curve with the shared curve sampler (dials::layCurve) over every abscissa
// t: first from -half to half at the step, as the programmes swept it, then the rest, beyond
// +-half and through the point at infinity, as t = 1 / s for s from -1 / half to 1 / half at the
// same step (the ends, t = -+half, laid by the first pass, are not visited twice), up to a
// kFarthestAbscissa times half. `curve` takes the abscissa; `visit` gets it with each point.
void laySweepThroughInfinity(const CurveAt& curve, double half, double step, const PlotBox& box,
                             const CurveVisit& visit);

}  // namespace dials::projective
