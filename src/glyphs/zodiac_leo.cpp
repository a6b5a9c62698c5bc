// Leo: an arch at the top, a tail sweeping down to a point at the lower right, and a connecting
// stroke down the left into a closed loop. The arcs are placed on every call by a small
// tangent-circle construction: the tail's edges are circles through the tail point that touch
// the arch's edges, and the connecting stroke is the circle that touches the arch's inner edge
// from inside and the loop from outside.

#include <cmath>

#include "glyphs/glyphs.h"
#include "glyphs/zodiac_frame.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace glyphs {

namespace {

using numeric::checkedDiv;
using numeric::checkedSqrt;

constexpr double kEdge = 28;          // right, top and bottom edges of the sign's box
constexpr double kArchP = 5.5;        // p of the arch centre
constexpr double kArchOuter = 16.5665;
constexpr double kArchInner = 11.5665;
constexpr double kLoopP = -16, kLoopQ = 12.5, kLoopRadius = 12;
constexpr double kStrokeInner = 30;   // the connecting stroke's inner radius; 5 more outside

void leoStrokes(ZodiacFrame& f) {
    shell::Module1& m = f.m();

    // The arch touches the top edge; the tail's outer edge is the circle through the tail point
    // (28, 28) that touches the arch's outer edge from outside.
    const double archQ = -(kEdge - kArchOuter);
    const double run = kEdge - kArchP;
    const double r1 = checkedDiv(run * run + 4 * kEdge * kEdge - 4 * kEdge * kArchOuter, 4 * kEdge);
    const double theta1 = shell::ArcSin(m, checkedDiv(run, r1 + kArchOuter));
    f.arc(kEdge, kEdge - r1, r1, f.angle(1) + theta1, f.angle(3), kLightRed);

    // The arch's inner edge, and the tail's inner edge touching it.
    const double r3 = checkedDiv(run * run + 4 * kEdge * kEdge - 4 * kEdge * kArchOuter +
                                     (kArchOuter * kArchOuter - kArchInner * kArchInner),
                                 2 * (kArchInner + 2 * kEdge - kArchOuter));
    const double theta3 = shell::ArcSin(m, checkedDiv(run, r3 + kArchInner));
    f.arc(kArchP, archQ, kArchInner, f.angle(3) + theta3, f.angle(1, 67.21863), kWhite);
    f.arc(kEdge, kEdge - r3, r3, f.angle(1) + theta3, f.angle(3), kLightGreen);

    // The connecting stroke's centre D: |D - A| = rD - rI and |D - E| = rD + rE, the root with
    // the larger p. Subtracting the two circle equations gives k1 * pD - k2 * qD = K.
    const double k1 = 2 * (kArchP - kLoopP);
    const double k2 = 2 * (kLoopQ - archQ);
    const double K = (kArchP * kArchP - kLoopP * kLoopP) + (archQ * archQ - kLoopQ * kLoopQ) +
                     2 * kStrokeInner * (kArchInner + kLoopRadius) -
                     (kArchInner * kArchInner - kLoopRadius * kLoopRadius);
    const double a2 = k1 * k1 + k2 * k2;
    const double b2 = -2 * (kArchP * k2 * k2 + k1 * K + archQ * k2 * k1);
    const double c2 = k2 * k2 * (kArchP * kArchP + archQ * archQ) + K * K + 2 * archQ * k2 * K -
                      k2 * k2 * (kStrokeInner - kArchInner) * (kStrokeInner - kArchInner);
    const double pD = checkedDiv(-b2 + checkedSqrt(b2 * b2 - 4 * a2 * c2), 2 * a2);
    const double qD = checkedDiv(k1 * pD - K, k2);

    // The loop's hole.
    f.circle(-17, 13, 8, kGreen);

    // Where D's circle touches the arch's inner edge (phiA) and the loop (phiE).
    const double phiA = std::atan(checkedDiv(pD - kArchP, archQ - qD));
    const double phiE = std::atan(checkedDiv(kLoopP - pD, qD - kLoopQ));
    f.arc(pD, qD, kStrokeInner, f.angle(1) - phiA, f.angle(3) - phiE, kDarkGrey);
    f.arc(kLoopP, kLoopQ, kLoopRadius, f.angle(1, -19.082909), f.angle(1) - phiE, kLightYellow);
    f.arc(kArchP, archQ, kArchOuter, f.angle(3) + theta1, f.angle(1) - phiA, kLightMagenta);
    f.arc(pD, qD, kStrokeInner + 5, f.angle(1) - phiA, f.angle(3, -81.03315617), kLightGrey);
}

}  // namespace

void GlyphLeo(shell::Context& ctx, double x, double y, double angleDeg, double) {
    drawSign(ctx, x, y, angleDeg, leoStrokes);
}

}  // namespace glyphs
