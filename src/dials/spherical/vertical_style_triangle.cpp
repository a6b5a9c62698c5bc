// The triangle of the style of the vertical dial by spherical trigonometry, laid flat into the
// wall: the foot O of the perpendicular style, the dial centre Z where the polar style meets the
// wall, and the tip T turned down into the wall about the substyle OZ (so OT is perpendicular to
// OZ and as long as the style). Then the vertical through the centre, the generic gnomon. Where
// the centre lies at infinity (the polar axis in the wall's plane) the substyle and the style
// run parallel across the plot area, and no vertical is drawn. The centre and the substyle are
// the wall's (geometry::Face::centre, substyleDirection); the tip lies a quarter turn clockwise
// from the substyle's direction up to the pole, and above the foot on the equator, where the
// substyle lies level.

#include <cmath>

#include "dials/plot_segment.h"
#include "dials/plot_line.h"
#include "dials/spherical/vertical_procedures.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::spherical {

void PlotStyleTriangleVertSph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double phi = m.LatRad, L = m.StyleLength;
    const Face wall = vsph::wallFace(m);

    numeric::skip([&] {
        const DialPoint along = wall.substyleDirection(phi);
        const DialPoint toTip = phi == 0 ? DialPoint{0, 1} : DialPoint{along.y, -along.x};
        const double k = numeric::checkedDiv(L, std::hypot(toTip.x, toTip.y));
        const double tx = k * toTip.x, ty = k * toTip.y;
        const double s = plot.ShiftY();

        const numeric::Colour tipColour = shell::LineColor(ctx, 12);
        const std::optional<DialPoint> centre = wall.centre(L, phi);
        if (!centre) {
            // The polar style lies parallel to the wall and the centre at infinity: the
            // substyle runs through the foot, and the style laid down through the tip, along the
            // polar axis's direction in the wall, each across the plot area; there is no centre
            // and no vertical through it.
            auto acrossThrough = [&](DialPoint p, int colour) {
                plotLineThroughArea(plot, p, along, shell::LineColor(ctx, colour));
            };
            plot.xPset(tx, -ty, tipColour);
            acrossThrough({tx, ty}, 9);
            plotSegment(plot, {tx, ty}, {0, 0}, shell::LineColor(ctx, 13));
            acrossThrough({0, 0}, 14);
            return;
        }
        const double xc = numeric::checkFinite(centre->x);
        const double yc = numeric::checkFinite(centre->y);
        plot.xPset(xc, -yc, tipColour);
        plot.xPset(tx, -ty, tipColour);
        plotSegment(plot, {tx, ty}, {xc, yc}, shell::LineColor(ctx, 9));
        plotSegment(plot, {tx, ty}, {0, 0}, shell::LineColor(ctx, 13));
        plotSegment(plot, {xc, yc}, {0, 0}, shell::LineColor(ctx, 14));
        plotSegment(plot, {xc, s}, {xc, -2 * s}, shell::LineColor(ctx, 8));
    });
}

}  // namespace dials::spherical
