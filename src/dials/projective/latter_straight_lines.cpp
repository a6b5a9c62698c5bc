// The segments of the latter projective dial: the substyle line and the triangle of the style
// laid on the dial. Both run to the centre, which the driver computes before them, or parallel
// to the polar axis where the centre lies at infinity.

#include <cmath>

#include "dials/plot_segment.h"
#include "dials/plot_line.h"
#include "dials/projective/latter_procedures.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"

namespace dials::projective {

void DrawSubstyleProjLatter(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    if (latter::centreAtInfinity(m)) {
        plotLineThroughArea(ctx.ixPlot1(), {0, 0}, dialFace(m).substyleDirection(m.LatRad),
                            shell::LineColor(ctx, palette::kLightBlue));
        return;
    }
    plotSegment(ctx.ixPlot1(), {2 * m.CentreX, 2 * m.CentreY}, {-2 * m.CentreX, -2 * m.CentreY},
                shell::LineColor(ctx, palette::kLightBlue));
}

void DrawStyleTriangleProjLatter(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double g = m.StyleLength;
    // The substyle from the foot towards the centre; where the centre lies at infinity, along
    // the polar axis laid on the dial.
    const bool atInfinity = latter::centreAtInfinity(m);
    const DialPoint towards = atInfinity ? dialFace(m).substyleDirection(m.LatRad)
                                         : DialPoint{m.CentreX, m.CentreY};
    // The perpendicular style turned into the dial at right angles to the substyle. A centre level
    // with the foot puts the substyle along x, the style along y.
    const double theta = towards.y != 0 ? -std::atan(towards.x / towards.y)
                                        : -numeric::sgn(towards.x) * m.Pi / 2;
    const double tipX = g * std::cos(theta), tipY = g * std::sin(theta);
    plotSegment(plot, {0, 0}, {tipX, tipY}, shell::LineColor(ctx, palette::kLightMagenta));
    if (atInfinity) {
        // The polar style and the substyle run parallel, through the tip laid down and through
        // the foot, across the plot area; there is no centre and no vertical through it.
        plotLineThroughArea(plot, {tipX, tipY}, towards,
                            shell::LineColor(ctx, palette::kLightBlue));
        plotLineThroughArea(plot, {0, 0}, towards, shell::LineColor(ctx, palette::kLightYellow));
        return;
    }
    plotSegment(plot, {m.CentreX, m.CentreY}, {tipX, tipY},
                shell::LineColor(ctx, palette::kLightBlue));
    plotSegment(plot, {m.CentreX, m.CentreY}, {0, 0}, shell::LineColor(ctx, palette::kLightYellow));
    // The line of steepest slope through the centre.
    plotSegment(plot, {m.CentreX, plot.ShiftY()}, {m.CentreX, -2 * plot.ShiftY()},
                shell::LineColor(ctx, palette::kDarkGrey));
}

}  // namespace dials::projective
