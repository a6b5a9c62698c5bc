// The straight lines of the dial: the equinoctial (the plane through the style tip perpendicular
// to the polar axis), the horizon (the horizontal plane through the tip), the noon line (the
// meridian plane through the tip) and the substyle line (the plane of the perpendicular style
// and the polar axis). A point that cannot be solved is not drawn. The equinoctial and the noon
// line are taken along themselves across the plot area (see dial_line.h), so that both free
// variables draw them whatever their direction; the noon line keeps its half beyond the centre
// only where the midnight sun can reach it.

#include <cmath>

#include "dials/plot_segment.h"
#include "dials/flat3d/dial_line.h"
#include "dials/flat3d/plane.h"
#include "dials/flat3d/procedures.h"
#include "dials/plot_curve.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::flat3d {

namespace {

using numeric::checkedDiv;

// The substyle of either variable, swept by a world coordinate t from -1 to 1 by 1 mm: laid by
// the curve sampler, so that where the plane stretches that coordinate the line still has a
// point every 2 mm (kLineStep) across the plot area. Each point plotted, in the order of t, sets
// the substyle's slope; variable X keeps its angle too, and the style's elevation.
void drawSubstyleLine(shell::Context& ctx, bool variableX) {
    shell::Module1& m = ctx.m;
    const PlaneGeometry g = PlaneGeometry::from(m);
    plotCurve(
        ctx.ixPlot1(), shell::LineColor(ctx, palette::kLightBlue),
        [&](double t) {
            return std::optional<DialPoint>(variableX ? g.substyleAtX(t) : g.substyleAtY(t));
        },
        {-1, 1, 0.001}, kLineStep,
        [&](double, const DialPoint& p) {
            numeric::assignOrSkip(m.SubstyleSlope, [&] { return -checkedDiv(p.x, p.y); });
            if (variableX) m.SubstyleAngle = std::atan(m.SubstyleSlope);
        });
    if (variableX) storeStyleElevation(m, g);
}

}  // namespace

// Both pipelines draw the horizon the same way: its height is that of the style tip.
void DrawHorizonLine(shell::Context& ctx) {
    const PlaneGeometry g = PlaneGeometry::from(ctx.m);
    plot::PlotSurface& plot = ctx.ixPlot1();
    double v = 0;
    if (!numeric::assignOrSkip(v, [&] { return checkedDiv(g.Z0, std::cos(g.R)); })) return;
    const numeric::Colour colour = shell::LineColor(ctx, palette::kGreen);
    for (double t : numeric::StepRange(-1, 1, 0.002)) plot.xPset(t, -v, colour);
}

// The noon line of either variable: the hour line of 0, the line of the meridian plane through
// the tip, X = X0, each point drawn where the shadow reaches it.
void DrawNoonLine(shell::Context& ctx) {
    const PlaneGeometry g = PlaneGeometry::from(ctx.m);
    plotLineInArea(ctx.ixPlot1(), shell::LineColor(ctx, palette::kRed), hourLine(g, 0),
                   litPartOfHourLine(g, 0, ctx.m.Pi, false));
}

// The equinoctial of either variable, whole; none on a plane parallel to the plane of the
// equator (an equatorial dial, a wall facing due north or south on the equator), whose sun of
// the equinox moves parallel to it. On the equator the plane of the equator is
// Y = Y0; on a vertical wall there it meets the wall in a vertical line, drawn as a segment
// from the horizon through the foot down to the bottom edge of the plot area (the sun of the
// equinox casts its shadow on the whole of it).
void DrawEquinoctialLine(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    const PlaneGeometry g = PlaneGeometry::from(m);
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightBlue);
    if (g.face.parallelToPlane(celestialPole(g.phi))) return;
    if (m.LatRad == 0 && m.ReclRad == 0) {
        double u0 = 0;
        if (numeric::assignOrSkip(u0, [&] { return checkedDiv(-m.PlaneCoefY, std::sin(g.D)); }))
            plotSegment(plot, {u0, 0}, {u0, -std::fmax(0.0, plot.QuadranteH() - plot.ShiftY())},
                        colour);
        return;
    }
    plotLineInArea(plot, colour, g.face.section(celestialPole(g.phi), tipOf(g)),
                   [](const DialPoint&) { return true; });
}

void DrawSubstyleLineX(shell::Context& ctx) { drawSubstyleLine(ctx, true); }

void DrawSubstyleLineY(shell::Context& ctx) { drawSubstyleLine(ctx, false); }

}  // namespace dials::flat3d
