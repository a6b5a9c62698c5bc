#include "dials/plot_curve.h"

#include <algorithm>
#include <cmath>

#include "numeric/failure.h"
#include "numeric/round_budget.h"
#include "numeric/step_loop.h"

namespace dials {

namespace {

struct Sample {
    double t;
    std::optional<DialPoint> at;
    // Laid beside an end of the curve: it has no point just before this one (opens) or just
    // after it (closes), in the order of the sweep.
    bool opens = false, closes = false;
    // The end of a closed curve, its start again: laid, not visited.
    bool again = false;
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

    // Starts a new interval of the step: its allowance of points.
    void startInterval() const { allowance_ = perInterval_; }

    Sample sample(double t) const {
        try {
            std::optional<DialPoint> p = curve_(t);
            if (p && !(std::isfinite(p->x) && std::isfinite(p->y))) p.reset();
            return {t, p};
        } catch (const numeric::NumericFailure&) {
            return {t, std::nullopt};
        }
    }

    // From a sample with a point beside an end of the curve towards the parameter `none`, nearer
    // that end, where the curve has no point: halves the way while the point laid still moves by
    // more than a millionth of the spacing, so that the end is laid that near in length however
    // fast the curve runs there (a line turning back across the sweep runs as the square root of
    // the parameter, where a millionth of a step is centimetres on a wide cylinder). A point
    // computed with few digits near a grazing end moves by rounding: no more than
    // kCurveEndHalvings halvings are taken.
    Sample approachEnd(Sample side, double none) const {
        for (int k = 0; k < kCurveEndHalvings; ++k) {
            const double t = none + (side.t - none) / 2;
            if (!(t != none && t != side.t)) break;
            numeric::RoundBudget::pay(1);
            Sample nearer = sample(t);
            if (!nearer.at) {
                none = t;
                continue;
            }
            const double moved = std::hypot(nearer.at->x - side.at->x, nearer.at->y - side.at->y);
            nearer.opens = side.opens;
            nearer.closes = side.closes;
            side = nearer;
            if (!(moved > spacing_ * 1e-6)) break;
        }
        return side;
    }

    void visit(const Sample& s) const {
        if (held_) {
            held_->push_back(s);
            return;
        }
        if (s.at && !s.again) visit_(s.t, *s.at);
    }

    // The points refine lays strictly between a and b, held instead of visited, and whether the
    // halvings ended at their depth with two points still apart in the plot area (not where the
    // curve leaves it through infinity: there they end apart, beyond two edges).
    std::vector<Sample> refineHeld(const Sample& a, const Sample& b) const {
        std::vector<Sample> held;
        held_ = &held;
        fellShort_ = false;
        refine(a, b, 0);
        held_ = nullptr;
        return held;
    }
    bool fellShort() const { return fellShort_; }

    // Whether the halvings between two points, both of the curve and one in the plot area, are
    // wanted (they lie farther apart than the spacing).
    bool wantedInArea(const Sample& a, const Sample& b) const {
        return a.at && b.at && (inside(*a.at) || inside(*b.at)) && wanted(a, b);
    }

