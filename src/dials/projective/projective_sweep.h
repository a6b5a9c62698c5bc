#pragma once
// The sweep of the projective programmes: a curve of a plane (the reference plane of the former
// programme, the auxiliary plane of the latter) given as a function of an abscissa of that plane,
// carried onto the dial by the central projection from the style tip. That projection sends the
// plane's points at infinity to a line of the dial, the vanishing line, and the curve's image
// runs on across it: an hour line is one whole straight line of the dial, of which the points
// of the plane beyond any bound of the abscissa make a stretch near the vanishing line. On a
// plane whose auxiliary frame runs far off (a dial nearly level, whose auxiliary vertical plane
// lies g / cos R from the tip) that stretch is where the lines cross the plot area.

#include <functional>
#include <optional>
#include <vector>

#include "dials/plot_curve.h"
#include "dials/plot_line.h"

namespace dials::projective {

// How far the latter programme's sweep of a parallel line of the auxiliary plane reaches, in
// multiples of its half width: a line farther off is laid again from its own nearest point.
inline constexpr double kFarthestAbscissa = 1e6;

// The component along the dial's normal of the ray from the tip through the point of the curve
// (of the auxiliary plane) at a parameter: its image runs through infinity where it changes its
// sign. None where the curve has no point.
using CurveAcross = std::function<std::optional<double>(double t)>;

// Lays the image of a curve with the shared curve sampler (dials::layCurve) over every abscissa
// t: first from -half to half at the step, as the programmes swept it, then the rest, beyond
// +-half and through the point at infinity, as t = 1 / s for s from -1 / half to 1 / half at the
// same step (the ends, t = -+half, laid by the first pass, are not visited twice). `curve` takes
// the abscissa; `far` takes s and gives the point of the abscissa 1 / s, formed with the
// abscissa divided out so that it keeps its digits however far off, and at s = 0 the image of
// the curve's point at infinity, on the vanishing line. `visit` gets the abscissa with each
// point.
//
// Two stretches of the image can fall between samples the sampler does not refine between, and
// are probed (CurveRange::probes) at every scale of its halvings: next to s = 0, where an
// auxiliary plane far from the tip has the whole plot area as the image of its points farther
// off than the sweep reaches; and, given `across` and `farAcross` (the same for the parameters
// of `curve` and of `far`), next to where the image runs through infinity, which on an auxiliary
// plane passing close to the tip lies within a fraction of a step of points whose images lie
// close together.
//
// `ends` are the abscissae where the curve's points begin or end (the turns of an ellipse,
// conicTurns): each is named to the pass that sweeps it (CurveRange::ends), as t to the first
// and as s = 1 / t to the second.
void laySweepThroughInfinity(const CurveAt& curve, const CurveAt& far, double half, double step,
                             const PlotBox& box, const CurveVisit& visit,
                             const CurveAcross& across = {}, const CurveAcross& farAcross = {},
                             const std::vector<double>& ends = {});

// The half range both projective methods sweep their curves' parameter over.
constexpr double kSweepHalf = 2;

}  // namespace dials::projective
