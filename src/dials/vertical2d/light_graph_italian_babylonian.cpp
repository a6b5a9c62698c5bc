// The light graph's Italian hours (counted from sunset) and Babylonian hours (from sunrise). The
// suns of one such hour lie on one great circle, the horizon turned about the polar axis: for the
// hour whose equinox sun stands at hour angle h (afternoon positive), by h - 90 degrees for the
// Italian hour (that sun sets six hours later) and by h + 90 degrees for the Babylonian hour (it
// rose six hours before). The circle's pole is the zenith turned the same way, the point of
// declination equal to the latitude at that hour angle, and its plane through the style tip cuts
// the wall in the hour's line (Wall::turnedHorizon): exact on every wall, near the equator too,
// where the circle that grazes the horizon (which every such line touches) shrinks about the pole.
// Each line is drawn as points every PointStep metres across the plot area, where the sun of its
// hour casts a shadow: the point's sun (Wall::sunOf) stands above the horizon (dials::
// aboveHorizon) on the family's half of the turned horizon (HourPlaneHalf::ofTurnedHorizon, the
// half of the hour plane of the line's equinox hour). On the other half the same line carries the
// suns of the other family's hour of the same number, each family owning one half of the hour
// circle they share.

#include "dials/vertical2d/light_graph_procedures.h"
#include "dials/vertical2d/wall_frame.h"
#include "dials/vertical2d/wall_lines.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

enum class Family { Italian, Babylonian };

void drawHourFamily(shell::Context& ctx, Family family) {
    shell::Module1& m = ctx.m;
    // At the pole every such circle is the horizon: no line. On the equator the lines run
    // through the shadow of the pole on the horizon.
    if (m.LatDegrees == 90) return;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(
        ctx, family == Family::Italian ? palette::kLightRed : palette::kLightMagenta);
    const double turn = family == Family::Italian ? -m.Pi / 2 : m.Pi / 2;
    const Wall wall = Wall::lightGraph(m);
    const PlotBox area = plotBox(plot);

    // The hour loop counts in a shared cell, as it always has; it ends one step past 90.
    numeric::countedLoop(m.HourCounter, -90, 90, 15, [&](double hour) {
        const double h = hour * m.Pi / 180;
        const HourPlaneHalf half = HourPlaneHalf::ofTurnedHorizon(
            wall.latitude(), h + turn, m.Pi, family == Family::Italian);
        plotLinePoints(plot, colour, wall.turnedHorizon(h + turn), area, m.PointStep,
                       [&](const DialPoint& p) {
                           const Vec3 sun = wall.sunOf(p);
                           return half.castsOwnHour(sun);
                       });
    });
}

}  // namespace

void DrawItalianHoursLight(shell::Context& ctx) { drawHourFamily(ctx, Family::Italian); }

void DrawBabylonianHoursLight(shell::Context& ctx) { drawHourFamily(ctx, Family::Babylonian); }

}  // namespace dials::vertical2d
