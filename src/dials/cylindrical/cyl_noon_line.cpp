// The noon generatrix: the vertical line of the unrolled cylinder on which the shadow of the
// style tip falls at true noon, where the meridian plane through the tip cuts the surface. In
// the tropics a concave dial has two: the cut north of the tip takes the shadow of the noon sun
// south of the zenith, the cut south of it that of the summer sun north of the zenith.

#include <cmath>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/cyl_shared.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

std::optional<double> DrawNoonGeneratrices(shell::Context& ctx, const NoonCuts& cuts,
                                           bool fromTop) {
    const double R = ctx.m.Radius;
    auto abscissa = [&](const std::optional<MeridianCut>& cut) -> std::optional<double> {
        if (!cut || !std::isfinite(R * cut->turn)) return std::nullopt;
        return R * cut->turn;
    };
    plot::PlotSurface& plot = ctx.ixPlot1();
    for (const std::optional<MeridianCut>& cut : {cuts.north, cuts.south}) {
        const std::optional<double> x = abscissa(cut);
        if (!x) continue;
        const double first = fromTop ? -plot.ShiftY() : plot.ShiftY();
        plot.xLine(*x, first, *x, -first, shell::LineColor(ctx, 4));
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
