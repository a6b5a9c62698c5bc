// The triangle of the style on the unrolled cylinder: standing on the horizon at the generatrix
// where the meridian plane through the tip cuts the section (see styleTriangleCut), its base the
// substyle, its vertical side on that generatrix up to where the polar axis through the tip meets
// the surface, and the polar style as hypotenuse at the latitude's angle to the base; then the
// perpendicular style folded down from the foot.

#include <cmath>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/cyl_shared.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

// The triangle itself, where the meridian plane through the tip cuts the section on its side.
void drawTriangle(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const std::optional<MeridianCut> cut = styleTriangleCut(m);
    if (!cut) return;
    const double R = m.Radius, D = m.WallDeclRad, phi = m.LatRad;

    m.TipOffset = cut->offset;
    m.NoonLineAngle = -cut->turn;
    m.CentreX = numeric::checkFinite(R * cut->turn);

    plot::PlotSurface& plot = ctx.ixPlot1();
    const double baseEnd = m.CentreX - numeric::sgn(D) * m.TipOffset;
    const double height = numeric::checkFinite(m.TipOffset * std::tan(phi));
    xLineNearTheFoot(plot, m.CentreX, -height, baseEnd, 0,
                     shell::LineColor(ctx, palette::kLightBlue));
    xLineNearTheFoot(plot, m.CentreX, 0, baseEnd, 0, shell::LineColor(ctx, palette::kLightCyan));
    xLineNearTheFoot(plot, m.CentreX, -plot.ShiftY(), m.CentreX, plot.ShiftY(),
                     shell::LineColor(ctx, palette::kLightCyan));
}

}  // namespace

void DrawStyleTriangleDeveloped(shell::Context& ctx) {
    numeric::skip([&] { drawTriangle(ctx); });
    DrawFoldedStyle(ctx, ctx.m.StyleLength);
}

void DrawFoldedStyle(shell::Context& ctx, double L) {
    plot::PlotSurface& plot = ctx.ixPlot1();
    xLineNearTheFoot(plot, 0, 0, 0, -L, shell::LineColor(ctx, palette::kLightMagenta));
    if (markInTheArea(plot, 0, -L))
        plot.xLine(0.00095, -L, -0.0055, -L, shell::LineColor(ctx, palette::kWhite));
}

}  // namespace dials::cylindrical
