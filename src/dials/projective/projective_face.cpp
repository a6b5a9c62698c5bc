// What both projective programmes draw straight from the dial's face: the equinoctial, the
// horizon, and the Italian and Babylonian hours. The suns of one such hour lie on the horizon
// turned about the polar axis (geometry/sky.h); the plane of that circle through the tip cuts
// the dial in a straight line. Thirteen lines each, 15 degrees apart, each touching the day
// circle of declination 90 - lat, the circle that grazes the horizon.
//
// Each line is taken in dial coordinates from its plane and laid across the plot area by the
// shared sampler (plotLineInArea, 2 mm apart along the dial axis it runs most along), so that a
// line running in any direction is drawn whole, down to the equator. A point of an Italian or
// Babylonian line is kept where its sun stands above the horizon on the family's half of the
// circle (HourPlaneHalf::castsOwnHour): the rest of the line belongs to the other family's hour
// of the same number, or to a sun below the horizon, and the horizon itself (Italian 24,
// Babylonian 0) keeps nothing.

#include <cmath>

#include "dials/geometry_names.h"
#include "dials/plot_line.h"
#include "dials/plot_segment.h"
#include "dials/projective/former_procedures.h"
#include "dials/projective/latter_procedures.h"
#include "dials/projective/projective_face.h"
#include "geometry/sky.h"
#include "geometry/stored_pi.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"

namespace dials::projective {

namespace {

// The hour counter n runs from -90 to 90 degrees, kept where the programmes keep it; the circle
// is turned by theta = turn + sense n, counted towards the afternoon as the shared sky counts its
// turns: sense is -1 for the former programme, whose hour angles count towards the morning. The
// Italian hours take the setting half of their circles, the Babylonian hours the rising half.
void drawFamily(shell::Context& ctx, double sense, double turn, bool italian,
                palette::Index colourIndex) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
    const Face face = dialFace(m);
    const double L = m.StyleLength;
    const Vec3 tip = L * face.out;
    numeric::countedLoop(m.HourCounter, -90, 90, 15, [&](double n) {
        const double theta = (turn + sense * n) * m.Pi / 180;
        const HourPlaneHalf half = HourPlaneHalf::ofTurnedHorizon(m.LatRad, theta, m.Pi, italian);
        plotLineInArea(plot, colour, face.section(turnedHorizonNormal(m.LatRad, theta), tip),
                       [&](const DialPoint& p) { return half.castsOwnHour(face.sunOf(L, p)); });
    });
}

}  // namespace

void ReadProjectivePlane(shell::Context& ctx) {
    using numeric::checkFinite;
    shell::Module1& m = ctx.m;
    const shell::InputRecord& in = ctx.inputs;
    m.HourStep = numeric::checkedDiv(15, in.number("TxtHour"));
    m.Pi = kStoredPi;
    m.LatDegrees = checkFinite(in.number("txtLAT"));
    m.LatRad = m.LatDegrees * m.Pi / 180;
    m.DeclDegrees = m.DeclSign * checkFinite(shell::typedDeclination(in));
    m.WallDeclRad = m.DeclDegrees * m.Pi / 180;
    m.DeclDecimal = m.DeclDegrees;
    m.ReclDeg = checkFinite(shell::typedReclination(in, 1));
    m.ReclRad = m.ReclDeg * m.Pi / 180;
    m.StyleLength = checkFinite(in.number("txtStilo"));
}

void DrawEquinoctialProj(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    const Face face = dialFace(m);
    plotLineInArea(ctx.ixPlot1(), shell::LineColor(ctx, palette::kLightBlue),
                   face.section(celestialPole(m.LatRad), m.StyleLength * face.out),
                   [](const DialPoint&) { return true; });
}

void DrawHorizonProj(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    // The tip stands |L| out of the plane, so the line level with it lies |L| tan R up the slope
    // from the foot. Formed from the style alone, it stays exact where the centre lies far off
    // (a plane near the polar axis), whose height the polar style's terms would cancel.
    const double h0 = numeric::checkFinite(std::fabs(m.StyleLength) * std::tan(m.ReclRad));
    plotSegment(plot, {-plot.ShiftX(), h0}, {plot.ShiftX(), h0},
                shell::LineColor(ctx, palette::kGreen));
}

// Former: through the equinoctial point of hour angle H (towards the morning) pass the Italian
// hour 18 - H / 15, which sets 6 + H / 15 hours later (the horizon turned back by 90 + H), and
// the Babylonian hour 6 - H / 15, which rose that long before (turned on by 90 - H).
void DrawItalianHoursProjFormer(shell::Context& ctx) {
    drawFamily(ctx, -1, -90, true, palette::kLightRed);
}

void DrawBabylonianHoursProjFormer(shell::Context& ctx) {
    drawFamily(ctx, -1, 90, false, palette::kLightMagenta);
}

// Latter: through the equinoctial point of the local hour angle n pass the Italian hour
// (n + 270) / 15, which sets 6 - n / 15 hours later (the horizon turned back by 90 - n), and the
// Babylonian hour (n + 90) / 15, which rose 6 + n / 15 hours before (turned on by 90 + n).
void DrawItalianHoursProjLatter(shell::Context& ctx) {
    drawFamily(ctx, 1, -90, true, palette::kLightRed);
}

void DrawBabylonianHoursProjLatter(shell::Context& ctx) {
    drawFamily(ctx, 1, 90, false, palette::kLightMagenta);
}

}  // namespace dials::projective
