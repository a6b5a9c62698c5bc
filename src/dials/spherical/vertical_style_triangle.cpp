// The triangle of the style of the vertical dial by spherical trigonometry, laid flat into the
// wall: the foot O of the perpendicular style, the dial centre Z where the polar style meets the
// wall, and the tip T turned down into the wall about the substyle OZ (so OT is perpendicular to
// OZ and as long as the style). Then the vertical through the centre, the generic gnomon. Where
// the centre lies at infinity (the polar axis in the wall's plane) the substyle and the style
// run parallel across the plot area, and no vertical is drawn. The centre and the substyle are
// the wall's (geometry::Face::centre, substyleDirection); the tip lies a quarter turn clockwise
// from the substyle's direction up to the pole, and above the foot on the equator, where the
// substyle lies level. The drawing is the one both programmes share (plotLaidStyleTriangle).

#include <cmath>

#include "dials/plot_segment.h"
#include "dials/plot_line.h"
#include "dials/spherical/vertical_procedures.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::spherical {

void PlotStyleTriangleVertSph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double phi = m.LatRad, L = m.StyleLength;
    const Face wall = vsph::wallFace(m);

    numeric::skip([&] {
        const DialPoint along = wall.substyleDirection(phi);
        const DialPoint toTip = phi == 0 ? DialPoint{0, 1} : DialPoint{along.y, -along.x};
        const double k = numeric::checkedDiv(L, std::hypot(toTip.x, toTip.y));
        std::optional<DialPoint> centre = wall.centre(L, phi);
        if (centre)
            centre = DialPoint{numeric::checkFinite(centre->x), numeric::checkFinite(centre->y)};
        // Where the centre lies at infinity the lines run along the polar axis's direction in
        // the wall.
        plotLaidStyleTriangle(ctx, {k * toTip.x, k * toTip.y}, centre, along);
    });
}

void plotLaidStyleTriangle(shell::Context& ctx, const DialPoint& tip,
                           const std::optional<DialPoint>& centre, const DialPoint& towards) {
    plot::PlotSurface& plot = ctx.ixPlot1();
    const DialPoint foot{0, 0};
    if (centre) plot.xPset(centre->x, -centre->y, shell::LineColor(ctx, palette::kLightRed));
    plot.xPset(tip.x, -tip.y, shell::LineColor(ctx, palette::kLightRed));
    if (centre)
        plotSegment(plot, tip, *centre, shell::LineColor(ctx, palette::kLightBlue));
    else
        plotLineThroughArea(plot, tip, towards, shell::LineColor(ctx, palette::kLightBlue));
    plotSegment(plot, tip, foot, shell::LineColor(ctx, palette::kLightMagenta));
    if (!centre) {
        plotLineThroughArea(plot, foot, towards, shell::LineColor(ctx, palette::kLightYellow));
        return;
    }
    plotSegment(plot, *centre, foot, shell::LineColor(ctx, palette::kLightYellow));
    plotSegment(plot, {centre->x, plot.ShiftY()}, {centre->x, -2 * plot.ShiftY()},
                shell::LineColor(ctx, palette::kDarkGrey));
}

}  // namespace dials::spherical
