// Segment clipping, checked against a brute-force reference: the part of the segment inside the
// closed plot area (parametric clipping on each border in turn).
//
// Conventions the clipper keeps and the reference does not have:
//   - a segment of zero length is never painted, even inside the area;
//   - a segment that meets the area in a single point (a corner, or a border it only touches)
//     is not painted;
//   - end points are compared as an unordered pair; the order is checked by the targeted
//     tests below (the end inside first; otherwise the border points in the order top,
//     bottom, right, left).

#include <array>
#include <cmath>
#include <optional>
#include <random>

#include "plot/clipping.h"
#include "plot_fixture.h"

namespace plottest {
namespace {

using Segment = std::array<double, 4>;

std::optional<Segment> reference(const plot::ClipArea& a, const Segment& s) {
    double t0 = 0, t1 = 1;
    const double dx = s[2] - s[0], dy = s[3] - s[1];
    auto edge = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double r = q / p;
        if (p < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    if (!edge(-dx, s[0] - a.left) || !edge(dx, a.right - s[0]) || !edge(-dy, s[1] - a.top) ||
        !edge(dy, a.bottom - s[1]))
        return std::nullopt;
    return Segment{s[0] + t0 * dx, s[1] + t0 * dy, s[0] + t1 * dx, s[1] + t1 * dy};
}

double length(const Segment& s) { return std::hypot(s[2] - s[0], s[3] - s[1]); }

class ClipTest : public PlotTest {
protected:
    // Area 3 m high and 4 m wide, origin 1.5 m from the left and 1 m from the top.
    void SetUp() override { setArea(3, 4, 1.5, 1.0); }
    plot::ClipArea area() const {
        return {-surface.ShiftX(), surface.QuadranteL() - surface.ShiftX(), -surface.ShiftY(),
                surface.QuadranteH() - surface.ShiftY()};
    }
    // What xLine paints, back in world metres; nullopt when nothing.
    std::optional<Segment> painted(const Segment& s) {
        screen.forget();
        surface.xLine(s[0], s[1], s[2], s[3], 7, false);
        const auto lines = screenLines();
        EXPECT_LE(lines.size(), 1u);
        if (lines.empty()) return std::nullopt;
        const double f = TPM / surface.Scala();
        const auto& a = lines[0].args;
        return Segment{a[0] / f - surface.ShiftX(), a[1] / f - surface.ShiftY(),
                       a[2] / f - surface.ShiftX(), a[3] / f - surface.ShiftY()};
    }
    // Compares what xLine paints with the reference; true when they agree.
    void expectAgrees(const Segment& s, double tolerance) {
        const auto want = reference(area(), s);
        const auto got = painted(s);
        SCOPED_TRACE(::testing::Message() << "segment " << s[0] << "," << s[1] << " - " << s[2]
                                          << "," << s[3]);
        if (!want || length(*want) < 1e-9) {
            EXPECT_FALSE(got.has_value());
            return;
        }
        ASSERT_TRUE(got.has_value());
        const Segment& g = *got;
        const bool same = std::fabs(g[0] - (*want)[0]) < tolerance &&
                          std::fabs(g[1] - (*want)[1]) < tolerance &&
                          std::fabs(g[2] - (*want)[2]) < tolerance &&
                          std::fabs(g[3] - (*want)[3]) < tolerance;
        const bool swapped = std::fabs(g[0] - (*want)[2]) < tolerance &&
                             std::fabs(g[1] - (*want)[3]) < tolerance &&
                             std::fabs(g[2] - (*want)[0]) < tolerance &&
                             std::fabs(g[3] - (*want)[1]) < tolerance;
        EXPECT_TRUE(same || swapped) << "painted " << g[0] << "," << g[1] << " - " << g[2] << ","
                                     << g[3];
    }
};

TEST_F(ClipTest, RandomSegmentsMatchTheReference) {
    std::mt19937_64 rng(20240611);
    const plot::ClipArea a = area();
    std::uniform_real_distribution<double> x(a.left - 3, a.right + 3), y(a.top - 3, a.bottom + 3);
    for (int i = 0; i < 20000; ++i) {
        const Segment s{x(rng), y(rng), x(rng), y(rng)};
        const auto want = reference(a, s);
        if (want && length(*want) > 0 && length(*want) < 1e-6) continue;   // too close to call
        expectAgrees(s, 1e-9);
        if (HasFailure()) break;
    }
}

// End points on the borders, at the corners, beyond them and inside: segments along the
// borders, through the corners, touching from outside, and axis-parallel ones.
TEST_F(ClipTest, SegmentsOnAGridOfBorderValuesMatchTheReference) {
    const plot::ClipArea a = area();
    const std::array<double, 6> xs{a.left - 1, a.left, a.left + 1.3, a.right - 0.7, a.right,
                                   a.right + 2};
    const std::array<double, 6> ys{a.top - 2, a.top, a.top + 0.9, a.bottom - 1.1, a.bottom,
                                   a.bottom + 1};
    std::vector<std::array<double, 2>> points;
    for (double px : xs)
        for (double py : ys) points.push_back({px, py});
    for (const auto& p : points)
        for (const auto& q : points) {
            expectAgrees({p[0], p[1], q[0], q[1]}, 1e-9);
            if (HasFailure()) return;
        }
}

TEST_F(ClipTest, TheEndInsideComesFirstAndTheCrossingGoesTowardsTheOtherEnd) {
    // Inside end (0, 0); the other end beyond the right border.
    const auto got = painted({0, 0, 5, 1});
    ASSERT_TRUE(got);
    EXPECT_DOUBLE_EQ((*got)[0], 0);
    EXPECT_DOUBLE_EQ((*got)[1], 0);
    EXPECT_NEAR((*got)[2], 2.5, 1e-12);   // right border at 4 - 1.5
    EXPECT_NEAR((*got)[3], 0.5, 1e-12);
    // The same segment the other way round: still the inside end first.
    const auto back = painted({5, 1, 0, 0});
    ASSERT_TRUE(back);
    EXPECT_DOUBLE_EQ((*back)[0], 0);
    EXPECT_NEAR((*back)[2], 2.5, 1e-12);
}

TEST_F(ClipTest, CrossingSegmentsRunFromTheFirstAcceptedBorder) {
    // Vertical, both ends outside: top border first, then bottom.
    const auto v = painted({0.5, 5, 0.5, -5});
    ASSERT_TRUE(v);
    EXPECT_NEAR((*v)[1], -1, 1e-12);
    EXPECT_NEAR((*v)[3], 2, 1e-12);
    // Horizontal: right border first, then left.
    const auto h = painted({-9, 0.5, 9, 0.5});
    ASSERT_TRUE(h);
    EXPECT_NEAR((*h)[0], 2.5, 1e-12);
    EXPECT_NEAR((*h)[2], -1.5, 1e-12);
}

TEST_F(ClipTest, DegenerateAndMissingSegmentsAreNotPainted) {
    EXPECT_FALSE(painted({0.2, 0.3, 0.2, 0.3}));       // zero length, inside
    EXPECT_FALSE(painted({-3.5, -0.9, -2.5, -0.8}));   // outside, its extension crosses
    EXPECT_FALSE(painted({-9, -9, -8, 9}));            // its line misses the area
    EXPECT_FALSE(painted({-2.5, -1, -1.5, -1}));       // touches the top-left corner only
    const auto diagonal = painted({-1.5, -1, 2.5, 2});   // the area's own diagonal
    ASSERT_TRUE(diagonal);
    EXPECT_NEAR(length(*diagonal), 5, 1e-12);
}

TEST_F(ClipTest, ExtensionCrossingInAThreeByThreeArea) {
    setArea(3, 3, 0, 0);
    EXPECT_FALSE(painted({-2, 0.1, -1, 0.2}));
    EXPECT_TRUE(painted({0.5, 0.5, 2.5, 2.5}));
}

TEST_F(ClipTest, HugeEndsAreRecordedButNeverPaintedNonFiniteOnesNeither) {
    const double nan = std::nan("");
    screen.forget();
    surface.xLine(0, 0, nan, 1, 3);
    surface.xLine(0, 0, INFINITY, 0, 3);
    surface.xLine(-1e300, 0.5, 1e300, 0.5, 3);
    EXPECT_TRUE(screenLines().empty());
    EXPECT_EQ(surface.displayList().lines.size(), 1u);
    // Circles are not clipped: beyond the device's range they are not painted.
    screen.forget();
    surface.xCircle(0, 0, 1e20, 3);
    surface.xCircle(nan, 0, 0.1, 3);
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_EQ(surface.displayList().shapes.size(), 1u);
}

TEST_F(ClipTest, IntersezioneDueRette) {
    double x = 0, y = 0;
    EXPECT_TRUE(plot::intersezioneDueRette(0, 0, 1, 1, 0, 1, 1, 0, x, y));
    EXPECT_DOUBLE_EQ(x, 0.5);
    EXPECT_DOUBLE_EQ(y, 0.5);
    EXPECT_FALSE(plot::intersezioneDueRette(0, 0, 1, 1, 0, 1, 1, 2, x, y));   // parallel
    EXPECT_FALSE(plot::intersezioneDueRette(0, 0, 1, 1, 2, 2, 3, 3, x, y));   // coincident
    // A vertical and a horizontal line need no special case.
    EXPECT_TRUE(plot::intersezioneDueRette(2, -5, 2, 5, -1, 3, 4, 3, x, y));
    EXPECT_DOUBLE_EQ(x, 2);
    EXPECT_DOUBLE_EQ(y, 3);
    EXPECT_FALSE(plot::intersezioneDueRette(0, 0, 1e300, 1e-300, 0, 1, 1, 1, x, y));   // overflow
}

}  // namespace
}  // namespace plottest
