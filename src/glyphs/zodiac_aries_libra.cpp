// Aries: two horns rising from a common foot, each an outer arc from the foot to the tip and an
// inner arc from the tip down to the fork. Libra: a beam with a hump over a second beam, each
// band drawn as its edges and closed at its ends.

#include "glyphs/glyphs.h"
#include "glyphs/zodiac_frame.h"

namespace glyphs {

namespace {

void ariesStrokes(ZodiacFrame& f) {
    f.arc(70, 28, 70, f.angle(2, -53.130102354), f.angle(2), kLightRed);
    f.arc(-70, 28, 70, f.angle(0), f.angle(0, 53.130102354), kLightRed);
    f.arc(56, 28, 62.6099, f.angle(2, -63.434948), f.angle(2, -26.56505), kLightRed);
    f.arc(-56, 28, 62.6099, f.angle(0, 26.56505), f.angle(0, 63.434948), kLightRed);
}

void libraStrokes(ZodiacFrame& f) {
    // The hump: its outer edge over the top, its inner edge the upper half circle.
    f.arc(0, -3, 14, f.angle(3, 81.7867893), f.angle(3, -81.7867893), kCyan);
    f.arc(0, -3, 8, f.angle(0), f.angle(2), kCyan);
    // The upper beam, open in the middle for the hump.
    f.lineAndMirrorP(-28, -1, -13.85640646, -1, kLightRed);
    f.lineAndMirrorP(-28, 5, -8, 5, kLightRed);
    // The hump's inner edge coming down to the beam.
    f.lineAndMirrorP(-8, -3, -8, 5, kLightCyan);
    // The lower beam, then the ends of both beams.
    f.line(-28, 11, 28, 11, kLightRed);
    f.line(-28, 17, 28, 17, kLightRed);
    f.lineAndMirrorP(-28, -1, -28, 5, kLightRed);
    f.lineAndMirrorP(-28, 11, -28, 17, kLightRed);
}

}  // namespace

void GlyphAries(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, ariesStrokes);
}

void GlyphLibra(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, libraStrokes);
}

}  // namespace glyphs
