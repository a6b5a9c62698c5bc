// Taurus and Pisces share one crescent, bounded by a convex and a concave arc that meet at the
// horns' tips. Taurus: a ring with the crescent above it as its horns. Pisces: two crescents back
// to back on the p axis with a small circle between them.

#include "glyphs/glyphs.h"
#include "glyphs/zodiac_frame.h"

namespace glyphs {

namespace {

// Centres and radii of the crescent's edges, measured out from the anchor along its axis.
constexpr double kConvexCentre = 34.8181818;
constexpr double kConvexRadius = 28.8181818;
constexpr double kConcaveCentre = 44.5;
constexpr double kConcaveRadius = 32.5;

void taurusStrokes(ZodiacFrame& f) {
    constexpr double kConvexHalfSpan = 76.31445321;
    constexpr double kConcaveHalfSpan = 59.48976259;
    // The ring, open at its top where the horns leave it, and its hole.
    f.arc(0, 8, 20, f.turned(35.0043714), f.turned(-35.0043714), kLightRed);
    f.circle(0, 8, 14, kLightRed);
    // The horns' outer edge in two pieces, then their inner edge.
    f.arc(0, -kConvexCentre, kConvexRadius, f.angle(3, -kConvexHalfSpan), f.angle(3, -23.46),
          kLightCyan);
    f.arc(0, -kConvexCentre, kConvexRadius, f.angle(3, 23.46), f.angle(3, kConvexHalfSpan),
          kLightCyan);
    f.arc(0, -kConcaveCentre, kConcaveRadius, f.angle(3, -kConcaveHalfSpan),
          f.angle(3, kConcaveHalfSpan), kLightCyan);
}

void piscesStrokes(ZodiacFrame& f) {
    constexpr double kConvexHalfSpan = 76.31445318;
    constexpr double kConcaveHalfSpan = 59.48976;
    f.arc(-kConcaveCentre, 0, kConcaveRadius, f.angle(4, -kConcaveHalfSpan),
          f.angle(0, kConcaveHalfSpan), kLightCyan);
    f.arc(kConcaveCentre, 0, kConcaveRadius, f.angle(2, -kConcaveHalfSpan),
          f.angle(2, kConcaveHalfSpan), kLightCyan);
    f.arc(kConvexCentre, 0, kConvexRadius, f.angle(2, -kConvexHalfSpan),
          f.angle(2, kConvexHalfSpan), kLightCyan);
    f.arc(-kConvexCentre, 0, kConvexRadius, f.angle(4, -kConvexHalfSpan),
          f.angle(0, kConvexHalfSpan), kLightCyan);
    f.circle(0, 0, 6, kLightCyan);
}

}  // namespace

void GlyphTaurus(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, taurusStrokes);
}

void GlyphPisces(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, piscesStrokes);
}

}  // namespace glyphs
