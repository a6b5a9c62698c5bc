// The noon generatrix: the vertical line of the unrolled cylinder on which the shadow of the
// style tip falls at true noon, where the meridian plane through the tip cuts the surface. In
// the tropics a concave dial has two: the cut north of the tip takes the shadow of the noon sun
// south of the zenith, the cut south of it that of the summer sun north of the zenith (beyond the
// polar circle, that of the midnight sun). Each is drawn over the heights its noon shadows reach
// within the plot area, down to its bottom edge where a sun of the year stands in the zenith;
// nothing of a cut whose shadows all fall outside the plot area.

#include <cmath>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/plot_line.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawNoonCut(shell::Context& ctx, double x, double distance, bool north, bool fromTop) {
    plot::PlotSurface& plot = ctx.ixPlot1();
    const std::optional<HeightSpan> span =
        noonShadowHeights(ctx.m.LatRad, std::fabs(distance), north, ctx.m.Pi);
    const PlotBox box = plotBox(plot);
    if (!span || !(x >= box.left && x < box.right)) return;
    const double top = std::fmin(span->top, box.top);
    const double bottom = std::fmax(span->bottom, box.bottom);
    if (!(top > bottom)) return;
    const double first = fromTop ? top : bottom, last = fromTop ? bottom : top;
    plot.xLine(x, -first, x, -last, shell::LineColor(ctx, palette::kRed));
}

std::optional<double> DrawNoonGeneratrices(shell::Context& ctx, const NoonCuts& cuts,
                                           bool fromTop) {
    const double R = ctx.m.Radius;
    auto abscissa = [&](const std::optional<MeridianCut>& cut) -> std::optional<double> {
        if (!cut || !std::isfinite(R * cut->turn)) return std::nullopt;
        return R * cut->turn;
    };
    for (const bool north : {true, false}) {
        const std::optional<MeridianCut>& cut = north ? cuts.north : cuts.south;
        if (const std::optional<double> x = abscissa(cut))
            DrawNoonCut(ctx, *x, cut->offset, north, fromTop);
    }
    return abscissa(cuts.primary());
}

void DrawCylNoonLine(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const NoonCuts cuts = noonShadowCuts(m);
    const std::optional<double> x = DrawNoonGeneratrices(ctx, cuts, false);
    if (!x) return;
    m.TipOffset = cuts.primary()->offset;
    m.NoonLineAngle = cuts.primary()->turn;
    m.CentreX = *x;
}

}  // namespace dials::cylindrical
