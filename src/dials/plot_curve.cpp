#include "dials/plot_curve.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "numeric/failure.h"
#include "numeric/round_budget.h"
#include "numeric/step_loop.h"

namespace dials {

namespace {

// How near its end a curve is laid, in spacings: the way to the end is halved while the point
// laid still moves by more, and two ends laid nearer each other than this are one.
constexpr double kEndNearness = 1e-6;
// How many times the way to an end is halved at most: from a thousandth of the step down to the
// digits of the parameter.
constexpr int kEndHalvings = 64;
// Beside a named end the curve's point is looked for first a millionth of the step away (an end
// known in closed form may lie a rounding off the curve's own), then each look this many times
// farther than the one before, while it stays within kLooksReach first looks (up to a thousandth
// of the step: the bound lies clear of the rounding of the looks).
constexpr double kFirstLook = 1e-6;
constexpr double kLookWidening = 10;
constexpr double kLooksReach = 2000;
// The count of the step reaches the end of the range when it stops within a millionth of the
// step of it.
constexpr double kCountReach = 1e-6;

double distance(const DialPoint& p, const DialPoint& q) { return std::hypot(p.x - q.x, p.y - q.y); }

struct Sample {
    double t;
    std::optional<DialPoint> at;
    // Laid beside an end of the curve: it has no point just before this one (opens) or just
    // after it (closes), in the order of the sweep.
    bool opens = false, closes = false;
    // The end of a closed curve, its start again: laid, not visited.
    bool again = false;
};

// The order of the sweep: whether b comes after a.
struct SweepOrder {
    double forward;
    bool operator()(double a, double b) const { return (b - a) * forward > 0; }
    bool operator()(const Sample& a, const Sample& b) const { return (*this)(a.t, b.t); }
};

class CurveLayer {
public:
    CurveLayer(const CurveAt& curve, double spacing, const PlotBox& box, const CurveVisit& visit)
        : curve_(curve), spacing_(spacing), box_(box), visit_(visit) {
        // What one interval of the step may need at most: a point every spacing across and down
        // the plot area twice over, and a few halvings to the end of the curve or to a pole.
        const double across = (box.right - box.left) + (box.top - box.bottom);
        const double points = 2 * across / spacing + 8.0 * kCurveDepth;
        perInterval_ = points < 1e6 ? static_cast<long>(points) : 1000000;
    }

    Sample sample(double t) const {
        try {
            std::optional<DialPoint> p = curve_(t);
            if (p && !(std::isfinite(p->x) && std::isfinite(p->y))) p.reset();
            return {t, p};
        } catch (const numeric::NumericFailure&) {
            return {t, std::nullopt};
        }
    }

    // Whether two points of the curve lie as near each other as an end is laid: one point.
    bool onePoint(const Sample& a, const Sample& b) const {
        return !(distance(*a.at, *b.at) > spacing_ * kEndNearness);
    }

    // From a sample with a point beside an end of the curve towards the parameter `none`, nearer
    // that end, where the curve has no point: halves the way while the point laid still moves by
    // more than kEndNearness of the spacing, so that the end is laid that near in length however
    // fast the curve runs there (a line turning back across the sweep runs as the square root of
    // the parameter, where a millionth of a step is centimetres on a wide cylinder). A point
    // computed with few digits near a grazing end moves by rounding: no more than kEndHalvings
    // halvings are taken.
    Sample approachEnd(Sample side, double none) const {
        for (int k = 0; k < kEndHalvings; ++k) {
            const double t = none + (side.t - none) / 2;
            if (!(t != none && t != side.t)) break;
            numeric::RoundBudget::pay(1);
            const Sample nearer = sample(t);
            if (!nearer.at) {
                none = t;
                continue;
            }
            const bool moved = !onePoint(nearer, side);
            side = nearer;
            if (!moved) break;
        }
        return side;
    }

    void visit(const Sample& s) {
        if (held_)
            held_->push_back(s);
        else if (s.at && !s.again)
            visit_(s.t, *s.at);
    }

