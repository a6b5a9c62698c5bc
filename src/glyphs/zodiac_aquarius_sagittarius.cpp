// Aquarius: two wavy bands, one above the other, each edge three arcs (two troughs and a crest)
// and the bands closed at their ends by short lines. Sagittarius: an arrow pointing along +p,
// drawn as one closed outline of twelve lines (shaft, head and notched tail).

#include "glyphs/glyphs.h"
#include "glyphs/zodiac_frame.h"

namespace glyphs {

namespace {

constexpr double kWaveRadius = 16.0185185;
constexpr double kWaveHalfSpan = 35.63777777;
constexpr double kTroughP = 18.66666;

// One band: the troughs of its edges (arcs below their centres) on the left, then on the right,
// then the crests of its edges (arcs above their centres) in the middle.
void band(ZodiacFrame& f, double troughQ1, double troughQ2, double crestQ1, double crestQ2) {
    for (double p : {-kTroughP, kTroughP})
        for (double q : {troughQ1, troughQ2})
            f.arc(p, q, kWaveRadius, f.angle(3, -kWaveHalfSpan), f.angle(3, kWaveHalfSpan),
                  kLightCyan);
    for (double q : {crestQ1, crestQ2})
        f.arc(0, q, kWaveRadius, f.angle(1, -kWaveHalfSpan), f.angle(1, kWaveHalfSpan),
              kLightCyan);
}

void aquariusStrokes(ZodiacFrame& f) {
    band(f, -16.0185185, -22.0185185, 10.0185185, 4.0185185);   // the upper band
    band(f, -10.0185185, -4.0185185, 16.0185185, 22.0185185);   // the lower band
    // The ends of both bands.
    f.lineAndMirrorQ(-28, -9, -28, -3, kLightRed);
    f.lineAndMirrorQ(28, -9, 28, -3, kLightRed);
}

void sagittariusStrokes(ZodiacFrame& f) {
    constexpr double kShaftEnd = 14.642857;
    // The shaft and the head's base beside it, each stroke with its mirror image across the
    // shaft's axis.
    f.lineAndMirrorQ(-kShaftEnd, -3, 14, -3, kLightCyan);
    f.lineAndMirrorQ(14, -14, 14, -3, kLightCyan);
    // The head's sides.
    f.lineAndMirrorQ(14, -14, 28, 0, kLightRed);
    // The feathers: outer edges to the notch, inner edges to the shaft, ends.
    f.lineAndMirrorQ(-28, -14, -25, 0, kLightRed);
    f.lineAndMirrorQ(-17, -14, -kShaftEnd, -3, kLightRed);
    f.lineAndMirrorQ(-28, -14, -17, -14, kLightRed);
}

}  // namespace

void GlyphAquarius(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, aquariusStrokes);
}

void GlyphSagittarius(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, sagittariusStrokes);
}

}  // namespace glyphs
