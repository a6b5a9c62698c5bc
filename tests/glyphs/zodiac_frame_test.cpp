// The frame shared by the signs: the worked calls of the sign designs (placement, radius, arc
// angles and their normalisation), the fixed colours and the Leo construction's shared values.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "glyph_bench.h"
#include "glyphs/glyphs.h"
#include "glyphs/zodiac_frame.h"
#include "numeric/palette.h"

namespace glyphtest {
namespace {

double deg(GlyphBench& b, double radians) { return radians * 180 / b.m().Pi; }

class ZodiacFrameTest : public ::testing::Test {
protected:
    std::vector<Stroke> draw(void (*fn)(shell::Context&, double, double, double, double),
                             double x, double y, double angleDeg, const char* size = ".056") {
        bench.set("TxtZodiacSize", size);
        fn(bench.ctx(), x, y, angleDeg, 0.1);
        return bench.take();
    }
    GlyphBench bench;
};

TEST_F(ZodiacFrameTest, UprightAriesFirstArc) {
    const Stroke s = draw(glyphs::GlyphAries, 0, 0, 90).at(0);
    EXPECT_NEAR(s.x1, 0.07, 1e-10);
    EXPECT_NEAR(s.y1, 0.028, 1e-10);
    EXPECT_NEAR(s.radius, 0.07, 1e-10);
    EXPECT_EQ(s.colour, numeric::qbColor(12));
    EXPECT_NEAR(s.start, 2.2142974359, 1e-10);
    EXPECT_EQ(s.end, bench.m().Pi);
}

TEST_F(ZodiacFrameTest, TurnedAriesFirstArc) {
    const Stroke s = draw(glyphs::GlyphAries, 0.1, -0.2, 120).at(0);
    EXPECT_NEAR(s.x1, 0.1746218, 1e-7);
    EXPECT_NEAR(s.y1, 0.1892487, 1e-7);
    EXPECT_NEAR(deg(bench, s.start), 156.869897646, 1e-8);
    EXPECT_NEAR(deg(bench, s.end), 210, 1e-8);
}

TEST_F(ZodiacFrameTest, NormalisationRaisesNegativeAnglesOnce) {
    const Stroke aries2 = draw(glyphs::GlyphAries, 0, 0, 0).at(1);
    EXPECT_NEAR(deg(bench, aries2.start), 270, 1e-8);
    EXPECT_NEAR(deg(bench, aries2.end), 323.130102354, 1e-8);
    // Start above end: the hump of Libra runs through 0 and 90 degrees.
    const Stroke libra1 = draw(glyphs::GlyphLibra, 0, 0, 90).at(0);
    EXPECT_NEAR(deg(bench, libra1.start), 351.7867893, 1e-8);
    EXPECT_NEAR(deg(bench, libra1.end), 188.2132107, 1e-8);
    // Aquarius at 150: a trough's end comes down below its start.
    const Stroke trough = draw(glyphs::GlyphAquarius, 0, 0, 150).at(0);
    EXPECT_NEAR(deg(bench, trough.start), 294.36222223, 1e-7);
    EXPECT_NEAR(deg(bench, trough.end), 5.63777777, 1e-7);
}

// Exactly 0 and exactly 2*Pi are kept: an end of 0 would be drawn as a whole circle.
TEST_F(ZodiacFrameTest, ExactZeroAndTwoPiAreKept) {
    const double twoPi = bench.m().Pi + bench.m().Pi;
    EXPECT_EQ(draw(glyphs::GlyphAries, 0, 0, 90).at(1).start, 0);
    const std::vector<Stroke> capricorn = draw(glyphs::GlyphCapricorn, 0, 0, 90);
    EXPECT_EQ(capricorn.at(3).end, twoPi);
    EXPECT_EQ(capricorn.at(4).end, twoPi);
    EXPECT_EQ(capricorn.at(5).start, 0);
    const std::vector<Stroke> cancer = draw(glyphs::GlyphCancer, 0, 0, 135);
    EXPECT_EQ(cancer.at(1).start, 0);
    EXPECT_EQ(cancer.at(7).end, twoPi);
    const std::vector<Stroke> scorpio = draw(glyphs::GlyphScorpio, 0, 0, 90);
    EXPECT_EQ(scorpio.at(15).end, twoPi);
    EXPECT_EQ(scorpio.at(16).end, twoPi);

    double start = twoPi, end = 0;
    glyphs::normaliseArc(bench.m().Pi, start, end);
    EXPECT_EQ(start, twoPi);
    EXPECT_EQ(end, 0);
    start = -0.5;
    end = twoPi + 0.5;
    glyphs::normaliseArc(bench.m().Pi, start, end);
    EXPECT_NEAR(start, twoPi - 0.5, 1e-15);
    EXPECT_NEAR(end, 0.5, 1e-15);
}

TEST_F(ZodiacFrameTest, WorkedCallsOfTheOtherSigns) {
    const std::vector<Stroke> capricorn = draw(glyphs::GlyphCapricorn, 0, 0, 90);
    EXPECT_NEAR(capricorn.front().x1, 0.028, 1e-10);
    EXPECT_NEAR(capricorn.front().y1, 0.005, 1e-10);
    EXPECT_NEAR(capricorn.front().radius, 0.036, 1e-10);
    EXPECT_NEAR(deg(bench, capricorn.front().start), 129.64505, 1e-8);
    EXPECT_NEAR(deg(bench, capricorn.front().end), 175.566805, 1e-8);
    EXPECT_NEAR(capricorn.back().x1, -0.021, 1e-10);
    EXPECT_NEAR(capricorn.back().y1, -0.024, 1e-10);

    const std::vector<Stroke> aquarius = draw(glyphs::GlyphAquarius, 0, 0, 90);
    EXPECT_NEAR(aquarius[0].x1, -0.01866666, 1e-10);
    EXPECT_NEAR(aquarius[0].y1, -0.0160185185, 1e-10);
    EXPECT_NEAR(aquarius[0].start, 4.0903924207, 1e-10);
    EXPECT_NEAR(aquarius[0].end, 5.3343855413, 1e-10);

    // Size 56: one grid unit is one metre. Cancer's grid is turned 45 degrees.
    const std::vector<Stroke> cancer = draw(glyphs::GlyphCancer, 0, 0, 90, "56");
    EXPECT_NEAR(cancer[4].x1, -19.79899, 1e-5);
    EXPECT_NEAR(cancer[4].y1, 0, 1e-8);
    EXPECT_TRUE(cancer[4].wholeCircle());
    EXPECT_NEAR(cancer[5].x1, 19.79899, 1e-5);
    EXPECT_NEAR(cancer[0].x1, -20.85965, 1e-5);
    EXPECT_NEAR(cancer[0].y1, -1.06066, 1e-5);
    EXPECT_NEAR(deg(bench, cancer[0].start), 135, 1e-8);
    EXPECT_NEAR(deg(bench, cancer[0].end), 91.481496, 1e-8);
    EXPECT_NEAR(deg(bench, cancer[1].start), 315, 1e-8);

    const std::vector<Stroke> gemini = draw(glyphs::GlyphGemini, 0, 0, 90, "56");
    EXPECT_NEAR(deg(bench, gemini[0].start), 238.1092082, 1e-8);
    EXPECT_NEAR(gemini[4].y1, -17.048452, 1e-6);
    EXPECT_NEAR(gemini[5].y2, 17.436980, 1e-6);

    // Sagittarius at 0: the tip lies straight below the dial point on the screen.
    const std::vector<Stroke> arrow = draw(glyphs::GlyphSagittarius, 0.1, -0.2, 0);
    EXPECT_NEAR(arrow[4].x2, 0.1, 1e-10);
    EXPECT_NEAR(arrow[4].y2, 0.2 + 0.028, 1e-10);
}

TEST_F(ZodiacFrameTest, LeoConstruction) {
    const std::vector<Stroke> leo = draw(glyphs::GlyphLeo, 0, 0, 90);
    ASSERT_EQ(leo.size(), 8u);
    EXPECT_NEAR(leo[0].x1, 0.028, 1e-10);
    EXPECT_NEAR(leo[0].y1, 0.0120464107, 1e-10);
    EXPECT_NEAR(leo[0].radius, 0.0159535893, 1e-10);
    EXPECT_NEAR(leo[0].start, 2.3348860019, 1e-9);
    EXPECT_NEAR(leo[0].end, 4.7123889810, 1e-9);
    EXPECT_EQ(leo[0].colour, numeric::qbColor(12));
    EXPECT_TRUE(leo[3].wholeCircle());
    EXPECT_NEAR(leo[3].x1, -0.017, 1e-10);
    EXPECT_NEAR(leo[3].radius, 0.008, 1e-10);
    EXPECT_EQ(leo[3].colour, numeric::qbColor(2));
    EXPECT_NEAR(leo[5].start, 1.2377367340, 1e-9);
    EXPECT_NEAR(leo[5].end, 0.4114066616, 1e-9);
    const double expected[8][2] = {{133.779114, 270},        {317.611887, 157.21863},
                                   {137.611887, 270},        {0, 0},
                                   {157.218634, 203.571865}, {70.917091, 23.571865},
                                   {313.779114, 157.218634}, {157.218634, 188.966844}};
    for (int i = 0; i < 8; ++i) {
        if (i == 3) continue;
        EXPECT_NEAR(deg(bench, leo[i].start), expected[i][0], 1e-6) << "row " << i + 1;
        EXPECT_NEAR(deg(bench, leo[i].end), expected[i][1], 1e-6) << "row " << i + 1;
    }

    // At 10 degrees row 6's angles are both raised once and still cover the same part of the
    // loop.
    const Stroke loop = draw(glyphs::GlyphLeo, 0, 0, 10).at(5);
    EXPECT_NEAR(deg(bench, loop.start), 350.917091, 1e-6);
    EXPECT_NEAR(deg(bench, loop.end), 303.571865371, 1e-6);
}

// The signs keep their palette colours whatever the options: white strokes stay white on white.
TEST_F(ZodiacFrameTest, ColoursIgnoreTheOptions) {
    const std::vector<Stroke> before = draw(glyphs::GlyphCapricorn, 0, 0, 90);
    bench.ctx().Options.IXBackColor = numeric::rgb(255, 255, 255);
    bench.ctx().Options.IXMultiColor = false;
    const std::vector<Stroke> after = draw(glyphs::GlyphCapricorn, 0, 0, 90);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i].colour, before[i].colour);
    EXPECT_EQ(after[9].colour, numeric::qbColor(15));
}

}  // namespace
}  // namespace glyphtest