    // Lays the points strictly between a and b, on an allowance of points of its own.
    void layInterval(const Sample& a, const Sample& b) {
        allowance_ = perInterval_;
        refine(a, b, 0);
    }

    // The points layInterval lays strictly between a and b, held instead of visited; fellShort()
    // tells then whether the halvings ended at their depth with two points still apart in the
    // plot area (not where the curve leaves it through infinity: there they end apart, beyond two
    // edges).
    std::vector<Sample> refineHeld(const Sample& a, const Sample& b) {
        std::vector<Sample> held;
        held_ = &held;
        fellShort_ = false;
        layInterval(a, b);
        held_ = nullptr;
        return held;
    }
    bool fellShort() const { return fellShort_; }

    // Whether the halvings between two points, both of the curve and one in the plot area, are
    // wanted (they lie farther apart than the spacing).
    bool wantedInArea(const Sample& a, const Sample& b) const {
        return a.at && b.at && (inside(*a.at) || inside(*b.at)) && wanted(a, b);
    }

    // Whether the interval needs points between its ends: both points farther apart than the
    // spacing and, where both lie beyond one edge of the plot area, farther apart than the
    // nearer of them lies beyond it (a curve may bow into the area between two such points, as
    // a line running along an edge just outside it does); or a point at one end only, within
    // the plot area (where the curve ends, or a root of it ceases to exist), but for an end the
    // curve named.
    bool wanted(const Sample& a, const Sample& b) const {
        if (!a.at && !b.at) return false;
        if (!a.at || !b.at) {
            // A point at one end only, but for an end the curve named: it is laid already.
            return !(a.at ? a.closes : b.opens) && inside(a.at ? *a.at : *b.at);
        }
        const DialPoint& p = *a.at;
        const DialPoint& q = *b.at;
        const double beyondOneEdge = std::fmax(
            std::fmax(std::fmin(box_.left - p.x, box_.left - q.x),
                      std::fmin(p.x - box_.right, q.x - box_.right)),
            std::fmax(std::fmin(box_.bottom - p.y, box_.bottom - q.y),
                      std::fmin(p.y - box_.top, q.y - box_.top)));
        return distance(p, q) > std::fmax(spacing_, beyondOneEdge);
    }

private:
    bool inside(const DialPoint& p) const { return inPlotBox(box_, p); }

    // Lays the points strictly between a and b, at the given depth of the halvings.
    void refine(const Sample& a, const Sample& b, int depth) {
        if (depth >= kCurveDepth) {
            if (wantedInArea(a, b)) fellShort_ = true;
            return;
        }
        if (allowance_ <= 0 || !wanted(a, b)) return;
        // The end of the curve is found to kCurveEndDepth halvings, and from there laid as near
        // as approachEnd lays it: a curve that ends where its shadow grazes the surface runs as
        // the square root of its parameter there, and has points computed with few digits.
        if ((!a.at || !b.at) && depth >= kCurveEndDepth) {
            const Sample& side = a.at ? a : b;
            const Sample nearer = approachEnd(side, a.at ? b.t : a.t);
            if (!onePoint(nearer, side)) visit(nearer);
            return;
        }
        const double t = a.t + (b.t - a.t) / 2;
        if (!(t != a.t && t != b.t)) return;
        --allowance_;
        numeric::RoundBudget::pay(1);
        const Sample middle = sample(t);
        refine(a, middle, depth + 1);
        visit(middle);
        refine(middle, b, depth + 1);
    }

