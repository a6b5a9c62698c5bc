// The light graph's hour lines: for each hour angle a straight line through the dial centre,
// drawn as points every PointStep metres along it over the whole plot area, whatever its
// direction (a line perpendicular to the substyle as well as one along it).

#include <cmath>

#include "dials/six_oclock.h"
#include "dials/vertical2d/light_graph_procedures.h"
#include "dials/vertical2d/wall_lines.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

void DrawHourLinesLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    // Standard-meridian time moves every line by the hour angle of the zone correction.
    const double E = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    m.PlaneCoefY = m.StyleLength * std::tan(m.StyleElevRad);
    // A wall facing due south or due north at the equator has the polar style perpendicular to
    // it: the hour lines then radiate from the style foot.
    const bool perpendicularStyle =
        m.LatDegrees == 0 && (m.DeclDecimal == 0 || std::fabs(m.DeclDecimal) == 180);
    const double K = perpendicularStyle ? 0 : 1;
    const PlotBox area = plotBox(plot);

    numeric::countedLoop(m.HourCounter, -90, 90, m.HourStep, [&](double hour) {
        const double H = hour * m.Pi / 180 + m.SubstyleHour - E * m.ZoneCorrRad;
        // The light graph's substyle angle counts the other way round.
        plotLinePoints(plot, shell::LineColor(ctx, hourLineColourIndex(hour, true)),
                       hourLineOnWall(H, m.StyleElevRad, -m.SubstyleRad, m.StyleLength, K), area,
                       m.PointStep);
    });
}

}  // namespace dials::vertical2d
