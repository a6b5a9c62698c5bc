// The twelve signs against their designs: the strokes each sends, where its outline closes, that
// it stays in its box, and that a turn is a rotation about the dial point.

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "glyph_bench.h"
#include "glyphs/glyphs.h"
#include "numeric/palette.h"

namespace glyphtest {
namespace {

using GlyphFn = void (*)(shell::Context&, double, double, double, double);

// Two ends that meet: stroke i's end ei and stroke j's end ej (strokes numbered from 1; end 0 is
// a line's first point or an arc's start).
struct Joint {
    int i, ei, j, ej;
    double tol;   // grid units
};

// A line end that lies on the circle of an arc.
struct OnArc {
    int line, end, arc;
};

struct Box {
    double pMin, pMax, qMin, qMax;
};

struct SignCase {
    const char* name;
    GlyphFn fn;
    std::string kinds;
    Box box;
    std::vector<Joint> joints;
    std::vector<OnArc> onArcs;
};

void PrintTo(const SignCase& c, std::ostream* out) { *out << c.name; }

std::string rep(char c, int n) { return std::string(n, c); }

// The square one zodiac size wide; Cancer, Gemini and Scorpio reach a little beyond it.
const Box kSquare{-28, 28, -28, 28};

std::vector<SignCase> signCases() {
    return {
        {"Aries", glyphs::GlyphAries, "CCCC", kSquare,
         {{1, 0, 3, 0, 1e-5}, {1, 1, 2, 0, 1e-7}, {2, 1, 4, 1, 1e-5}, {3, 1, 4, 0, 1e-5}}, {}},
        {"Libra", glyphs::GlyphLibra, "CC" + rep('L', 12), kSquare,
         {{1, 0, 4, 1, 1e-6}, {1, 1, 3, 1, 1e-6}, {2, 0, 8, 0, 1e-7}, {2, 1, 7, 0, 1e-7},
          {3, 0, 11, 0, 1e-7}, {5, 0, 11, 1, 1e-7}, {9, 0, 13, 0, 1e-7}, {10, 1, 14, 1, 1e-7}},
         {}},
        {"Capricorn", glyphs::GlyphCapricorn, rep('C', 12) + "LPLCLP", kSquare,
         {{15, 1, 13, 1, 1e-7}, {13, 0, 12, 0, 2e-5}, {12, 1, 9, 1, 2e-5}, {9, 0, 6, 1, 1e-7},
          {6, 0, 4, 1, 1e-7}, {4, 0, 2, 1, 1e-7}, {2, 0, 10, 0, 2e-5}, {10, 1, 8, 1, 2e-5},
          {8, 0, 1, 1, 2e-5}, {1, 0, 16, 0, 2e-5}, {16, 1, 17, 1, 2e-5}, {17, 0, 15, 0, 1e-7},
          {3, 1, 5, 0, 1e-7}, {5, 1, 7, 0, 1e-7}, {7, 1, 11, 0, 1e-7}, {11, 1, 3, 0, 2e-5},
          {14, 0, 13, 0, 1e-7}, {18, 0, 15, 0, 1e-7}},
         {}},
        {"Cancer", glyphs::GlyphCancer, rep('C', 10), {-33.4, 33.4, -28, 28},
         {{4, 0, 7, 0, 1e-5}, {3, 0, 8, 0, 1e-5}, {4, 1, 9, 0, 1e-5}, {3, 1, 10, 0, 1e-5},
          {9, 1, 1, 1, 1e-5}, {10, 1, 2, 1, 1e-5}},
         {}},
        {"Gemini", glyphs::GlyphGemini, "CCCC" + rep('L', 8), {-28.05, 28.05, -28, 28},
         {{1, 0, 9, 0, 1e-5}, {1, 1, 10, 0, 1e-5}, {4, 0, 12, 0, 1e-5}, {4, 1, 11, 0, 1e-5}},
         {{5, 0, 2}, {5, 1, 3}, {6, 0, 2}, {6, 1, 3}, {7, 0, 2}, {7, 1, 3}, {8, 0, 2}, {8, 1, 3},
          {9, 1, 2}, {12, 1, 3}}},
        {"Taurus", glyphs::GlyphTaurus, "CCCCC", kSquare,
         {{1, 0, 3, 1, 2e-5}, {1, 1, 4, 0, 2e-5}, {3, 0, 5, 0, 2e-5}, {4, 1, 5, 1, 2e-5}}, {}},
        {"Pisces", glyphs::GlyphPisces, "CCCCC", kSquare,
         {{1, 0, 4, 0, 1e-5}, {1, 1, 4, 1, 1e-5}, {2, 0, 3, 0, 1e-5}, {2, 1, 3, 1, 1e-5}}, {}},
        {"Aquarius", glyphs::GlyphAquarius, rep('C', 12) + "LLLL", kSquare,
         {{1, 1, 5, 1, 2e-5}, {5, 0, 3, 0, 2e-5}, {2, 1, 6, 1, 2e-5}, {6, 0, 4, 0, 2e-5},
          {7, 1, 11, 1, 2e-5}, {11, 0, 9, 0, 2e-5}, {8, 1, 12, 1, 2e-5}, {12, 0, 10, 0, 2e-5},
          {1, 0, 13, 1, 2e-5}, {2, 0, 13, 0, 2e-5}, {3, 1, 15, 1, 2e-5}, {4, 1, 15, 0, 2e-5},
          {7, 0, 14, 1, 2e-5}, {8, 0, 14, 0, 2e-5}, {9, 1, 16, 1, 2e-5}, {10, 1, 16, 0, 2e-5}},
         {}},
        {"Sagittarius", glyphs::GlyphSagittarius, rep('L', 12), kSquare,
         {{1, 1, 3, 1, 1e-7}, {2, 1, 4, 1, 1e-7}, {3, 0, 5, 0, 1e-7}, {5, 1, 6, 1, 1e-7},
          {7, 1, 8, 1, 1e-7}, {9, 1, 1, 0, 1e-7}, {10, 1, 2, 0, 1e-7}, {11, 1, 9, 0, 1e-7},
          {12, 0, 8, 0, 1e-7}},
         {}},
        {"Leo", glyphs::GlyphLeo, rep('C', 8), kSquare,
         {{1, 0, 7, 0, 1e-6}, {3, 0, 2, 0, 1e-6}, {1, 1, 3, 1, 1e-6}, {5, 0, 2, 1, 1e-5},
          {8, 0, 7, 1, 1e-6}, {5, 1, 6, 1, 1e-6}, {6, 0, 8, 1, 1e-6}},
         {}},
        {"Scorpio", glyphs::GlyphScorpio, rep('C', 6) + rep('L', 9) + "CC" + rep('L', 5),
         {-28, 32, -28, 28},
         {{1, 1, 4, 1, 1e-7}, {1, 0, 13, 0, 1e-7}, {4, 0, 7, 0, 1e-7}, {2, 0, 14, 0, 1e-7},
          {5, 0, 9, 0, 1e-7}, {3, 0, 15, 0, 1e-7}, {6, 0, 11, 0, 1e-7}, {16, 0, 11, 1, 1e-7},
          {16, 1, 18, 1, 1e-7}, {17, 0, 15, 1, 1e-7}, {17, 1, 12, 1, 1e-7},
          {19, 1, 20, 1, 1e-7}, {21, 1, 12, 0, 1e-7}, {22, 1, 18, 0, 1e-7},
          {19, 0, 21, 0, 1e-7}, {20, 0, 22, 0, 1e-7}, {8, 0, 13, 1, 1e-7}, {8, 1, 7, 1, 1e-7}},
         {}},
        {"Virgo", glyphs::GlyphVirgo, rep('C', 8) + rep('L', 11) + "CCCC", kSquare,
         {{20, 1, 8, 0, 1e-6}, {21, 1, 4, 0, 1e-6}, {20, 0, 23, 0, 1e-6}, {21, 0, 22, 0, 1e-6},
          {22, 1, 23, 1, 1e-6}, {15, 1, 13, 1, 1e-7}, {19, 1, 15, 0, 1e-7}},
         {{14, 1, 23}, {13, 0, 22}, {18, 1, 20}, {19, 0, 21}}},
    };
}

constexpr double kSize = 0.056;   // one grid unit = 1 mm
constexpr double kUnit = kSize / 56;

// Grid coordinates of a plot point for a sign drawn at dial point (x, y) turned by angleDeg.
PlotXY toGrid(PlotXY at, double x, double y, double angleDeg) {
    const double a = angleDeg * M_PI / 180;
    const double dx = at.x - x, dy = at.y + y;
    return {(dx * std::sin(a) + dy * std::cos(a)) / kUnit,
            (-dx * std::cos(a) + dy * std::sin(a)) / kUnit};
}

class SignTest : public ::testing::TestWithParam<SignCase> {
protected:
    std::vector<Stroke> draw(double x, double y, double angleDeg) {
        bench.set("TxtZodiacSize", ".056");
        GetParam().fn(bench.ctx(), x, y, angleDeg, 0.1);
        return bench.take();
    }
    GlyphBench bench;
};

TEST_P(SignTest, SendsItsStrokesInOrderInPaletteColours) {
    const std::vector<Stroke> strokes = draw(0, 0, 90);
    EXPECT_EQ(kinds(strokes), GetParam().kinds);
    for (const Stroke& s : strokes) {
        bool palette = false;
        for (int i = 0; i < 16; ++i) palette = palette || s.colour == numeric::qbColor(i);
        EXPECT_TRUE(palette) << s.colour;
        if (s.kind == 'C') {
            EXPECT_EQ(s.fill, -1);
            EXPECT_EQ(s.aspect, 1);
        }
    }
}

TEST_P(SignTest, OutlineClosesWhereTheDesignSays) {
    const std::vector<Stroke> strokes = draw(0.1, -0.2, 90);
    ASSERT_EQ(strokes.size(), GetParam().kinds.size());
    for (const Joint& j : GetParam().joints) {
        const double gap = distance(endOf(strokes[j.i - 1], j.ei), endOf(strokes[j.j - 1], j.ej));
        EXPECT_LE(gap / kUnit, j.tol) << "rows " << j.i << " and " << j.j;
    }
    for (const OnArc& o : GetParam().onArcs) {
        const Stroke& arc = strokes[o.arc - 1];
        const double d = distance(endOf(strokes[o.line - 1], o.end), {arc.x1, arc.y1});
        EXPECT_NEAR(d / kUnit, arc.radius / kUnit, 1e-5) << "row " << o.line << " on " << o.arc;
    }
}

TEST_P(SignTest, EveryStrokeStaysInsideTheSignsBox) {
    const Box& box = GetParam().box;
    for (double angle : {90.0, 37.0, 151.0}) {
        for (const Stroke& s : draw(0.1, -0.2, angle)) {
            for (const PlotXY& at : samples(s)) {
                const PlotXY g = toGrid(at, 0.1, -0.2, angle);
                EXPECT_GE(g.x, box.pMin - 1e-6) << angle;
                EXPECT_LE(g.x, box.pMax + 1e-6) << angle;
                EXPECT_GE(g.y, box.qMin - 1e-6) << angle;
                EXPECT_LE(g.y, box.qMax + 1e-6) << angle;
            }
        }
    }
}

// Any turn is the upright sign rotated about the dial point, counterclockwise on the screen by
// (angle - 90) degrees, with every arc angle in [0, 2*Pi] and no arc turned into a whole circle.
TEST_P(SignTest, TurnIsARotationAboutTheDialPoint) {
    const double pi = bench.m().Pi;
    const std::vector<Stroke> upright = draw(0.1, -0.2, 90);
    for (double angle = 1; angle < 180; angle += 7) {
        const std::vector<Stroke> turned = draw(0.1, -0.2, angle);
        ASSERT_EQ(kinds(turned), kinds(upright));
        for (std::size_t i = 0; i < turned.size(); ++i) {
            const Stroke &t = turned[i], &u = upright[i];
            for (int end : {0, 1}) {
                if (t.kind == 'C' && (end == 1 || t.wholeCircle())) continue;
                const PlotXY gt = toGrid(t.kind == 'C' ? PlotXY{t.x1, t.y1} : endOf(t, end), 0.1,
                                         -0.2, angle);
                const PlotXY gu = toGrid(u.kind == 'C' ? PlotXY{u.x1, u.y1} : endOf(u, end), 0.1,
                                         -0.2, 90);
                EXPECT_NEAR(gt.x, gu.x, 1e-6) << angle << " row " << i + 1;
                EXPECT_NEAR(gt.y, gu.y, 1e-6) << angle << " row " << i + 1;
            }
            if (t.kind != 'C') continue;
            EXPECT_DOUBLE_EQ(t.radius, u.radius);
            EXPECT_EQ(t.wholeCircle(), u.wholeCircle()) << angle << " row " << i + 1;
            if (u.wholeCircle()) continue;
            const double shift = (angle - 90) * pi / 180;
            for (double v : {t.start, t.end}) {
                EXPECT_GE(v, 0) << angle << " row " << i + 1;
                EXPECT_LE(v, pi + pi) << angle << " row " << i + 1;
            }
            EXPECT_NEAR(std::remainder(t.start - u.start - shift, pi + pi), 0, 1e-9);
            EXPECT_NEAR(std::remainder(t.end - u.end - shift, pi + pi), 0, 1e-9);
        }
    }
}

TEST_P(SignTest, SizeZeroCollapsesEveryStrokeOntoTheDialPoint) {
    bench.set("TxtZodiacSize", "");
    GetParam().fn(bench.ctx(), 0.1, -0.2, 90, 0.1);
    const std::vector<Stroke> strokes = bench.take();
    ASSERT_EQ(kinds(strokes), GetParam().kinds);
    for (const Stroke& s : strokes) {
        EXPECT_EQ(s.x1, 0.1);
        EXPECT_EQ(s.y1, 0.2);
        if (s.kind == 'L') {
            EXPECT_EQ(endOf(s, 1).x, 0.1);
        }
        EXPECT_EQ(s.radius, 0);
    }
}

// A negative size draws the sign of its absolute value: upright, its arcs of a real radius.
TEST_P(SignTest, NegativeSizeDrawsTheSignOfItsAbsoluteValue) {
    const std::vector<Stroke> positive = draw(0.1, -0.2, 60);
    bench.set("TxtZodiacSize", "-.056");
    GetParam().fn(bench.ctx(), 0.1, -0.2, 60, 0.1);
    const std::vector<Stroke> negative = bench.take();
    ASSERT_EQ(kinds(negative), kinds(positive));
    for (std::size_t i = 0; i < negative.size(); ++i) {
        for (int end : {0, 1}) {
            EXPECT_EQ(endOf(negative[i], end).x, endOf(positive[i], end).x) << i;
            EXPECT_EQ(endOf(negative[i], end).y, endOf(positive[i], end).y) << i;
        }
        EXPECT_EQ(negative[i].radius, positive[i].radius) << i;
        EXPECT_GE(negative[i].radius, 0) << i;
    }
}

// A size that overflows the plot's numbers ends the sign; nothing that is not a finite number
// reaches the plot surface, and the caller goes on.
TEST_P(SignTest, ExtremeSizeEndsTheSignWithoutANonFiniteStroke) {
    bench.set("TxtZodiacSize", "1e308");
    GetParam().fn(bench.ctx(), 0.1, -0.2, 60, 0.1);
    for (const Stroke& s : bench.take())
        for (double v : {s.x1, s.y1, s.x2, s.y2, s.radius, s.start, s.end})
            EXPECT_TRUE(std::isfinite(v));
}

INSTANTIATE_TEST_SUITE_P(Signs, SignTest, ::testing::ValuesIn(signCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace glyphtest
