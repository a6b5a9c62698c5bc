// The one way a straight line of a dial is laid across the plot area.

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "dials/plot_line.h"
#include "numeric/failure.h"
#include "numeric/round_budget.h"
#include "support/dial_fixture.h"

namespace {

using dialtest::kLineStep;
using geometry::DialLine;
using geometry::DialPoint;
using dials::PlotBox;
using dials::Spacing;

constexpr PlotBox kBox{-0.3, 0.5, -0.4, 0.2};

bool inside(const DialPoint& p) {
    return p.x >= kBox.left - 1e-12 && p.x <= kBox.right + 1e-12 && p.y >= kBox.bottom - 1e-12 &&
           p.y <= kBox.top + 1e-12;
}

TEST(PlotLine, EverySpacingLaysTheLineFromEdgeToEdgeOnItself) {
    // Steep, shallow, axis-parallel and far-off lines, each crossing the box.
    const DialLine lines[] = {{{0, 0}, {0.01, 1}},   {{0.1, -0.1}, {1, 0.02}}, {{0.2, 0}, {0, -3}},
                              {{-40, -0.1}, {1, 0}}, {{0, 0.1}, {-2, 1}},      {{5, 5}, {1, 1}}};
    for (const DialLine& line : lines) {
        const double dx = line.direction.x, dy = line.direction.y;
        for (Spacing spacing : {Spacing::OnGrid, Spacing::FromEntry, Spacing::AlongLine}) {
            const DialLine given =
                spacing == Spacing::AlongLine
                    ? DialLine{line.base, {dx / std::hypot(dx, dy), dy / std::hypot(dx, dy)}}
                    : line;
            const auto points = dials::pointsAcrossBox(given, kBox, kLineStep, spacing);
            ASSERT_GT(points.size(), 50u);
            double longest = 0;
            for (std::size_t i = 0; i < points.size(); ++i) {
                const DialPoint& p = points[i];
                EXPECT_TRUE(inside(p));
                // On the line: the offset from its base is parallel to its direction.
                EXPECT_NEAR((p.x - line.base.x) * dy - (p.y - line.base.y) * dx, 0, 1e-12);
                if (i > 0)
                    longest = std::fmax(longest, std::hypot(p.x - points[i - 1].x,
                                                            p.y - points[i - 1].y));
            }
            // No gap wider than a step along the line (the grid and the entry count on the
            // axis the line runs most along: at most a step times sqrt 2 along it).
            EXPECT_LE(longest, kLineStep * std::sqrt(2.0) + 1e-12);
            // From edge to edge: the first and last points lie within a step of the box's edges.
            const DialPoint& a = points.front();
            const DialPoint& b = points.back();
            auto nearEdge = [](const DialPoint& p) {
                return std::fmin(std::fmin(p.x - kBox.left, kBox.right - p.x),
                                 std::fmin(p.y - kBox.bottom, kBox.top - p.y)) <=
                       kLineStep * std::sqrt(2.0);
            };
            EXPECT_TRUE(nearEdge(a) && nearEdge(b));
        }
    }
}

TEST(PlotLine, TheGridIsTheSameForEveryLine) {
    // Lines drawn together put their points on the whole multiples of the step.
    for (const DialPoint& p :
         dials::pointsAcrossBox({{0.0123, 0.0456}, {1, 0.3}}, kBox, kLineStep, Spacing::OnGrid))
        EXPECT_NEAR(std::remainder(p.x, kLineStep), 0, 1e-12);
}

TEST(PlotLine, ALineMissingTheBoxOrWithoutDirectionHasNoPoints) {
    for (Spacing spacing : {Spacing::OnGrid, Spacing::FromEntry, Spacing::AlongLine}) {
        EXPECT_TRUE(dials::pointsAcrossBox({{0, 1}, {1, 0}}, kBox, 0.002, spacing).empty());
        EXPECT_TRUE(dials::pointsAcrossBox({{0, 0}, {0, 0}}, kBox, 0.002, spacing).empty());
    }
    EXPECT_FALSE(dials::segmentAcrossBox({0, 0, 1}, kBox));
}

TEST(PlotLine, ALineOnAnEdgeOfTheBoxIsLaidWhole) {
    // The box keeps its edges: a point on one lies in it, a line or a segment lying on one is
    // laid from corner to corner, and a line touching the box at a corner only has that point.
    const DialLine edges[] = {{{0, kBox.top}, {1, 0}}, {{0, kBox.bottom}, {-1, 0}},
                              {{kBox.left, 0}, {0, 1}}, {{kBox.right, 0}, {0, -1}}};
    for (const DialLine& edge : edges) {
        EXPECT_TRUE(dials::inPlotBox(kBox, edge.base));
        const auto points = dials::pointsAcrossBox(edge, kBox, 0.002, Spacing::FromEntry);
        EXPECT_GE(points.size(), 300u);
        const DialPoint b = edge.base, d = edge.direction;
        const auto part =
            dials::partInBox({b.x - 9 * d.x, b.y - 9 * d.y}, {b.x + 9 * d.x, b.y + 9 * d.y}, kBox);
        ASSERT_TRUE(part);
        const double side = edge.direction.x != 0 ? kBox.right - kBox.left : kBox.top - kBox.bottom;
        EXPECT_NEAR(std::hypot(part->second.x - part->first.x, part->second.y - part->first.y),
                    side, 1e-12);
    }
    const DialLine corner{{kBox.left, kBox.top}, {1, 1}};
    EXPECT_EQ(dials::pointsAcrossBox(corner, kBox, 0.002, Spacing::FromEntry).size(), 1u);
}

TEST(PlotLine, ASegmentAcrossTheBoxReachesPastEveryEdge) {
    // The plot clips it to the box.
    const auto ends = dials::segmentAcrossBox({1, -1, 0.05}, kBox);
    ASSERT_TRUE(ends);
    EXPECT_GT(ends->first.y, kBox.top);
    EXPECT_LT(ends->second.y, kBox.bottom);
}

TEST(PlotLine, ASegmentIsCutToTheSidesOfLinesAndToTheBox) {
    // x < 0.1 and y < 0.1; a segment along a line lies on its side only where the lines are kept,
    // as the edges of the box are.
    const geometry::LineEquation sides[] = {{1, 0, 0.1}, {0, 1, 0.1}};
    struct Row {
        DialPoint from, to;
        bool linesKept;
        std::optional<std::pair<DialPoint, DialPoint>> part;
    };
    const Row rows[] = {
        {{-1, 0}, {1, 0}, false, std::pair{DialPoint{-1, 0}, DialPoint{0.1, 0}}},
        {{1, 0}, {-1, 0}, false, std::pair{DialPoint{0.1, 0}, DialPoint{-1, 0}}},
        {{0.5, 0}, {0.5, 1}, true, std::nullopt},
        {{0.1, -1}, {0.1, 0}, false, std::nullopt},
        {{0.1, -1}, {0.1, 0}, true, std::pair{DialPoint{0.1, -1}, DialPoint{0.1, 0}}},
        {{0.1, 0.1}, {1, 1}, true, std::nullopt},  // a point is no part
        {{0, 0}, {INFINITY, 0}, true, std::nullopt},
    };
    for (const Row& r : rows) {
        const auto part = dials::segmentPart(r.from, r.to, sides, r.linesKept);
        ASSERT_EQ(part.has_value(), r.part.has_value()) << r.from.x << " " << r.to.x;
        if (!part) continue;
        EXPECT_NEAR(part->first.x, r.part->first.x, 1e-15);
        EXPECT_NEAR(part->first.y, r.part->first.y, 1e-15);
        EXPECT_NEAR(part->second.x, r.part->second.x, 1e-15);
        EXPECT_NEAR(part->second.y, r.part->second.y, 1e-15);
    }
    // The box keeps its edges: a segment along the top edge lies in it, one beyond it does not.
    EXPECT_TRUE(dials::partInBox({-1, kBox.top}, {1, kBox.top}, kBox));
    EXPECT_FALSE(dials::partInBox({-1, kBox.top + 1e-9}, {1, kBox.top + 1e-9}, kBox));
}

TEST(PlotLine, ItsPointsArePaidFromTheRunsBudget) {
    const DialLine across{{0, 0.1}, {1, 0}};
    {   // a round a point: the line's 401 points take 401 rounds, and 400 do not lay them
        numeric::RoundBudget budget(401);
        EXPECT_EQ(dials::pointsAcrossBox(across, kBox, kLineStep, Spacing::OnGrid).size(), 401u);
        EXPECT_FALSE(budget.refused());
    }
    numeric::RoundBudget budget(400);
    try {
        dials::pointsAcrossBox(across, kBox, kLineStep, Spacing::OnGrid);
        ADD_FAILURE() << "a line the budget cannot pay was laid";
    } catch (const numeric::NumericFailure& failure) {
        EXPECT_EQ(failure.kind(), numeric::FailureKind::TooManyRounds);
    }
    EXPECT_TRUE(budget.refused());
}

}  // namespace
