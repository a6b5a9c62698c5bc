// Scorpio and Virgo are both built on the letter "m": a row of arches, each coming down as a
// straight leg six units wide, closed at the bottom by a short bar. Scorpio has three arches;
// its third leg turns in a U and rises as a shaft with an arrow head. Virgo has four; its fourth
// arch sweeps down as a tail across the third leg, which is drawn only outside the tail.

#include "glyphs/glyphs.h"
#include "glyphs/zodiac_frame.h"

namespace glyphs {

namespace {

// An edge of arch k (from 1), its outer one of radius 7 or its inner one of radius 4: the half
// circle towards -q rising from the arch's left foot, at p = -28 for the first arch.
void archEdge(ZodiacFrame& f, int k, double radius, int colour) {
    f.arc(-28 + radius + 14.0 * (k - 1), -21, radius, f.angle(0), f.angle(2), colour);
}

// Leg k (from 1): its left and right edges from the arch down to q = 18, and its bottom bar.
void legLeft(ZodiacFrame& f, int k, int colour) {
    const double p = -20 + 14.0 * (k - 1);
    f.line(p, -21, p, 18, colour);
}
void legRight(ZodiacFrame& f, int k, int colour) {
    const double p = -14 + 14.0 * (k - 1);
    f.line(p, -21, p, 18, colour);
}
void legBar(ZodiacFrame& f, int k, int colour) {
    const double p = -14 + 14.0 * (k - 1);
    f.line(p, 18, p - 6, 18, colour);
}

void scorpioStrokes(ZodiacFrame& f) {
    for (int k = 1; k <= 3; ++k) archEdge(f, k, 7, kLightRed);
    for (int k = 1; k <= 3; ++k) archEdge(f, k, 4, kLightRed);
    legLeft(f, 1, kLightRed);
    legBar(f, 1, kLightRed);
    legLeft(f, 2, kLightRed);
    legBar(f, 2, kLightRed);
    legLeft(f, 3, kLightRed);
    f.line(22, 0, 22, 18, kBrown);             // shaft, inner edge
    for (int k = 1; k <= 3; ++k) legRight(f, k, kLightRed);
    // The U joining the third leg to the shaft: half circles towards +q.
    f.arc(18, 18, 10, f.angle(2), f.angle(4), kCyan);
    f.arc(18, 18, 4, f.angle(2), f.angle(4), kCyan);
    f.line(28, 0, 28, 18, kLightRed);               // shaft, outer edge
    // The arrow head: flanks to the apex, shoulders back to the shaft.
    f.line(18, 0, 25, -7, kLightRed);
    f.line(32, 0, 25, -7, kLightRed);
    f.line(18, 0, 22, 0, kLightRed);
    f.line(32, 0, 28, 0, kLightRed);
}

void virgoStrokes(ZodiacFrame& f) {
    for (int k = 1; k <= 4; ++k) archEdge(f, k, 7, kLightBlue);
    for (int k = 1; k <= 4; ++k) archEdge(f, k, 4, kLightBlue);
    legLeft(f, 1, kLightBlue);
    legBar(f, 1, kLightBlue);
    legLeft(f, 2, kLightBlue);
    legBar(f, 2, kLightBlue);
    // Leg 3's left edge below and above the tail, and its bar.
    f.line(8, 16.45105673, 8, 18, kLightCyan);
    f.line(8, -21, 8, 10.92651036, kLightCyan);
    legBar(f, 3, kLightCyan);
    for (int k = 1; k <= 2; ++k) legRight(f, k, kLightRed);
    // Leg 3's right edge above and below the tail.
    f.line(14, -21, 14, 3.979991994, kLightRed);
    f.line(14, 10.30495169, 14, 18, kLightRed);
    // The tail: inner and outer edges leaving arch 4, then their lower parts to the tip.
    f.arc(-21, -21, 43, f.angle(4, -45), f.angle(4), kCyan);
    f.arc(-14, -21, 42, f.angle(4, -49.39870536), f.angle(4), kCyan);
    f.arc(39.01569537, 40.8516446, 39.46342671, f.angle(1, 40.60129466),
          f.angle(1, 70.99445727), kCyan);
    f.arc(28, 28, 26.29646456, f.angle(0, 135), f.angle(2), kCyan);
}

}  // namespace

void GlyphScorpio(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, scorpioStrokes);
}

void GlyphVirgo(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, virgoStrokes);
}

}  // namespace glyphs