    // Lays the points strictly between a and b.
    void refine(const Sample& a, const Sample& b, int depth) const {
        if (depth >= kCurveDepth && a.at && b.at && (inside(*a.at) || inside(*b.at)) &&
            wanted(a, b))
            fellShort_ = true;
        if (depth >= kCurveDepth || allowance_ <= 0 || !wanted(a, b)) return;
        // The end of the curve is found to kCurveEndDepth halvings, and from there laid as near
        // as approachEnd lays it: a curve that ends where its shadow grazes the surface runs as
        // the square root of its parameter there, and has points computed with few digits.
        if ((!a.at || !b.at) && depth >= kCurveEndDepth) {
            const Sample& side = a.at ? a : b;
            const Sample nearer = approachEnd(side, a.at ? b.t : a.t);
            if (std::hypot(nearer.at->x - side.at->x, nearer.at->y - side.at->y) > spacing_ * 1e-6)
                visit(nearer);
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

    // Whether the interval needs points between its ends: both points farther apart than the
    // spacing and, where both lie beyond one edge of the plot area, farther apart than the
    // nearer of them lies beyond it (a curve may bow into the area between two such points, as
    // a line running along an edge just outside it does); or a point at one end only, within
    // the plot area (where the curve ends, or a root of it ceases to exist), but for an end the
    // curve named.
    bool wanted(const Sample& a, const Sample& b) const {
        if (!a.at && !b.at) return false;
        if (!a.at || !b.at) {
            // An end the curve named is laid already.
            if ((b.at && b.opens) || (a.at && a.closes)) return false;
            return inside(a.at ? *a.at : *b.at);
        }
        const DialPoint& p = *a.at;
        const DialPoint& q = *b.at;
        const double beyondOneEdge = std::fmax(
            std::fmax(std::fmin(box_.left - p.x, box_.left - q.x),
                      std::fmin(p.x - box_.right, q.x - box_.right)),
            std::fmax(std::fmin(box_.bottom - p.y, box_.bottom - q.y),
                      std::fmin(p.y - box_.top, q.y - box_.top)));
        return std::hypot(p.x - q.x, p.y - q.y) > std::fmax(spacing_, beyondOneEdge);
    }

private:
    bool inside(const DialPoint& p) const { return inPlotBox(box_, p); }

    const CurveAt& curve_;
    double spacing_;
    PlotBox box_;
    const CurveVisit& visit_;
    long perInterval_ = 0;
    mutable long allowance_ = 0;
    mutable std::vector<Sample>* held_ = nullptr;
    mutable bool fellShort_ = false;
};

// The named ends strictly inside the range.
std::vector<double> sweepEnds(const CurveRange& range) {
    const double low = std::fmin(range.from, range.to), high = std::fmax(range.from, range.to);
    std::vector<double> ends;
    for (double end : range.ends)
        if (end > low && end < high) ends.push_back(end);
    return ends;
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
    // The end of a closed curve is its start again: the sample the count takes within a millionth
    // of the step of it, or the end itself, is not visited (the points laid before it are).
    const double closing = range.to - std::fabs(range.step) * 1e-6;
    const CurveLayer layer(curve, spacing, box, visit);
    std::optional<Sample> previous;
    // Whether b comes after a in the sweep.
    const double forward = range.step < 0 ? -1 : 1;
    auto after = [&](double a, double b) { return (b - a) * forward > 0; };
    std::vector<double> probes = range.probes;
    std::sort(probes.begin(), probes.end(), [&](double a, double b) { return after(a, b); });
    // Lays the points between a and b. Where probes lie between them and the sampler alone would
    // leave the curve there unresolved (CurveRange::probes), the probes are laid as samples.
    auto layBetween = [&](const Sample& a, const Sample& b) {
        layer.startInterval();
        const auto first = std::upper_bound(probes.begin(), probes.end(), a.t,
                                            [&](double t, double p) { return after(t, p); });
        auto last = first;
        while (last != probes.end() && after(*last, b.t)) ++last;
        if (first == last) return layer.refine(a, b, 0);
        std::vector<Sample> held;
        const bool wanted = layer.wanted(a, b);
        if (wanted) held = layer.refineHeld(a, b);
        // Whether the sampler, between a and b, leaves the curve between the neighbours p and q
        // unresolved.
        const auto unresolved = [&](const Sample& p, const Sample& q) {
            if (!wanted) return layer.wanted(p, q);
            if (!layer.wantedInArea(p, q)) return false;
            // The held points come in the order of the sweep.
            const auto h =
                std::upper_bound(held.begin(), held.end(), p.t,
                                 [&](double t, const Sample& s) { return after(t, s.t); });
            return h == held.end() || !after(h->t, q.t);
        };
        std::vector<Sample> between;
        bool useProbes = wanted && layer.fellShort();
        for (auto p = first; p != last; ++p) {
            numeric::RoundBudget::pay(1);
            between.push_back(layer.sample(*p));
            const Sample& before = between.size() > 1 ? between[between.size() - 2] : a;
            useProbes = useProbes || unresolved(before, between.back());
        }
        useProbes = useProbes || unresolved(between.back(), b);
        if (!useProbes) {
            for (const Sample& h : held) layer.visit(h);
            return;
        }
        Sample from = a;
        for (const Sample& probe : between) {
            layer.startInterval();
            layer.refine(from, probe, 0);
            layer.visit(probe);
            from = probe;
        }
        layer.startInterval();
        layer.refine(from, b, 0);
    };
    auto next = [&](const Sample& s) {
        if (previous) layBetween(*previous, s);
        layer.visit(s);
        previous = s;
    };
    // The named ends, each laid from the side where the curve has its point: a millionth of the
    // step beside it, where the curve has a point on neither side so near (an end known in closed
    // form may lie a rounding off the curve's own), up to a thousandth; and from there as near the
    // end as approachEnd lays it, the end itself where the curve has its point there (where two
    // branches meet and turn back, the point they share). Where another end is named nearer than
    // a millionth of the step, the stretch between the two may be all the curve has there (a
    // declination line's branches meeting just below the horizon, next to the equator): when the
    // millionth shows no point, halfway to that end is looked at next.
    std::vector<Sample> ends;
    const double first = std::fabs(range.step) * 1e-6;
    const std::vector<double> named = sweepEnds(range);
    for (const double end : named) {
        std::vector<double> offsets{first};
        double halfway = first;
        for (const double other : named)
            if (other != end) halfway = std::fmin(halfway, std::fabs(other - end) / 2);
        if (halfway < first) offsets.push_back(halfway);
        for (double off = 10 * first; off < first * 2000; off *= 10) offsets.push_back(off);
        for (const double off : offsets) {
            numeric::RoundBudget::pay(2);
            Sample early = layer.sample(end - forward * off);
            Sample late = layer.sample(end + forward * off);
            if (!early.at && !late.at) continue;
            // Where the curve goes on through the end (a parameter named for another branch of
            // it, or for a part another programme leaves), both sides are laid, as any other
            // samples.
            if (early.at && late.at) {
                for (const Sample& side : {early, late})
                    if (after(range.from, side.t) && after(side.t, range.to)) ends.push_back(side);
                break;
            }
            early.closes = late.opens = true;
            Sample side = early.at ? early : late;
            double none = end + (side.t - end) / 10;
            if (off <= first) {
                numeric::RoundBudget::pay(1);
                Sample atEnd = layer.sample(end);
                none = end;
                if (atEnd.at) {
                    // The curve may go on a little beyond the end named, towards the side
                    // without a point: its suns are computed with the stored Pi, a rounding off
                    // those the end was named for, and next to where its shadow grazes the
                    // surface that rounding is a stretch of the line.
                    none = (early.at ? late : early).t;
                    atEnd.opens = side.opens;
                    atEnd.closes = side.closes;
                    side = atEnd;
                }
            }
            side = layer.approachEnd(side, none);
            if (after(range.from, side.t) && after(side.t, range.to)) ends.push_back(side);
            break;
        }
    }
    std::sort(ends.begin(), ends.end(),
              [&](const Sample& a, const Sample& b) { return after(a.t, b.t); });
    // Two ends named at one parameter, or laid at one point (two names of one end, each laid
    // as near it as approachEnd goes), are laid once.
    const double oneLength = spacing * 1e-6;
    ends.erase(std::unique(ends.begin(), ends.end(),
                           [&](const Sample& a, const Sample& b) {
                               return a.t == b.t || std::hypot(a.at->x - b.at->x,
                                                               a.at->y - b.at->y) <= oneLength;
                           }),
               ends.end());
    std::size_t nextEnd = 0;
    // Lays the ends that come before the sample at t.
    auto layEndsBefore = [&](double t) {
        for (; nextEnd < ends.size() && after(ends[nextEnd].t, t); ++nextEnd)
            if (!previous || after(previous->t, ends[nextEnd].t)) next(ends[nextEnd]);
    };
    for (double t : numeric::StepRange(range.from, range.to, range.step)) {
        layEndsBefore(t);
        Sample s = layer.sample(t);
        s.again = range.closed && t >= closing;
        next(s);
    }
    layEndsBefore(range.to);
    // The count stops short of the end by up to a step: the end closes the curve.
    if (range.endIncluded && previous &&
        (range.to - previous->t) / range.step > 1e-6) {
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