    const CurveAt& curve_;
    double spacing_;
    PlotBox box_;
    const CurveVisit& visit_;
    long perInterval_ = 0;
    long allowance_ = 0;
    std::vector<Sample>* held_ = nullptr;
    bool fellShort_ = false;
};

// How far beside the named end the curve's point is looked for, nearest first. Where another
// end is named nearer than the first look, the stretch between the two may be all the curve has
// there (a declination line's branches meeting just below the horizon, next to the equator):
// halfway to that end is looked at next.
std::vector<double> endLooks(double end, const std::vector<double>& named, double step) {
    const double first = std::fabs(step) * kFirstLook;
    std::vector<double> looks{first};
    double halfway = first;
    for (const double other : named)
        if (other != end) halfway = std::fmin(halfway, std::fabs(other - end) / 2);
    if (halfway < first) looks.push_back(halfway);
    for (double off = kLookWidening * first; off < first * kLooksReach; off *= kLookWidening)
        looks.push_back(off);
    return looks;
}

// The samples laid for the named end, from the side where the curve has its point, at the
// nearest look that finds one; none where no look does. Where the curve goes on through the end
// (a parameter named for another branch of it, or for a part another programme leaves), both
// sides, as any other samples. Else the side found, and from there as near the end as
// approachEnd lays it: from the first look, the end itself where the curve has its point there
// (where two branches meet and turn back, the point they share).
std::vector<Sample> namedEndSides(CurveLayer& layer, double end, const std::vector<double>& looks,
                                  double forward) {
    for (const double off : looks) {
        numeric::RoundBudget::pay(2);
        Sample early = layer.sample(end - forward * off);
        Sample late = layer.sample(end + forward * off);
        if (!early.at && !late.at) continue;
        if (early.at && late.at) return {early, late};
        Sample side = early.at ? early : late;
        // The look before, that much nearer the end, found no point.
        double none = end + (side.t - end) / kLookWidening;
        if (off <= looks.front()) {
            numeric::RoundBudget::pay(1);
            const Sample atEnd = layer.sample(end);
            none = end;
            if (atEnd.at) {
                // The curve may go on a little beyond the end named, towards the side without a
                // point: its suns are computed with the stored Pi, a rounding off those the end
                // was named for, and next to where its shadow grazes the surface that rounding
                // is a stretch of the line.
                none = (early.at ? late : early).t;
                side = atEnd;
            }
        }
        Sample laid = layer.approachEnd(side, none);
        laid.closes = early.at.has_value();
        laid.opens = late.at.has_value();
        return {laid};
    }
    return {};
}

// The samples laid for the named ends inside the range, in the order of the sweep; two ends
// named at one parameter, or laid at one point (two names of one end, each laid as near it as
// approachEnd goes), are laid once.
std::vector<Sample> namedEndSamples(CurveLayer& layer, const CurveRange& range, SweepOrder after) {
    const double low = std::fmin(range.from, range.to), high = std::fmax(range.from, range.to);
    std::vector<double> named;  // strictly inside the range
    std::ranges::copy_if(range.ends, std::back_inserter(named),
                         [&](double end) { return end > low && end < high; });
    std::vector<Sample> ends;
    for (const double end : named)
        for (const Sample& side :
             namedEndSides(layer, end, endLooks(end, named, range.step), after.forward))
            if (after(range.from, side.t) && after(side.t, range.to)) ends.push_back(side);
    std::sort(ends.begin(), ends.end(), after);
    ends.erase(std::unique(ends.begin(), ends.end(),
                           [&](const Sample& a, const Sample& b) {
                               return a.t == b.t || layer.onePoint(a, b);
                           }),
               ends.end());
    return ends;
}

// Lays the points strictly between the samples a and b. Where probes (sorted in the order of the
// sweep) lie between them and the sampler alone would leave the curve there unresolved
// (CurveRange::probes), the probes are laid as samples.
void layBetween(CurveLayer& layer, const std::vector<double>& probes, SweepOrder after,
                const Sample& a, const Sample& b) {
    const auto first = std::upper_bound(probes.begin(), probes.end(), a.t, after);
    const auto last = std::find_if(first, probes.end(), [&](double p) { return !after(p, b.t); });
    if (first == last) return layer.layInterval(a, b);
    std::vector<Sample> held;
    const bool wanted = layer.wanted(a, b);
    if (wanted) held = layer.refineHeld(a, b);
    // Whether the sampler, between a and b, leaves the curve between the neighbours p and q
    // unresolved.
    const auto unresolved = [&](const Sample& p, const Sample& q) {
        if (!wanted) return layer.wanted(p, q);
        if (!layer.wantedInArea(p, q)) return false;
        // The held points come in the order of the sweep.
        const auto h = std::upper_bound(held.begin(), held.end(), p.t,
                                        [&](double t, const Sample& s) { return after(t, s.t); });
        return h == held.end() || !after(h->t, q.t);
    };
    // a, the probes between a and b, and b.
    std::vector<Sample> chain{a};
    for (auto p = first; p != last; ++p) {
        numeric::RoundBudget::pay(1);
        chain.push_back(layer.sample(*p));
    }
    chain.push_back(b);
    if (!(wanted && layer.fellShort()) &&
        std::adjacent_find(chain.begin(), chain.end(), unresolved) == chain.end()) {
        for (const Sample& h : held) layer.visit(h);
        return;
    }
    for (std::size_t i = 1; i < chain.size(); ++i) {
        layer.layInterval(chain[i - 1], chain[i]);
        if (i + 1 < chain.size()) layer.visit(chain[i]);
    }
}

}  // namespace

std::optional<CurveRange> narrowedRange(const CurveRange& range, double low, double high) {
    if (!(high >= range.from && low <= range.to)) return std::nullopt;
    CurveRange narrowed = range;
    const double first = std::floor((low - range.from) / range.step);
    if (first > 0) narrowed.from = range.from + first * range.step;
    const double last = std::ceil((high - range.from) / range.step);
    if (range.from + last * range.step < range.to) {
        narrowed.to = range.from + last * range.step;
        narrowed.endIncluded = true;
        narrowed.closed = false;
    }
    return narrowed;
}

void layCurve(const CurveAt& curve, const CurveRange& range, double spacing, const PlotBox& box,
              const CurveVisit& visit) {
    CurveLayer layer(curve, spacing, box, visit);
    const SweepOrder after{range.step < 0 ? -1.0 : 1.0};
    const std::vector<Sample> ends = namedEndSamples(layer, range, after);
    std::vector<double> probes = range.probes;
    std::sort(probes.begin(), probes.end(), after);
    std::optional<Sample> previous;
    auto next = [&](const Sample& s) {
        if (previous) layBetween(layer, probes, after, *previous, s);
        layer.visit(s);
        previous = s;
    };
    std::size_t nextEnd = 0;
    // Lays the ends that come before the sample at t.
    auto layEndsBefore = [&](double t) {
        for (; nextEnd < ends.size() && after(ends[nextEnd].t, t); ++nextEnd)
            if (!previous || after(previous->t, ends[nextEnd].t)) next(ends[nextEnd]);
    };
    // The end of a closed curve is its start again: the sample the count takes near it, or the
    // end itself, is not visited (the points laid before it are).
    const double closing = range.to - std::fabs(range.step) * kCountReach;
    for (double t : numeric::StepRange(range.from, range.to, range.step)) {
        layEndsBefore(t);
        Sample s = layer.sample(t);
        s.again = range.closed && t >= closing;
        next(s);
    }
    layEndsBefore(range.to);
    // The count stops short of the end by up to a step: the end closes the curve.
    if (range.endIncluded && previous && (range.to - previous->t) / range.step > kCountReach) {
        numeric::RoundBudget::pay(1);
        Sample end = layer.sample(range.to);
        end.again = range.closed;
        next(end);
    }
}

void plotCurve(plot::PlotSurface& plot, numeric::Colour colour, const CurveAt& curve,
               const CurveRange& range, double spacing, const CurveVisit& drawn) {
    layCurve(curve, range, spacing, plotBox(plot), [&](double t, const DialPoint& p) {
        plotDialPoint(plot, p, colour);
        if (drawn) drawn(t, p);
    });
}

}  // namespace dials
