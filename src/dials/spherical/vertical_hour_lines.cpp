// The noon line, the hour lines and the horizon of the vertical dial by spherical trigonometry.
// An hour line is a run of shadow points of one hour angle, one for each declination of the sun
// between the solstices where it shines on the wall, for the hours round the day
// (forEachHourOfTheDay): near the poles the summer sun lights walls turned to the pole in the
// small hours. With standard-meridian time every hour angle is moved by the angle between the
// local meridian and the zone's. Every line is laid whole by the shared curve sampler
// (layLine).

#include <cmath>

#include "dials/plot_segment.h"
#include "dials/six_oclock.h"
#include "dials/spherical/vertical_procedures.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::spherical {

void PlotNoonLineVertSph(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    // A wall facing due east or west lies parallel to the meridian plane through the tip: it has
    // no noon line (the stored Pi would put one some 5e9 style lengths away).
    const Face wall = vsph::wallFace(m);
    if (wall.parallelToPlane(hourPlaneNormal(m.LatRad, 0))) return;
    // The vertical through the dial centre, from the top edge of the plot down to as far below
    // the origin: the centre's abscissa, the substyle's run across the wall over the elevation
    // sine, -s along.x / E (-s tan D, which stays finite at the pole, where the centre itself
    // lies at infinity up the wall).
    numeric::skip([&] {
        const double x0 = numeric::checkFinite(
            -numeric::checkedDiv(m.StyleLength, wall.polarElevationSine(m.LatRad)) *
            wall.substyleDirection(m.LatRad).x);
        plotSegment(plot, {x0, -plot.ShiftY()}, {x0, plot.ShiftY()},
                    shell::LineColor(ctx, palette::kRed));
    });
}

void PlotHourLinesVertSph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    auto hourLine = [&](double hour) {
        // The colour names the hour, before the shift to standard time: noon, and six o'clock.
        const numeric::Colour drawn = shell::LineColor(ctx, hourLineColourIndex(hour, true));
        double t = 0;
        if (!numeric::assignOrSkip(t, [&] { return vsph::clockHourAngle(ctx, hour); })) return;
        layLine(ctx, vsph::hourLineSweep(m), drawn, vsph::curveOf(vsph::hourLineAt(m, t)));
    };
    // More lines than the run's budget pays for draw nothing.
    numeric::skip([&] { forEachHourOfTheDay(m.HourStep, hourLine); });
}

namespace vsph {

double clockHourAngle(const shell::Context& ctx, double hour) {
    const shell::Module1& m = ctx.m;
    const double f = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    return (hour - f * m.ZoneCorrRad * 180 / m.Pi) * m.Pi / 180;
}

}  // namespace vsph

void PlotHorizonVertSph(shell::Context& ctx) {
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.xLine(-plot.ShiftX(), 0, plot.ShiftX(), 0, shell::LineColor(ctx, palette::kGreen));
}

}  // namespace dials::spherical
