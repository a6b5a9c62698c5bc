// The light graph's straight lines: the equinoctial, the substyle, the noon line, the triangle of
// the style, the horizon and the foot of the style.

#include <cmath>

#include "dials/plot_curve.h"
#include "dials/plot_segment.h"
#include "dials/vertical2d/light_graph_procedures.h"
#include "dials/vertical2d/wall_lines.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

using numeric::checkedDiv;

// The line d = -P of the substyle frame, points every PointStep metres along it over the plot
// area between x = -3 and 3, whatever its direction: at the equator the substyle is horizontal
// and the equinoctial vertical. There a wall facing due south or due north lies in the plane of
// the equator itself: the sun of the equinox moves parallel to it and casts no line.
void DrawEquinoctialLineLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (m.LatDegrees < 0) return;
    if (m.LatDegrees == 0 && m.AnalemmaFlag == 0) return;
    plot::PlotSurface& plot = ctx.ixPlot1();
    PlotBox band = plotBox(plot);
    band.left = std::fmax(band.left, -3);
    band.right = std::fmin(band.right, 3);
    const double s = m.SubstyleRad, P = m.StyleLength * std::tan(m.StyleElevRad);
    plotLinePoints(plot, shell::LineColor(ctx, palette::kLightBlue),
                   {-std::sin(s), std::cos(s), -P}, band, m.PointStep);
}

// The line q = 0 of the substyle frame, sampled by x; north of the equator, on a wall facing due
// south or north it is vertical and is sampled by y instead (a wall typed as declining 180
// degrees has a substyle angle of 0 but for the rounding of pi, which would put every point but
// one far off the plot). At the equator the substyle angle is +-90 degrees, or 0 on a wall
// facing due south, where no point can be computed and nothing is drawn.
void DrawSubstyleLineLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightBlue);
    const double s = m.SubstyleRad;
    if (m.LatDegrees != 0 && (std::tan(s) == 0 || std::fabs(m.DeclDecimal) == 180)) {
        for (double t : numeric::StepRange(-1, 1, m.PointStep)) plot.xPset(0, -t, colour);
        return;
    }
    // Sampled by x, and by the curve sampler between: a steep line still gets a point every
    // PointStep across the plot area.
    plotCurve(
        plot, colour,
        [&](double t) { return std::optional<DialPoint>({t, -checkedDiv(t, std::tan(s))}); },
        {-1, 1, m.PointStep, false}, m.PointStep);
}

// The noon line through the dial centre (plotNoonLine, whose substyle angle counts the other
// way round); none on a wall facing due east or west.
void DrawNoonLineLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (m.DeclDecimal == 180) m.SubstyleRad = 0;
    if (std::fabs(m.DeclDecimal) != 90) plotNoonLine(ctx, -m.SubstyleRad);
}

// The triangle of the style laid flat into the wall: the perpendicular style from the foot at
// right angles to the substyle, on the side of the declination, the polar style from its tip to
// the centre and the substyle from the centre to the foot, each where it crosses the plot area
// (the centre of a wall nearly holding the polar axis lies as good as at infinity).
void DrawStyleTriangleLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double L = m.StyleLength;
    if (m.LatDegrees == 0) {
        m.SubstyleRad = numeric::sgn(m.WallDeclRad) * m.Pi / 2;
        m.CentreX = numeric::checkFinite(-L * std::tan(m.WallDeclRad));
        m.CentreY = 0;
    }
    m.OriginX = 0;
    m.OriginY = 0;
    m.SideSign = m.WallDeclRad == 0 ? 1 : numeric::sgn(m.WallDeclRad);
    const double s = m.SubstyleRad;
    const DialPoint tip{m.SideSign * L * std::cos(s), m.SideSign * L * std::sin(s)};
    const DialPoint foot{0, 0}, centre{m.CentreX, m.CentreY};
    plotSegment(plot, tip, foot, shell::LineColor(ctx, palette::kLightMagenta));
    plot.xPset(m.OriginX, -m.OriginY, shell::LineColor(ctx, palette::kWhite));
    if (std::fabs(m.DeclDecimal) != 90) {
        plotSegment(plot, tip, centre, shell::LineColor(ctx, palette::kLightBlue));
        plotSegment(plot, centre, foot, shell::LineColor(ctx, palette::kLightYellow));
    }
}

// The horizontal line through the style foot, across the plot area.
void DrawHorizonLineLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    m.OriginX = 0;
    m.OriginY = 0;
    plot.xLine(-plot.ShiftX(), -m.OriginY, plot.ShiftX(), -m.OriginY,
               shell::LineColor(ctx, palette::kGreen));
}

void DrawStyleFootLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.OriginX = 0;
    m.OriginY = 0;
    ctx.ixPlot1().xPset(m.OriginX, -m.OriginY, shell::LineColor(ctx, palette::kLightRed));
}

}  // namespace dials::vertical2d
