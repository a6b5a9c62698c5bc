// Italian and Babylonian hours of the former projective dial. The suns of one such hour lie on
// the horizon turned about the polar axis (geometry/sky.h); the plane of that circle through the tip
// cuts the dial in a straight line. Thirteen lines each, 15 degrees apart: through the equinoctial
// point of hour angle H pass the Italian hour 18 - H / 15 and the Babylonian hour 6 - H / 15 (H
// counts towards the morning), and each line touches the day circle of declination 90 - lat, the
// circle that grazes the horizon.
//
// Each line is taken in dial coordinates from the circle's plane and laid across the plot area
// by the shared sampler (plotLineInArea, 2 mm apart along the dial axis it runs most along), so
// that a line running in any direction is drawn whole, down to the equator. A point is kept where
// its sun stands above the horizon on the family's half of the circle
// (HourPlaneHalf::castsOwnHour): the rest of the line belongs to the other family's hour of the
// same number, or to a sun below the horizon, and the lines of H = +-90, the horizon itself
// (Italian 24, Babylonian 0), keep nothing.

#include <cmath>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "dials/plot_line.h"
#include "dials/projective/former_procedures.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

using numeric::checkedDiv;
using numeric::StepRange;

namespace {

// turn: the circle's turn for the hour angle H (degrees, towards the morning), theta = turn +
// westward(H), counted towards the afternoon as the shared sky counts its turns. The Italian hours take the
// setting half of their circles, the Babylonian hours the rising half.
void drawItalianBabylonian(shell::Context& ctx, double turn, bool italian, int colourIndex) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
    const Face face = former::dialFace(m);
    const double L = m.StyleLength;
    const Vec3 tip = L * face.out;
    for (double H : StepRange(-90, 90, 15)) {
        m.HourCounter = H;
        const double theta = (turn + westward(H)) * m.Pi / 180;
        const HourPlaneHalf half = HourPlaneHalf::ofTurnedHorizon(m.LatRad, theta, m.Pi, italian);
        plotLineInArea(plot, colour, face.section(turnedHorizonNormal(m.LatRad, theta), tip),
                       [&](const DialPoint& p) { return half.castsOwnHour(face.sunOf(L, p)); });
    }
}

}  // namespace

// Italian hour 18 - H / 15 sets 6 + H / 15 hours later: the horizon turned back by 90 + H.
void DrawItalianHoursProjFormer(shell::Context& ctx) {
    drawItalianBabylonian(ctx, -90, true, 12);
}

// Babylonian hour 6 - H / 15 rose that long before: the horizon turned on by 90 - H.
void DrawBabylonianHoursProjFormer(shell::Context& ctx) {
    drawItalianBabylonian(ctx, 90, false, 13);
}

}  // namespace dials::projective
