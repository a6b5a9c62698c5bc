// Italian hours (counted from sunset) and Babylonian hours (counted from sunrise). The suns of
// one such hour lie on one great circle, the horizon turned about the polar axis; its plane
// through the style tip cuts the wall in the hour's line. In the world frame of the northern
// wall this programme draws (see wall_frame.h), the Italian hour whose equinox sun stands at
// hour angle H has the horizon turned by H - 90 degrees (the equinox sun sets six hours later),
// the Babylonian hour the horizon turned by H + 90 (it rose six hours before); the normal of the
// plane is the zenith turned the same way (Wall::turnedHorizon). Taken this way the line is
// exact on every wall, on one facing due east or west too, where the equinoctial point of the
// noon hours lies at infinity, and near the equator, where the circle that grazes the horizon
// shrinks about the pole. Each family is drawn in its own colour on every wall.
//
// Of each line, the part across the plot area where the sun of its hour casts a shadow is drawn,
// as one segment (the plot clips it): where the point's sun stands above the horizon
// (geometry::aboveHorizon) on the family's half of the turned horizon (HourPlaneHalf::
// ofTurnedHorizon, the half of the hour plane of H, whose boundary is the hour line six hours
// from H). On the other half the same line carries the suns of the other family's hour of the
// same number: the hour circle of Italian hour n is that of Babylonian hour n, each family owning
// one half of it. Both rules are sides of lines on the wall (Wall::sunAboveHorizon, Wall::
// ownHalf): the segment is cut where it crosses them.
//
// The lines are drawn at every latitude: beyond the polar circles too, where the suns of an
// hour are those of the days that have a sunrise and a sunset (the turned horizon holds no
// other sun above the horizon), and on the equator.

#include <cmath>

#include "dials/plot_line.h"
#include "dials/plot_segment.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "dials/vertical2d/wall_frame.h"
#include "numeric/step_loop.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

enum class Family { Italian, Babylonian };

void drawHourFamily(shell::Context& ctx, Family family) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(
        ctx, family == Family::Italian ? palette::kLightRed : palette::kLightMagenta);
    const Wall wall = Wall::northernMirror(m);
    // On the dial of the northern place this programme draws, a southern Italian hour is a
    // northern Babylonian one and the reverse.
    const bool northernItalian = (family == Family::Italian) == (m.WorkFlag > 0);
    const double turn = northernItalian ? -m.Pi / 2 : m.Pi / 2;

    numeric::countedLoop(m.HourCounter, -105, 105, 15, [&](double H) {
        const double hourAngle = H * m.Pi / 180;
        const HourPlaneHalf half = HourPlaneHalf::ofTurnedHorizon(
            wall.latitude(), hourAngle + turn, m.Pi, northernItalian);
        const LineEquation line = wall.turnedHorizon(hourAngle + turn);
        // The line across the plot area, then the part of it where the sun of this hour casts
        // its shadow. A line whose ends cannot be computed is not drawn.
        const auto across = segmentAcrossBox(line, plotBox(plot));
        if (!across) return;
        // On the equator every such line, the horizon and the boundary of the own half run
        // through one point (the shadow of the pole, on the horizon): a line whose own half
        // lies below the horizon keeps a part of a rounding's length there, which is no part.
        const LineEquation sides[] = {wall.sunAboveHorizon(), wall.ownHalf(half)};
        const auto lit = segmentPart(across->first, across->second, sides, false);
        if (lit && std::hypot(lit->second.x - lit->first.x, lit->second.y - lit->first.y) >
                       numeric::kStoredPiResidue * m.StyleLength &&
            partInBox(lit->first, lit->second, plotBox(plot)))
            plotSegment(plot, lit->first, lit->second, colour);
    });
}

}  // namespace

void DrawItalianHoursVert2D(shell::Context& ctx) { drawHourFamily(ctx, Family::Italian); }

void DrawBabylonianHoursVert2D(shell::Context& ctx) { drawHourFamily(ctx, Family::Babylonian); }

}  // namespace dials::vertical2d
