// The construction of the former projective dial: where the foot of the perpendicular style
// lies in dial coordinates, the triangle of the style turned down into the dial, and the
// vertical through the centre.
//
// The foot is the orthogonal projection of the tip. It lies on the substyle, which is the
// perpendicular from the centre O to the projected equinoctial line, on the same side of O as
// that line (the foot at s cos E from O, the equinoctial line at s / cos E): its distances from
// O across and along the slope are |s cos E sin S| and |s cos E cos S|, and their signs are those
// of the foot of the perpendicular from O to the equinoctial line.

#include <algorithm>
#include <cmath>

#include "dials/plot_segment.h"
#include "dials/projective/former_procedures.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "shell/helpers.h"
#include "numeric/tolerance.h"

namespace dials::projective {

using numeric::checkedDiv;

namespace {

// The triangle of the style turned down about the substyle into the dial: the tip T' lands on
// the perpendicular to the substyle through the foot, |L| from it. Nothing is drawn when the
// foot and the centre coincide (a style perpendicular to the plane has no substyle).
void drawTurnedDownTriangle(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    // The centre seen from the foot, in dial coordinates.
    const double cx = -m.OriginX, cy = -m.OriginY;
    numeric::skip([&] {
        const double length = std::hypot(cx, cy);
        const double ux = checkedDiv(cx, length), uy = checkedDiv(cy, length);
        const double L = std::fabs(m.StyleLength);
        const double tx = L * uy, ty = -L * ux;
        plot::PlotSurface& plot = ctx.ixPlot1();
        plotSegment(plot, {cx, cy}, {tx, ty}, shell::LineColor(ctx, 9));
        plotSegment(plot, {tx, ty}, {0, 0}, shell::LineColor(ctx, 13));
        plotSegment(plot, {cx, cy}, {0, 0}, shell::LineColor(ctx, 14));
    });
}

// The noon line lies in the meridian plane through the style: its angle from the line of
// greatest slope is atan(sin R tan D), on every plane.
double noonTilt(const shell::Module1& m) {
    return std::atan(numeric::checkFinite(std::sin(m.ReclRad) * std::tan(m.WallDeclRad)));
}

// With the foot placed: the turned-down triangle when asked for, and the vertical through the
// centre.
void finishConstruction(shell::Context& ctx) {
    if (shell::ticked(ctx, "ck_Triangolo")) drawTurnedDownTriangle(ctx);
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double x = -ctx.m.OriginX;
    // From the top edge down past the bottom edge: where the noon line has no tilt (a vertical
    // plane, or one facing due south or north) the vertical is the noon line.
    const double bottom = std::max(2 * plot.ShiftY(), plot.QuadranteH() - plot.ShiftY());
    plotSegment(plot, {x, plot.ShiftY()}, {x, -bottom}, shell::LineColor(ctx, 8));
}

}  // namespace

void DrawGnomonProjFormer(shell::Context& ctx) {
    shell::Module1& m = ctx.m;

    // Two points of the reference equinoctial line, the first and the fifth of a sweep.
    const double z = -m.SetupTemp3;
    const double x1 = -m.XLoopHalf;
    double x5 = x1;
    for (int i = 0; i < 4; ++i) x5 += 0.005;
    DialPoint P1, P5;
    try {
        P1 = former::projectToDial(m, x1, z);
        P5 = former::projectToDial(m, x5, z);
    } catch (const numeric::NumericFailure&) {
        // A style perpendicular to the plane: the equator's plane through the tip is parallel
        // to the dial, the equinoctial line lies at infinity and the foot is the centre.
        if (m.StyleLengthD != 0 && std::fabs(std::cos(m.StyleElevRad)) < numeric::kStoredPiResidue) {
            m.NoonTiltRad = noonTilt(m);
            m.OriginX = 0;
            m.OriginY = 0;
            finishConstruction(ctx);
            return;
        }
        // Otherwise the foot cannot be placed, and every later line would be drawn from it.
        throw;
    }

    const double dX = P5.x - P1.x, dY = P5.y - P1.y;
    // The substyle angle takes the sign of the projected equinoctial line's slope.
    const int slopeSign = dX == 0 ? 1 : numeric::sgn(dX) * numeric::sgn(dY);
    m.SubstyleRad = slopeSign * std::fabs(m.SubstyleRad);
    // The foot of the perpendicular from O to the equinoctial line.
    const double t = -checkedDiv(P1.x * dX + P1.y * dY, dX * dX + dY * dY);
    const double xf = P1.x + t * dX;
    const double yf = P1.y + t * dY;

    m.NoonTiltRad = noonTilt(m);

    const double s = m.StyleLengthD, E = m.StyleElevRad, S = m.SubstyleRad;
    const int signX = numeric::sgn(xf);
    const int signY = yf == 0 ? -1 : numeric::sgn(yf);
    m.OriginY = std::fabs(s * std::cos(E) * std::cos(S)) * signY;
    m.OriginX = std::fabs(s * std::cos(E) * std::sin(S)) * signX;
    finishConstruction(ctx);
}

}  // namespace dials::projective
