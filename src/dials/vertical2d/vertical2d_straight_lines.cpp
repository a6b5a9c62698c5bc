// The straight lines of the dial: the equinoctial (perpendicular to the substyle, at L tan e from
// the style foot on the side away from the centre) across the whole plot area, the substyle
// through the foot with the noon line through the centre, and the horizon through the foot. The
// centre Z lies on the substyle at L / tan e from the foot.

#include <cmath>

#include "dials/plot_line.h"
#include "dials/plot_segment.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "dials/vertical2d/wall_lines.h"
#include "numeric/checked.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

using numeric::checkFinite;

void DrawEquinoctialVert2D(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    // On the equator the polar axis is horizontal and the equinoctial vertical. A wall facing
    // due south or north there lies in the plane of the equator itself: the sun of the equinox
    // moves parallel to it and casts no equinoctial line.
    if (m.LatDecimal == 0 && m.AnalemmaFlag == 0) return;
    // x sin S + y cos S = -L tan e, across the whole plot area whatever its direction.
    const double S = m.SubstyleRad;
    const auto ends =
        segmentAcrossBox({std::sin(S), std::cos(S), checkFinite(-m.PlaneCoefY)}, plotBox(plot));
    if (ends && partInBox(ends->first, ends->second, plotBox(plot)))
        plotSegment(plot, ends->first, ends->second, shell::LineColor(ctx, palette::kLightBlue));
}

void DrawSubstyleVert2D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double S = m.SubstyleRad;

    // On a wall facing due south or north (the sine of its declination no more than the stored
    // Pi leaves of 0) the substyle is vertical (S = 0) and the noon line below lies on it. The
    // pole is drawn as the latitude the set-up takes for it, its substyle too.
    if (std::fabs(std::sin(m.WallDeclRad)) > numeric::kStoredPiResidue) {
        const double r = numeric::checkedDiv(1, std::tan(S));
        plotSegment(plot, {-1, -r}, {1, r}, shell::LineColor(ctx, palette::kLightBlue));
    }
    // A wall facing due east or west has no noon line.
    if (std::fabs(m.DeclDecimal) != 90) plotNoonLine(ctx, S);
}

void DrawHorizonVert2D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    m.OriginX = 0;
    m.OriginY = 0;
    plot.xLine(plot.ShiftX(), 0, -plot.ShiftX(), 0, shell::LineColor(ctx, palette::kGreen));
}

}  // namespace dials::vertical2d
