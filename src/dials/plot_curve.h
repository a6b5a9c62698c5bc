#pragma once
// A curve of a dial laid as a row of points no farther apart along it than a given spacing,
// whatever its course: the one sampler of the curves a programme sweeps by a parameter (an
// abscissa across the dial, a turn about an axis, a day of the year).
//
// A sweep at a fixed step of its parameter leaves a curve that runs steeply against that
// parameter (a line nearly upright on a dial swept by its abscissa, a line near the edge of a
// cylinder's chord frame) as points far apart, or misses it. The sampler takes the points at the
// step, as the sweep did, then halves every interval whose two points lie farther apart than the
// spacing until they do not (down to kCurveDepth halvings), and every interval with a point at
// one end only, inside the plot area, so as to find where the curve ends there (where it leaves
// the part of the dial it has, or a root of it ceases to exist; down to kCurveEndDepth
// halvings, and from there as near as an end the curve names). Two points both beyond one edge
// of the plot area are refined only while they lie farther apart than the nearer of them lies
// beyond it: between two such points far apart the curve may bow into the area (a line running
// along an edge just outside it); between two nearer each other than to the edge it is taken to
// stay beyond it, and nothing between them is shown. No interval of the step gets more points
// than twice the plot area's width and height at the spacing, and a few halvings besides: a
// curve computed with a removable singularity, whose digits are lost near it, cannot run away
// with the run.
//
// A stretch of the curve that begins and ends between two samples of the step, or that ends
// between a sample without a point and one beyond the plot area, shows in no sample: the curve
// names where its points begin or end (CurveRange::ends, known in closed form: where a root of
// it ceases to exist, where the shadow stops reaching the surface, sunrise and sunset), and each
// is laid as a sample, from the side of it where the curve has its points.

#include <functional>
#include <optional>
#include <vector>

#include "dials/plot_point.h"
#include "dials/plot_line.h"

namespace dials {

// The point of a curve at the parameter t, in dial coordinates, or none where the curve has no
// point there. A numeric::NumericFailure thrown by it counts as none.
using CurveAt = std::function<std::optional<DialPoint>(double t)>;

// What is done with each point laid, in the order of its parameter.
using CurveVisit = std::function<void(double t, const DialPoint& point)>;

// How many times an interval of the step is halved at most: 2^-40 of a step, finer than a plane
// standing upright up to the stored Pi's residue (numeric::kStoredPiResidue) needs to be laid
// across the plot area.
inline constexpr int kCurveDepth = 40;
// How many times an interval with a point at one end only is halved at most, to find where the
// curve ends: to a millionth of the step; from there the end is laid as an end the curve names.
inline constexpr int kCurveEndDepth = 20;

// The parameters a curve is laid over: from..to at the step, as numeric::StepRange counts them,
// and `to` itself where the count stops short of it (by more than a millionth of the step) and
// the curve ends there (endIncluded); a curve closed on itself, such as a year's analemma,
// leaves it out.
// A curve that returns at `to` to its point at `from` (a day's line round the clock) is
// `closed`: its end is laid, so that the stretch before it is whole, but not visited again (the
// points laid before it are, however near it).
// `ends` are the parameters strictly inside the range where the curve's points may begin or end
// (a line's sun reaching the horizon, the shadow leaving the surface, two branches meeting). Each
// is laid from the side where the curve has a point, looked for from a millionth of a step beside
// it up to a thousandth, and from there as near it as a millionth of the spacing in length (on
// both sides where the curve has a point on both, on neither where it has one on none); from
// there the sampler refines as between any two points, and does not look for that end again.
// `probes` are parameters strictly inside the range near which the curve may cross the plot area
// where the step's samples do not show it: between two samples that the sampler would not refine
// between (their points both beyond one edge of the area and nearer each other than to it, or
// within the spacing of each other while the curve runs out and back through infinity between
// them), that it halves to its depth with two points still apart in the area (a turn far finer
// than the step), or whose halvings stop beside the area while the curve comes into it further
// on (on a point beyond the area next to one where the curve has none, or on two points beyond
// one edge). In an interval of the step the probes are computed; all of them are laid as
// samples, from which the sampler refines as between any two, when it would refine between two
// neighbours among them while it does not between the interval's ends, when it fell short, or
// when two neighbours with points apart in the area have none of its own points between them.
// Elsewhere none is laid.
struct CurveRange {
    double from = 0, to = 0, step = 0;
    bool endIncluded = true;
    bool closed = false;
    std::vector<double> ends = {};
    std::vector<double> probes = {};
};

// The range (of a rising step) narrowed to the parameters from low to high: its counted samples
// between them and the one beyond each, on the whole range's count, so that the curve's points
// there are the ones the whole range lays; none where the two miss the range.
std::optional<CurveRange> narrowedRange(const CurveRange& range, double low, double high);

// Lays the curve over its range; then, between neighbours,
// as many more points as make consecutive points of the curve no more than `spacing` apart
// (down to kCurveDepth halvings of the step). visit(t, point) is called for every point in the
// order of t. The sampling at the step is paid like a counted loop; every point added is paid
// from the run's round budget as it is computed (numeric::RoundBudget). A step that no counted
// loop may take throws numeric::NumericFailure, as StepRange does.
void layCurve(const CurveAt& curve, const CurveRange& range, double spacing, const PlotBox& box,
              const CurveVisit& visit);

// Lays the curve across the plot area of `plot` (layCurve) and plots every point laid, at plot
// (x, -y) in the colour; then tells `drawn`, when given, of the point.
void plotCurve(plot::PlotSurface& plot, numeric::Colour colour, const CurveAt& curve,
               const CurveRange& range, double spacing, const CurveVisit& drawn = {});

}  // namespace dials
