// The construction of the former projective dial: where the foot of the perpendicular style
// lies in dial coordinates, the triangle of the style turned down into the dial, and the
// vertical through the centre.
//
// The foot is the orthogonal projection of the tip; the centre O, where the polar style meets
// the dial, lies on the substyle through it.

#include <algorithm>
#include <cmath>
#include <optional>

#include "dials/plot_segment.h"
#include "dials/projective/former_procedures.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/skip.h"
#include "shell/helpers.h"

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
        plotSegment(plot, {cx, cy}, {tx, ty}, shell::LineColor(ctx, palette::kLightBlue));
        plotSegment(plot, {tx, ty}, {0, 0}, shell::LineColor(ctx, palette::kLightMagenta));
        plotSegment(plot, {cx, cy}, {0, 0}, shell::LineColor(ctx, palette::kLightYellow));
    });
}

}  // namespace

void DrawGnomonProjFormer(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    // The noon line lies in the meridian plane through the style: its angle from the line of
    // greatest slope is atan(sin R tan D), on every plane.
    m.NoonTiltRad =
        std::atan(numeric::checkFinite(std::sin(m.ReclRad) * std::tan(m.WallDeclRad)));
    // The centre is where the polar style through the tip meets the dial; the foot seen from it
    // is the same vector turned round. Taken from the face, it keeps its digits however far off
    // the centre lies (a plane next to one that holds the polar axis).
    const std::optional<DialPoint> centre = dialFace(m).centre(m.StyleLength, m.LatRad);
    if (!centre) numeric::fail(numeric::FailureKind::DivisionByZero);
    m.OriginX = -centre->x;
    m.OriginY = -centre->y;

    // With the foot placed: the turned-down triangle when asked for, and the vertical through
    // the centre, from the top edge down past the bottom edge: where the noon line has no tilt
    // (a vertical plane, or one facing due south or north) the vertical is the noon line.
    if (shell::ticked(ctx, "ck_Triangolo")) drawTurnedDownTriangle(ctx);
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double bottom = std::max(2 * plot.ShiftY(), plot.QuadranteH() - plot.ShiftY());
    plotSegment(plot, {-m.OriginX, plot.ShiftY()}, {-m.OriginX, -bottom},
                shell::LineColor(ctx, palette::kDarkGrey));
}

}  // namespace dials::projective
