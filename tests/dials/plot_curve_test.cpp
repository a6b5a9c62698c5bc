// The one way a curve of a dial swept by a parameter is laid: its points no farther apart than
// the spacing where the plot area shows it, its ends found, its cost bounded.

#include <cmath>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "dials/plot_curve.h"
#include "numeric/failure.h"
#include "numeric/round_budget.h"

namespace {

using dials::CurveRange;
using geometry::DialPoint;
using dials::PlotBox;

constexpr PlotBox kBox{-0.5, 0.5, -0.5, 0.5};
constexpr double kSpacing = 0.002;

struct Laid {
    std::vector<double> t;
    std::vector<DialPoint> points;
};

Laid lay(const dials::CurveAt& curve, const CurveRange& range) {
    Laid laid;
    dials::layCurve(curve, range, kSpacing, kBox, [&](double t, const DialPoint& p) {
        laid.t.push_back(t);
        laid.points.push_back(p);
    });
    return laid;
}

bool inside(const DialPoint& p) {
    return p.x >= kBox.left && p.x <= kBox.right && p.y >= kBox.bottom && p.y <= kBox.top;
}

// The widest step between consecutive points of which one at least lies in the box.
double widestGapInside(const Laid& laid) {
    double widest = 0;
    for (std::size_t i = 1; i < laid.points.size(); ++i) {
        const DialPoint& a = laid.points[i - 1];
        const DialPoint& b = laid.points[i];
        if (inside(a) || inside(b)) widest = std::fmax(widest, std::hypot(b.x - a.x, b.y - a.y));
    }
    return widest;
}

TEST(PlotCurve, KeepsEverySampleOfTheStepAndFillsTheGapsInOrder) {
    // A line nearly upright against its parameter (a hundredfold steeper than the step), a
    // curve of the year running fast at one end, a pole the curve runs off to, and a curve
    // crossing the box within 1e-14 of its parameter at an end it names and goes on through.
    const struct {
        const char* what;
        dials::CurveAt curve;
        CurveRange range;
    } curves[] = {
        {"steep", [](double t) { return std::optional<DialPoint>({t, 100 * t}); }, {-0.01, 0.01, 0.001}},
        {"fast end", [](double t) { return std::optional<DialPoint>({0.4 * std::cos(t), std::exp(3 * t) - 1.2}); },
         {-1, 0.5, 0.05}},
        {"pole", [](double t) { return std::optional<DialPoint>({t, 0.001 / (t - 0.0333)}); }, {-0.4, 0.4, 0.01}},
        {"through an end",
         [](double t) { return std::optional<DialPoint>({0.4 * std::tanh(t / 1e-14), 0}); },
         {-0.3, 0.7, 0.5, true, false, {0}}},
    };
    for (const auto& c : curves) {
        SCOPED_TRACE(c.what);
        const Laid laid = lay(c.curve, c.range);
        // In the order of the parameter, every sample of the step among them.
        for (std::size_t i = 1; i < laid.t.size(); ++i) ASSERT_LT(laid.t[i - 1], laid.t[i]);
        for (double t = c.range.from; t <= c.range.to + 1e-12; t += c.range.step) {
            bool found = false;
            for (double u : laid.t) found = found || std::fabs(u - t) < 1e-9;
            EXPECT_TRUE(found) << t;
        }
        // On the curve, and no gap wider than the spacing where the box shows it. Across the
        // pole the curve leaves one edge and comes back from the other: that jump is no gap of
        // the line, both its ends beyond the box.
        for (std::size_t i = 0; i < laid.t.size(); ++i) {
            const DialPoint expected = *c.curve(laid.t[i]);
            EXPECT_EQ(laid.points[i].x, expected.x);
            EXPECT_EQ(laid.points[i].y, expected.y);
        }
        EXPECT_LE(widestGapInside(laid), kSpacing);
    }
}

TEST(PlotCurve, FindsWhereACurveEndsInsideThePlotAreaAndLeavesTheOutsideAlone) {
    // A quarter circle of radius 0.3 whose points exist for t <= 0.5 only: the last point laid
    // lies within a millionth of a step of its end, whatever the step misses of it.
    auto ending = [](double t) -> std::optional<DialPoint> {
        if (t > 0.5) return std::nullopt;
        return DialPoint{0.3 * std::cos(t), 0.3 * std::sin(t)};
    };
    const Laid ends = lay(ending, {0, 1, 0.3});
    ASSERT_FALSE(ends.t.empty());
    EXPECT_NEAR(ends.t.back(), 0.5, 0.3 / (1 << dials::kCurveEndDepth));
    EXPECT_LE(widestGapInside(ends), kSpacing);

    // A curve beyond the right edge, its samples nearer each other than to the edge, is laid at
    // the step only; one that bows into the box between two samples beyond it, farther apart than
    // from the edge, is laid there whole.
    auto beyond = [](double t) { return std::optional<DialPoint>({20 + t, 50 * t}); };
    EXPECT_EQ(lay(beyond, {0, 1, 0.25}).t.size(), 5u);
    auto bowing = [](double t) {
        return std::optional<DialPoint>({0.7 - 3.2 * t * (1 - t), t - 0.5});
    };
    const Laid bowed = lay(bowing, {0, 1, 1});
    EXPECT_GT(bowed.t.size(), 300u);
    EXPECT_LE(widestGapInside(bowed), kSpacing);

    // A computation that fails is a point the curve does not have.
    auto failing = [](double t) -> std::optional<DialPoint> {
        if (t > 0.2 && t < 0.3) numeric::fail(numeric::FailureKind::DivisionByZero);
        return DialPoint{t, 0};
    };
    for (double t : lay(failing, {0, 0.5, 0.01}).t) EXPECT_FALSE(t > 0.2 && t < 0.3) << t;

    // A closed curve leaves its end out; an open one closes on it where the count stops short.
    auto line = [](double t) { return std::optional<DialPoint>({t, 0}); };
    EXPECT_NEAR(lay(line, {0, 0.45, 0.1, true}).t.back(), 0.45, 1e-15);
    EXPECT_NEAR(lay(line, {0, 0.45, 0.1, false}).t.back(), 0.4, 1e-12);
    // Of a closed curve running steeply into its end, the points laid just before it are drawn.
    auto steep = [](double t) { return std::optional<DialPoint>({0, 1e6 * (t - 0.45)}); };
    const Laid closing = lay(steep, {0, 0.45, 0.1, true, true});
    EXPECT_LT(closing.t.back(), 0.45);
    EXPECT_GT(closing.t.back(), 0.45 - 1e-7);
}

TEST(PlotCurve, ProbesLayWhatTheStepLeavesUnseen) {
    // Each crosses the box between the samples 0 and 0.5 of its step, where the sampler alone
    // sees nothing to refine: both points beyond the right edge, nearer each other than to it;
    // two points 0.8 mm apart with the curve running out through infinity at 0.2 between them; a
    // turn at 0 below the depth of the halvings, where the curve runs as the square root of its
    // parameter.
    const struct {
        const char* what;
        dials::CurveAt curve;
        double centre;  // of the probes, at every scale of the halvings
        double lowest;  // the curve's least x in the box
    } curves[] = {
        {"beyond one edge",
         [](double t) {
             return std::optional<DialPoint>({t == 0 ? 1.5 : 0.4 * std::fabs(std::log10(t / 1e-4)), 0});
         },
         0, 0},
        {"through infinity", [](double t) { return std::optional<DialPoint>({1e-4 / (t - 0.2), 0}); },
         0.2, -0.5},
        {"turn", [](double t) { return std::optional<DialPoint>({0.45 * std::sqrt(t / 1e-8), 0}); },
         0, 0},
    };
    for (const auto& c : curves) {
        SCOPED_TRACE(c.what);
        CurveRange range{0, 0.5, 0.5};
        const Laid alone = lay(c.curve, range);
        EXPECT_TRUE(alone.points.size() < 3 || widestGapInside(alone) > kSpacing);
        for (int k = 1; k <= dials::kCurveDepth; ++k)
            for (double side : {-1.0, 1.0}) range.probes.push_back(c.centre + side * std::ldexp(0.5, -k));
        const Laid laid = lay(c.curve, range);
        for (std::size_t i = 1; i < laid.t.size(); ++i) ASSERT_LT(laid.t[i - 1], laid.t[i]);
        EXPECT_LE(widestGapInside(laid), kSpacing);
        double lowest = INFINITY, highest = -INFINITY;
        for (const DialPoint& p : laid.points)
            if (inside(p)) lowest = std::fmin(lowest, p.x), highest = std::fmax(highest, p.x);
        EXPECT_LT(lowest, c.lowest + 0.01);
        EXPECT_GT(highest, 0.49);
    }
    // Where the sampler refines as it is, the probes are not laid.
    auto line = [](double t) { return std::optional<DialPoint>({t, 0}); };
    CurveRange probed{0, 0.5, 0.5};
    probed.probes = {0.1, 0.3};
    EXPECT_EQ(lay(line, probed).t, lay(line, {0, 0.5, 0.5}).t);
}

TEST(PlotCurve, ARunawayCurveIsBoundedAndPaidFromTheRunsBudget) {
    // Noise with a removable singularity's lost digits: every interval too wide, for ever.
    auto noise = [](double t) {
        return std::optional<DialPoint>({0.4 * std::sin(1e7 * t), 0.4 * std::cos(3e7 * t)});
    };
    numeric::RoundBudget budget(numeric::MaxLoopRounds);
    const Laid laid = lay(noise, {0, 1, 0.5});
    // At most the per-interval allowance (twice the box across and down at the spacing, and a
    // few halvings) on each of the two intervals, and every point paid for.
    const double perInterval = 2 * (1.0 + 1.0) / kSpacing + 8.0 * dials::kCurveDepth;
    EXPECT_LE(laid.t.size(), 3 + 2 * static_cast<std::size_t>(perInterval));

    // A budget a point short stops the sampling with the run's failure.
    numeric::RoundBudget small(laid.t.size() - 1);
    EXPECT_THROW(lay(noise, {0, 1, 0.5}), numeric::NumericFailure);
    EXPECT_TRUE(small.refused());
}

}  // namespace
