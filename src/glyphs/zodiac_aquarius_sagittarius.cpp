// Aquarius: two wavy bands, one above the other, each edge three arcs (two troughs and a crest)
// and the bands closed at their ends by short lines. Sagittarius: an arrow pointing along +p,
// drawn as one closed outline of twelve lines (shaft, head and notched tail).

#include "glyphs/glyphs.h"
#include "glyphs/zodiac_frame.h"

namespace glyphs {

namespace {

constexpr int kLightCyan = 11;
constexpr int kLightRed = 12;

constexpr double kWaveRadius = 16.0185185;
constexpr double kWaveHalfSpan = 35.63777777;
constexpr double kTroughP = 18.66666;

// An arc below its centre (a trough of an edge) and one above it (a crest).
void trough(ZodiacFrame& f, double p, double q) {
    f.arc(p, q, kWaveRadius, f.angle(3, -kWaveHalfSpan), f.angle(3, kWaveHalfSpan), kLightCyan);
}

void crest(ZodiacFrame& f, double q) {
    f.arc(0, q, kWaveRadius, f.angle(1, -kWaveHalfSpan), f.angle(1, kWaveHalfSpan), kLightCyan);
}

void aquariusStrokes(ZodiacFrame& f) {
    // The upper band.
    trough(f, -kTroughP, -16.0185185);
    trough(f, -kTroughP, -22.0185185);
    trough(f, kTroughP, -16.0185185);
    trough(f, kTroughP, -22.0185185);
    crest(f, 10.0185185);
    crest(f, 4.0185185);
    // The lower band.
    trough(f, -kTroughP, -10.0185185);
    trough(f, -kTroughP, -4.0185185);
    trough(f, kTroughP, -10.0185185);
    trough(f, kTroughP, -4.0185185);
    crest(f, 16.0185185);
    crest(f, 22.0185185);
    // The ends of both bands.
    f.line(-28, -9, -28, -3, kLightRed);
    f.line(-28, 9, -28, 3, kLightRed);
    f.line(28, -9, 28, -3, kLightRed);
    f.line(28, 9, 28, 3, kLightRed);
}

void sagittariusStrokes(ZodiacFrame& f) {
    constexpr double kShaftEnd = 14.642857;
    // The shaft and the head's base beside it.
    f.line(-kShaftEnd, -3, 14, -3, kLightCyan);
    f.line(-kShaftEnd, 3, 14, 3, kLightCyan);
    f.line(14, -14, 14, -3, kLightCyan);
    f.line(14, 14, 14, 3, kLightCyan);
    // The head's sides.
    f.line(14, -14, 28, 0, kLightRed);
    f.line(14, 14, 28, 0, kLightRed);
    // The feathers: outer edges to the notch, inner edges to the shaft, ends.
    f.line(-28, -14, -25, 0, kLightRed);
    f.line(-28, 14, -25, 0, kLightRed);
    f.line(-17, -14, -kShaftEnd, -3, kLightRed);
    f.line(-17, 14, -kShaftEnd, 3, kLightRed);
    f.line(-28, -14, -17, -14, kLightRed);
    f.line(-28, 14, -17, 14, kLightRed);
}

}  // namespace

void GlyphAquarius(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, aquariusStrokes);
}

void GlyphSagittarius(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, sagittariusStrokes);
}

}  // namespace glyphs
