// The Roman hour numerals against their design: the lines of each numeral, where its bars and
// I strokes stand, the point written back to the caller, a quarter turn, and the shared values
// the numeral leaves for the procedures after it.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "glyph_bench.h"
#include "glyphs/glyphs.h"
#include "numeric/palette.h"

namespace glyphtest {
namespace {

constexpr double d = 1.0 / 13, w = 1.0 / 12;
constexpr double s = 0.05;   // the design-time numeral height

struct NumeralDesign {
    int lines;
    double uL, uR, cu;               // bars and centre offset, units of s
    std::vector<double> verticals;   // u of the I edges, in drawing order
};

NumeralDesign design(int hour) {
    const double q = 0.25;
    switch (hour) {
        case 1: return {4, q, q + 3 * d, q + 1.5 * d, {q + d, q + 2 * d}};
        case 2: return {6, q, q + 6 * d, q + 3 * d, {q + d, q + 2 * d, q + 4 * d, q + 5 * d}};
        case 3:
            return {8, q, q + 9 * d, q + 4.5 * d,
                    {q + d, q + 2 * d, q + 4 * d, q + 5 * d, q + 7 * d, q + 8 * d}};
        case 4: return {8, -q - 3 * d, q + w, -d, {-q - w, -q - 2 * d}};
        case 5: return {6, -q - w, q + w, 0, {}};
        case 6: return {8, -q - w, q + 3 * w, w, {q + w, q + 2 * w}};
        case 7:
            return {10, -q - w, q + 5 * d + w, 2.5 * d, {q + w, q + 2 * w, q + 4 * d, q + 5 * d}};
        case 8:
            return {12, -q - w, q + 8 * d + w, 4 * d,
                    {q + w, q + 2 * w, q + 4 * d, q + 5 * d, q + 7 * d, q + 8 * d}};
        case 9: return {12, -q - 3 * d, q + d, -d, {-q - d, -q - 2 * d}};
        case 10: return {10, -q - d, q + d, 0, {}};
        case 11: return {12, -q - d, q + 3 * d, d, {q + d, q + 2 * d}};
        default: return {14, -q - d, q + 6 * d, 2.5 * d, {q + d, q + 2 * d, q + 4 * d, q + 5 * d}};
    }
}

// A line in cell units about a point (dial coordinates, y up).
struct CellLine {
    double u1, v1, u2, v2;
};

class RomanNumeralTest : public ::testing::Test {
protected:
    // Draws the numeral at (x0, y0); returns its lines in units of s about the point written
    // back, and leaves that point in x, y.
    std::vector<Stroke> draw(int hour, int quarter = 1) {
        x = x0;
        y = y0;
        glyphs::GlyphRomanNumeral(bench.ctx(), x, y, bench.m().Pi / 2, hour, quarter);
        return bench.take();
    }
    CellLine cell(const Stroke& l) const {
        return {(l.x1 - x) / s, (-l.y1 - y) / s, (l.x2 - x) / s, (-l.y2 - y) / s};
    }
    GlyphBench bench;
    const double x0 = 0.3, y0 = -0.2;
    double x = 0, y = 0;
};

TEST_F(RomanNumeralTest, UprightNumeralsFollowTheirDesign) {
    for (int hour = 1; hour <= 12; ++hour) {
        SCOPED_TRACE(hour);
        const NumeralDesign n = design(hour);
        const std::vector<Stroke> lines = draw(hour);
        ASSERT_EQ(kinds(lines), std::string(n.lines, 'L'));
        EXPECT_NEAR(x, x0 - s * n.cu, 1e-15);
        EXPECT_EQ(y, y0);
        for (const Stroke& l : lines) EXPECT_EQ(l.colour, numeric::qbColor(7));

        // The bars: first for I to III, last otherwise; top first, from uL to uR.
        const std::size_t bar = hour <= 3 ? 0 : lines.size() - 2;
        for (int k = 0; k < 2; ++k) {
            const CellLine b = cell(lines[bar + k]);
            const double v = k == 0 ? 0.5 : -0.5;
            EXPECT_NEAR(b.u1, n.uL, 1e-12);
            EXPECT_NEAR(b.u2, n.uR, 1e-12);
            EXPECT_NEAR(b.v1, v, 1e-12);
            EXPECT_NEAR(b.v2, v, 1e-12);
        }

        // The I edges: vertical, from the top row to the bottom row, at their stations.
        std::vector<double> verticals;
        for (const Stroke& l : lines) {
            const CellLine c = cell(l);
            if (std::fabs(c.u1 - c.u2) > 1e-12) continue;
            EXPECT_NEAR(c.v1, 0.5, 1e-12);
            EXPECT_NEAR(c.v2, -0.5, 1e-12);
            verticals.push_back(c.u1);
        }
        ASSERT_EQ(verticals.size(), n.verticals.size());
        for (std::size_t i = 0; i < verticals.size(); ++i)
            EXPECT_NEAR(verticals[i], n.verticals[i], 1e-12) << i;
    }
}

TEST_F(RomanNumeralTest, TheVAndTheXAreOutlinedBands) {
    const double k = std::sqrt(17.0) / 48, innerV = -0.5 + std::sqrt(17.0) / 12;
    const std::vector<CellLine> v = {{-0.25, 0.5, 0, -0.5},
                                     {0.25, 0.5, 0, -0.5},
                                     {-0.25 + k, 0.5, 0, innerV},
                                     {0, innerV, 0.25 - k, 0.5}};
    const std::vector<CellLine> xs = {
        {-0.25, 0.5, -1.0 / 24, 0}, {-1.0 / 24, 0, -0.25, -0.5}, {-1.0 / 6, 0.5, 0, 0.1},
        {0, 0.1, 1.0 / 6, 0.5},     {0, -0.1, 1.0 / 6, -0.5},    {0, -0.1, -1.0 / 6, -0.5},
        {0.25, 0.5, 1.0 / 24, 0},   {1.0 / 24, 0, 0.25, -0.5}};
    for (auto [hour, expected] : {std::pair{5, v}, std::pair{10, xs}}) {
        const std::vector<Stroke> lines = draw(hour);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const CellLine c = cell(lines[i]);
            EXPECT_NEAR(c.u1, expected[i].u1, 1e-12) << hour << " line " << i;
            EXPECT_NEAR(c.v1, expected[i].v1, 1e-12) << hour << " line " << i;
            EXPECT_NEAR(c.u2, expected[i].u2, 1e-12) << hour << " line " << i;
            EXPECT_NEAR(c.v2, expected[i].v2, 1e-12) << hour << " line " << i;
        }
    }
}

TEST_F(RomanNumeralTest, QuarterTurnRotatesTheNumeralAboutThePoint) {
    for (int hour = 1; hour <= 12; ++hour) {
        SCOPED_TRACE(hour);
        const std::vector<Stroke> upright = draw(hour);
        const std::vector<Stroke> turned = draw(hour, 2);
        EXPECT_NEAR(x, x0, 1e-10);
        EXPECT_NEAR(y, y0 - s * design(hour).cu, 1e-10);
        ASSERT_EQ(turned.size(), upright.size());
        for (std::size_t i = 0; i < turned.size(); ++i) {
            // Dial offsets from the point: (dx, dy) upright becomes (-dy, dx).
            const Stroke &t = turned[i], &u = upright[i];
            EXPECT_NEAR(t.x1 - x0, -(-u.y1 - y0), 1e-10);
            EXPECT_NEAR(-t.y1 - y0, u.x1 - x0, 1e-10);
            EXPECT_NEAR(t.x2 - x0, -(-u.y2 - y0), 1e-10);
            EXPECT_NEAR(-t.y2 - y0, u.x2 - x0, 1e-10);
        }
    }
}

TEST_F(RomanNumeralTest, LatitudeAndColourOptionsLeaveTheDrawingUnchanged) {
    const std::vector<Stroke> before = draw(8);
    bench.set("txtLAT", "-33");
    bench.ctx().Options.IXBackColor = numeric::rgb(255, 255, 255);
    bench.ctx().Options.IXMultiColor = false;
    const std::vector<Stroke> after = draw(8);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].x1, before[i].x1);
        EXPECT_EQ(after[i].y2, before[i].y2);
        EXPECT_EQ(after[i].colour, numeric::qbColor(7));
    }
}

