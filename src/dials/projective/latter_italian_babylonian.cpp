// Italian hours (counted from sunset) and Babylonian hours (from sunrise) of the latter
// projective dial. The suns of one such hour lie on the horizon turned about the polar axis
// (geometry/sky.h); the plane of that circle through the tip cuts the dial in a straight line.
// Thirteen lines each, 15 degrees apart: through the equinoctial point of the local hour angle n
// pass the Italian hour (n + 270) / 15 and the Babylonian hour (n + 90) / 15.
//
// Each line is taken in dial coordinates from the circle's plane and laid across the plot area
// by the shared sampler (plotLineInArea, 2 mm apart along the dial axis it runs most along), so
// that a line running in any direction is drawn whole. A point is kept where its sun stands above
// the horizon on the family's half of the circle (HourPlaneHalf::castsOwnHour): the rest of the
// line belongs to the other family's hour of the same number, or to a sun below the horizon, and
// the lines of n = +-90, the horizon itself (Italian 24, Babylonian 0), keep nothing.

#include <cmath>

#include "dials/plot_line.h"
#include "dials/projective/latter_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

namespace {

using latter::sq;
using numeric::checkedDiv;

// turn: the circle's turn for the hour angle n (degrees), theta = n + turn. The Italian hours
// take the setting half of their circles, the Babylonian hours the rising half.
void drawFamily(shell::Context& ctx, double turn, bool italian, int colourIndex) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
    const Face face = latter::dialFace(m);
    const double g = m.StyleLength;
    const Vec3 tip = g * face.out;

    // The hour counter is kept where the programme keeps it.
    numeric::countedLoop(m.HourCounter, -90, 90, 15, [&](double n) {
        const double theta = (n + turn) * m.Pi / 180;
        const HourPlaneHalf half = HourPlaneHalf::ofTurnedHorizon(m.LatRad, theta, m.Pi, italian);
        plotLineInArea(plot, colour, face.section(turnedHorizonNormal(m.LatRad, theta), tip),
                       [&](const DialPoint& p) { return half.castsOwnHour(face.sunOf(g, p)); });
    });
}

}  // namespace

// Italian hour (n + 270) / 15 sets 6 - n / 15 hours later: the horizon turned back by 90 - n.
void DrawItalianHoursProjLatter(shell::Context& ctx) { drawFamily(ctx, -90, true, 12); }

// Babylonian hour (n + 90) / 15 rose 6 + n / 15 hours before: the horizon turned on by 90 + n.
void DrawBabylonianHoursProjLatter(shell::Context& ctx) { drawFamily(ctx, 90, false, 13); }

}  // namespace dials::projective
