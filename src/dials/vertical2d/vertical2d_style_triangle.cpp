// The triangle of the style laid into the wall: the foot O, the centre Z and the tip of the
// perpendicular style folded down into the wall, P, at the style length from the foot
// perpendicular to the substyle.

#include <cmath>

#include "dials/plot_segment.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "dials/vertical2d/wall_lines.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

void DrawStyleTriangleVert2D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    using numeric::checkFinite;
    const double L = m.StyleLength;

    // A wall facing due north keeps the substyle on its noon line, for the procedures after.
    const bool facingNorth = m.DeclDecimal == 180;
    const double S = facingNorth ? 0 : m.SubstyleRad;
    // A wall facing due east or west holds a style parallel to it: there is no centre, and only
    // the perpendicular style is laid down (never a side to a centre left by an earlier run).
    const bool hasCentre = std::fabs(m.DeclDecimal) != 90;
    const DialPoint Z = hasCentre ? centreOnSubstyle(m, S) : DialPoint{m.CentreX, m.CentreY};
    const DialPoint O{0, 0};

    if (facingNorth) m.SubstyleRad = 0;
    m.CentreX = Z.x;
    m.CentreY = Z.y;
    m.OriginX = O.x;
    m.OriginY = O.y;

    // Each side as the plot area shows it (dials::plotSegment): the centre of a wall nearly
    // holding the polar axis lies as good as at infinity (the pole too, drawn as the latitude the
    // set-up takes for it: the tip laid down level beside the upright substyle).
    const DialPoint P{checkFinite(L * std::cos(S)), checkFinite(-L * std::sin(S))};
    if (hasCentre && std::fabs(Z.y) < 3)
        plotSegment(plot, P, Z, shell::LineColor(ctx, palette::kLightBlue));
    plotSegment(plot, P, O, shell::LineColor(ctx, palette::kLightMagenta));
    if (hasCentre) plotSegment(plot, Z, O, shell::LineColor(ctx, palette::kLightYellow));
    plotDialPoint(plot, O, shell::LineColor(ctx, palette::kWhite));
}

}  // namespace dials::vertical2d