TEST_F(RomanNumeralTest, SizeFromTheBoxAndSizesThatCannotBeDrawn) {
    bench.set("txtNumberSize", ".1");
    const std::vector<Stroke> big = draw(10);
    EXPECT_NEAR(big.back().y1, -(y0 - 0.05), 1e-15);   // bottom bar at half the size below

    // A negative size draws the numeral of its absolute value, upright: XI does not read IX.
    bench.set("txtNumberSize", "-.1");
    for (int hour : {4, 9, 10, 11}) {
        const std::vector<Stroke> negative = draw(hour);
        const double nx = x, ny = y;
        bench.set("txtNumberSize", ".1");
        const std::vector<Stroke> positive = draw(hour);
        bench.set("txtNumberSize", "-.1");
        EXPECT_EQ(nx, x);
        EXPECT_EQ(ny, y);
        ASSERT_EQ(negative.size(), positive.size()) << hour;
        for (std::size_t i = 0; i < negative.size(); ++i) {
            EXPECT_EQ(negative[i].x1, positive[i].x1) << hour;
            EXPECT_EQ(negative[i].y2, positive[i].y2) << hour;
        }
    }

    // A size too large for a number draws nothing and leaves the point as it was.
    bench.set("txtNumberSize", "1e999");
    EXPECT_TRUE(draw(7).empty());
    EXPECT_EQ(x, x0);
    EXPECT_EQ(y, y0);

    // Size 0: the lines collapse.
    bench.set("txtNumberSize", "0");
    const std::vector<Stroke> none = draw(6);
    EXPECT_EQ(none.size(), 8u);
    for (const Stroke& l : none) EXPECT_EQ(l.x1, x0);
}

}  // namespace
}  // namespace glyphtest
