// The triangle of the style laid into the wall: the foot O, the centre Z and the tip of the
// perpendicular style folded down into the wall, P, at the style length from the foot
// perpendicular to the substyle.

#include <cmath>

#include "dials/vertical2d/vertical2d_geometry.h"
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

    if (m.DeclDecimal == 180) m.SubstyleRad = 0;
    // A wall facing due east or west holds a style parallel to it: there is no centre, and only
    // the perpendicular style is laid down (never a side to a centre left by an earlier run).
    const bool hasCentre = std::fabs(m.DeclDecimal) != 90;
    const double S = m.SubstyleRad;
    if (hasCentre) {
        m.SetupTemp4 = numeric::checkedDiv(L, std::tan(m.StyleElevRad));
        m.CentreX = checkFinite(std::sin(S) * m.SetupTemp4);
        m.CentreY = checkFinite(std::cos(S) * m.SetupTemp4);
    }
    m.OriginX = 0;
    m.OriginY = 0;
    const DialPoint O{m.OriginX, m.OriginY};
    const DialPoint Z{m.CentreX, m.CentreY};

    // The typed latitude: at the pole itself the substyle is not defined.
    if (m.LatAbsDeg == 90 || m.LatAbsDeg == -90) {
        const double quarter = m.Pi / 4;
        const DialPoint P{L * std::cos(quarter), -L * std::sin(quarter)};
        plotDialSegment(plot, P, O, shell::LineColor(ctx, 13));
        return;
    }
    // Each side where it crosses the plot area: the centre of a wall nearly holding the polar
    // axis lies as good as at infinity.
    const DialPoint P{checkFinite(L * std::cos(S)), checkFinite(-L * std::sin(S))};
    if (hasCentre && std::fabs(m.CentreY) < 3)
        plotSegmentInArea(plot, P, Z, shell::LineColor(ctx, 9));
    plotSegmentInArea(plot, P, O, shell::LineColor(ctx, 13));
    if (hasCentre) plotSegmentInArea(plot, Z, O, shell::LineColor(ctx, 14));
    plotDialPoint(plot, O, shell::LineColor(ctx, 15));
}

}  // namespace dials::vertical2d
