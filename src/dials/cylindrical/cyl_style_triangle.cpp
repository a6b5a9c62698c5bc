// The triangle of the style on the unrolled cylinder: standing on the horizon at the noon
// generatrix, its base the substyle, its vertical side on the generatrix up to where the polar
// axis through the tip meets the surface, and the polar style as hypotenuse at the latitude's
// angle to the base; then the perpendicular style folded down from the foot.

#include <cmath>

#include "dials/cylindrical/cyl_shared.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

// The triangle itself, where the meridian plane through the tip cuts the section.
void drawTriangle(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double D = m.WallDeclRad, R = m.Radius, L = m.StyleLength, phi = m.LatRad;
    const bool concave = m.SideSign < 1;

    // The tip's distance from the meridian plane through the axis.
    const double v = concave ? (R - L) * std::sin(D) : -(R + L) * std::sin(D);
    if (!(std::fabs(v) < R)) return;
    const double c = std::sqrt(R * R - v * v);
    const double p = concave ? numeric::sgn(std::cos(D)) * c : -numeric::sgn(std::cos(D)) * c;
    const double q = concave ? (R - L) * std::cos(D) : -(R + L) * std::cos(D);

    m.TipOffset = p - q;
    m.NoonLineAngle = shell::ArcSin(m, numeric::checkedDiv(m.TipOffset * std::sin(D), R));
    m.CentreX = -R * m.NoonLineAngle;

    plot::PlotSurface& plot = ctx.ixPlot1();
    const double baseEnd = m.CentreX - numeric::sgn(D) * m.TipOffset;
    const double height = numeric::checkFinite(m.TipOffset * std::tan(phi));
    plot.xLine(m.CentreX, -height, baseEnd, 0, shell::LineColor(ctx, 9));
    plot.xLine(m.CentreX, 0, baseEnd, 0, shell::LineColor(ctx, 11));
    plot.xLine(m.CentreX, -plot.ShiftY(), m.CentreX, plot.ShiftY(), shell::LineColor(ctx, 11));
}

}  // namespace

void DrawStyleTriangleDeveloped(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.StyleLength = ctx.inputs.number("txtStilo");
    numeric::skip([&] { drawTriangle(ctx); });

    const double L = m.StyleLength;
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.xLine(0, 0, 0, -L, shell::LineColor(ctx, 13));
    plot.xLine(0.00095, -L, -0.0055, -L, shell::LineColor(ctx, 15));
}

void DrawCylProjStyleTriangle(shell::Context& ctx) { DrawStyleTriangleDeveloped(ctx); }

}  // namespace dials::cylindrical
