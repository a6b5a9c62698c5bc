#include "dials/projective/projective_sweep.h"

#include <cmath>
#include <optional>
#include <vector>

#include "numeric/bisect.h"
#include "numeric/failure.h"
#include "numeric/round_budget.h"
#include "numeric/step_loop.h"

namespace dials::projective {

namespace {

// Probes on both sides of t at every scale from half the step down by halves, twice as deep as
// the sampler halves a step, or to where t's digits end.
void probeAround(double t, double step, std::vector<double>& probes) {
    for (int k = 1; k <= 2 * kCurveDepth; ++k) {
        const double d = std::ldexp(step, -k);
        if (t + d == t || t - d == t) break;
        probes.push_back(t + d);
        probes.push_back(t - d);
    }
}

// Probes around every parameter of from..to where `across` changes its sign between two samples
// of the step that both have it: where the image runs through infinity, located by halving.
void probeThroughInfinity(const CurveAcross& curveAcross, double from, double to, double step,
                          std::vector<double>& probes) {
    if (!curveAcross) return;
    // A point whose computation fails has none, as it has no point.
    const auto across = [&](double t) -> std::optional<double> {
        try {
            return curveAcross(t);
        } catch (const numeric::NumericFailure&) {
            return std::nullopt;
        }
    };
    std::optional<double> lastT, lastValue;
    for (double t : numeric::StepRange(from, to, step)) {
        const std::optional<double> value = across(t);
        if (value && lastValue && (*value > 0) != (*lastValue > 0)) {
            const numeric::Bracket change = numeric::bisectChange(
                *lastT, t, *lastValue > 0,
                [&](double middle) -> std::optional<bool> {
                    numeric::RoundBudget::pay(1);
                    const std::optional<double> m = across(middle);
                    if (!m) return std::nullopt;
                    return *m > 0;
                },
                64);
            probeAround(change.low + (change.high - change.low) / 2, step, probes);
        }
        lastT = t;
        lastValue = value;
    }
}

}  // namespace

void laySweepThroughInfinity(const CurveAt& curve, const CurveAt& far, double half, double step,
                             const PlotBox& box, const CurveVisit& visit,
                             const CurveAcross& across, const CurveAcross& farAcross,
                             const std::vector<double>& ends) {
    // A curve that ends on a point it reaches from several parameters (the turn of a conic,
    // conicRootToTheTurn) gives that point once.
    std::optional<DialPoint> last;
    const CurveVisit once = [&](double t, const DialPoint& p) {
        if (last && last->x == p.x && last->y == p.y) return;
        last = p;
        visit(t, p);
    };
    CurveRange near{-half, half, step, true, false, ends};
    probeThroughInfinity(across, -half, half, step, near.probes);
    layCurve(curve, near, kLineStep, box, once);
    // Next to the point at infinity the far pass is probed at every scale: where the auxiliary
    // plane lies far from the tip (a plane next to the level, or next to one holding the polar
    // axis), the whole plot area is the image of points of it farther off than 1 / step, and a
    // curve crosses it within one step of s = 0, between two points both off the area.
    const double outer = 1 / half;
    CurveRange range{-outer, outer, step, true};
    for (const double t : ends)
        if (t != 0 && std::isfinite(t)) range.ends.push_back(1 / t);
    probeAround(0, step, range.probes);
    probeThroughInfinity(farAcross, -outer, outer, step, range.probes);
    layCurve(far, range, kLineStep, box, [&](double s, const DialPoint& p) {
        if (std::fabs(s) < outer) once(s == 0 ? INFINITY : 1 / s, p);
    });
}

}  // namespace dials::projective
