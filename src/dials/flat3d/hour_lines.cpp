// Hour lines: the hour line of hour angle H (positive towards the east) is the intersection of
// the dial plane with the hour plane of H through the style tip (geometry/sky.h, which counts hour
// angles west positive: it is given westward(H)). Each line is a run of points across the plot area (see
// dial_line.h). The half of the line from the centre on which the shadow of hour H falls is
// always drawn; beyond the centre lies the line of H + 180, drawn only when the sun of that hour
// can light it (see litPartOfHourLine).

#include <cmath>

#include "dials/plot_segment.h"
#include "dials/flat3d/dial_line.h"
#include "dials/flat3d/plane.h"
#include "dials/flat3d/procedures.h"
#include "dials/six_oclock.h"
#include "numeric/step_loop.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"

namespace dials::flat3d {

namespace {

// A plane facing south and reclined by the colatitude contains the polar axis: its hour lines
// are parallel. The reclination is compared within a tolerance far below any typed precision,
// so that 90 - latitude computed in binary still counts as the colatitude typed.

bool isPolarPlane(const shell::Module1& m) {
    return std::fabs((90 - m.LatDegrees) - m.ReclDeg) <= numeric::kStoredPiResidue &&
           m.WallDeclRad == 0;
}

double hourAngle(const shell::Module1& m, double hourLoop, double standardMeridian) {
    return hourLoop * m.Pi / 180 + standardMeridian * m.LonCorrRad;
}

// X0 + Y0 sin(phi) tan H - Z0 cos(phi) tan H: the hour plane's right-hand side.
double hourPlaneOffset(const PlaneGeometry& g, double H) {
    return g.X0 + g.Y0 * std::sin(g.phi) * std::tan(H) - g.Z0 * std::cos(g.phi) * std::tan(H);
}

double standardMeridianFactor(const shell::Context& ctx) {
    return shell::ticked(ctx, "ck_Etna") ? 1 : 0;
}

// The polar dial: vertical segments half an hour apart whatever the hour fraction; none for the
// hours whose suns lie in the plane (6 and 18 h: their hour planes are the dial's own).
void drawPolarHourLines(shell::Context& ctx, const PlaneGeometry& g, double E) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    numeric::countedLoop(m.HourLoop, -90, 90, 7.5, [&](double hourLoop) {
        const double H = hourAngle(m, hourLoop, E);
        m.HourAngleRad = H;
        if (hourPlaneParallel(g, H)) return;
        const double u = hourPlaneOffset(g, H);
        if (!std::isfinite(u)) return;
        plotSegment(plot, {u, plot.ShiftY()}, {u, -plot.ShiftY()},
                    shell::LineColor(ctx, palette::kWhite));
    });
}

// The hour lines of both variables, one a round of the counted loop over the hour angles: the
// colour, the hour angle (kept in HourAngleRad), and the line's points across the plot area,
// each drawn where the shadow reaches. Every line is taken along itself, so that a line lying
// (almost) in a plane of constant stepped coordinate, the noon line of variable X among them,
// is drawn as any other.
void drawHourLines(shell::Context& ctx, const PlaneGeometry& g, double E) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const bool bothSix = loopDrawsBothSixOClockLines(m.HourStep);
    numeric::countedLoop(m.HourLoop, -90, 90, m.HourStep, [&](double hourLoop) {
        const numeric::Colour colour = shell::LineColor(ctx, hourLineColourIndex(hourLoop, true));
        const double H = hourAngle(m, hourLoop, E);
        m.HourAngleRad = H;
        plotLineInArea(plot, colour, hourLine(g, H),
                       litPartOfHourLine(g, H, m.Pi, bothSix && isSixOClock(hourLoop)));
    });
}

}  // namespace

void DrawHourLinesX(shell::Context& ctx) {
    const double E = standardMeridianFactor(ctx);
    const PlaneGeometry g = PlaneGeometry::from(ctx.m);
    if (isPolarPlane(ctx.m))
        drawPolarHourLines(ctx, g, E);
    else
        drawHourLines(ctx, g, E);
}

void DrawHourLinesY(shell::Context& ctx) {
    drawHourLines(ctx, PlaneGeometry::from(ctx.m), standardMeridianFactor(ctx));
}

}  // namespace dials::flat3d
