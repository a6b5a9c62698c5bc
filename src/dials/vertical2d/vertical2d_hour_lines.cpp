// Hour lines: each is the straight line from the centre Z through the point where the hour line
// meets the equinoctial, drawn as one segment across the whole plot area (the plot clips it),
// whatever its direction. In the northern hemisphere the line of loop value H is the shadow line
// of the hour angle H (west positive); for a southern latitude (a wall facing north) that of -H.
// An hour whose suns lie in the wall (noon on a wall facing due east or west) has no line.

#include <cmath>

#include "dials/plot_line.h"
#include "dials/plot_segment.h"
#include "dials/six_oclock.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "dials/vertical2d/wall_lines.h"
#include "geometry/face.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

void DrawHourLinesVert2D(shell::Context& ctx) {
    // The wall in its own frame: right, up and out as the axes.
    constexpr Face kWallAxes{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();

    const double k = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    const double correction = m.ZoneCorrRad * k * m.WorkFlag;
    const double e = m.StyleElevRad, S = m.SubstyleRad, L = m.StyleLength;

    numeric::countedLoop(m.HourCounter, -90, 90, m.HourStep, [&](double H) {
        const double h = H * m.Pi / 180 + m.SubstyleHour - correction;
        // The line through the centre making the angle atan(sin e tan h) with the substyle.
        const LineEquation line = hourLineOnWall(h, e, S, L);
        // (a, b, c / L) is the hour plane's unit normal in the wall's right, up and out: a
        // plane parallel to the wall (noon on a wall facing due east or west, whose suns lie
        // in the wall) meets it only at infinity and has no line.
        if (kWallAxes.parallelToPlane({line.a, line.b, std::cos(e) * std::sin(h)})) return;
        // A line whose ends cannot be computed, or that misses the plot area, is not drawn.
        const auto ends = segmentAcrossBox(line, plotBox(plot));
        if (!ends || !partInBox(ends->first, ends->second, plotBox(plot))) return;
        plotSegment(plot, ends->first, ends->second,
                    shell::LineColor(ctx, hourLineColourIndex(H, false)));
    });
}

}  // namespace dials::vertical2d
