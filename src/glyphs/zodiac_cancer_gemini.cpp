// Cancer: two halves, each the half-turned image of the other, each a ring-shaped head with a
// tail whose tip is closed by a short arc about the other head; its grid is turned 45 degrees
// clockwise against the other signs. Gemini: two curved bars, one above the other, joined by
// two pillars, every band drawn as its edges and closed at its ends.

#include "glyphs/glyphs.h"
#include "glyphs/zodiac_frame.h"
#include "numeric/checked.h"

namespace glyphs {

namespace {

void cancerStrokes(ZodiacFrame& f) {
    f.setWorkingAngle(f.workingAngle() - f.Pi() / 4);
    // Outer edges of the heads.
    f.arc(-15.5, 14, 12.5, f.angle(2), f.angle(1, 46.481496), kLightMagenta);
    f.arc(15.5, -14, 12.5, f.angle(0), f.angle(3, 46.481496), kLightCyan);
    // The tips of the tails, each closed about the other half's head.
    f.arc(-15.5, 14, 14.5, f.angle(3, 16.2261117), f.angle(3, 61.7173269), kLightMagenta);
    f.arc(15.5, -14, 14.5, f.angle(1, 16.2261117), f.angle(1, 61.7173269), kLightMagenta);
    // The holes of the heads.
    f.circle(-14, 14, 8, kLightMagenta);
    f.circle(14, -14, 8, kLightMagenta);
    // Outer edges of the tails.
    f.arc(14, 14, 42, f.angle(1, 3.48315888), f.angle(2), kLightMagenta);
    f.arc(-14, -14, 42, f.angle(3, 3.48315888), f.angle(4), kLightYellow);
    // Inner edges of the tails.
    f.arc(10, 14, 35.62, f.angle(1, 11.775106715), f.angle(1, 76.016409), kLightMagenta);
    f.arc(-10, -14, 35.62, f.angle(3, 11.775106), f.angle(3, 76.016409), kLightCyan);
}

// The q at which the vertical through p meets the bars' inner arcs of radius 92.9.
double pillarEnd(double p) { return 109.9 - numeric::checkedSqrt(92.9 * 92.9 - p * p); }

void geminiStrokes(ZodiacFrame& f) {
    f.arc(0, -73, 53, f.angle(3, -31.8907918), f.angle(3, 31.8907918), kLightRed);
    f.arc(0, -109.9, 92.9, f.angle(3, -17.56118), f.angle(3, 17.56118), kLightRed);
    f.arc(0, 109.9, 92.9, f.angle(1, -17.56118), f.angle(1, 17.56118), kLightRed);
    f.arc(0, 73, 53, f.angle(1, -31.8907918), f.angle(1, 31.8907918), kLightRed);
    for (double p : {3.0, 9.0, -3.0, -9.0}) {
        const double e = pillarEnd(p);
        f.line(p, -e, p, e, kCyan);
    }
    f.lineAndMirrorP(-28, -28, -28, -21.32003613, kLightRed);
    f.lineAndMirrorP(-28, 28, -28, 21.32003613, kLightRed);
}

}  // namespace

void GlyphCancer(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, cancerStrokes);
}

void GlyphGemini(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, geminiStrokes);
}

}  // namespace glyphs
