// Capricorn: a thin bar across the top, a stem down from its right corner, a tail sweeping down
// to the left to a point, and a loop three units wide leaving to the right and coming back from
// below. The outline is one closed curve and the loop's hole a second; two single points mark
// the joint of the stem's edges and the bar's left corner.

#include "glyphs/glyphs.h"
#include "glyphs/zodiac_frame.h"

namespace glyphs {

namespace {

void capricornStrokes(ZodiacFrame& f) {
    f.arc(28, 5, 36, f.angle(1, 39.64505), f.angle(1, 85.566805), kLightBlue);
    // The loop: outer and inner edges, quarter by quarter.
    f.arc(9, 5, 17, f.angle(3, -89.58553), f.angle(3), kLightCyan);
    f.arc(9, 5, 14, f.angle(1, 86.60659), f.angle(3), kLightMagenta);
    f.arc(9, 13.5, 8.5, f.angle(3), f.angle(4), kLightCyan);
    f.arc(9, 13.5, 5.5, f.angle(3), f.angle(4), kLightCyan);
    f.arc(4, 13.5, 13.5, f.angle(0), f.angle(1), kLightCyan);
    f.arc(4, 13.5, 10.5, f.angle(0), f.angle(1), kLightCyan);
    // The tail's upper edge and the top of the loop's outer edge.
    f.arc(4, 33, 33, f.angle(1, 21.123075), f.angle(1, 70.528779), kLightRed);
    f.arc(4, 33, 33, f.angle(1), f.angle(1, 15.4286), kLightRed);
    // The tail's lower edge and the top of the loop's hole.
    f.arc(4, 37.97368421, 34.97368421, f.angle(1, 20.066), f.angle(1, 62.823416), kWhite);
    f.arc(4, 37.97368421, 34.97368421, f.angle(1), f.angle(1, 14.87045), kWhite);
    // The stem's right edge, curved then straight, and the joint between them.
    f.arc(28, 9.65733, 33.85538, f.angle(1, 50), f.angle(1, 75.51504), kLightCyan);
    f.line(2.06527491, -12.10448379, 15.40319669, -28, kLightYellow);
    f.point(2.06527491, -12.10448379, kLightYellow);
    // The bar: upper edge, lower edge, left end and its corner.
    f.line(-21, -24, 15.40319669, -28, kWhite);
    f.arc(12, 64, 87, f.angle(1, 4.594556), f.angle(1, 24.44333), kLightCyan);
    f.line(-21, -24, -24, -15.20227269, kLightMagenta);
    f.point(-21, -24, kLightYellow);
}

}  // namespace

void GlyphCapricorn(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, capricornStrokes);
}

}  // namespace glyphs
