// The light graph's analemma: the shadow of the style tip at 12:00 standard time through the
// year, one point every two mean days. The sun's declination and equation of time come from the
// series every analemma of the system shares; the point is where the sun's line through the tip
// meets the wall. A day whose point cannot be computed, or whose sun then stands behind the wall
// or below the horizon, is skipped.

#include <cmath>

#include "dials/sun_series.h"
#include "dials/vertical2d/light_graph_procedures.h"
#include "dials/vertical2d/wall_frame.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

// The eccentricity of the day's conic in the substyle frame (the cone of sun rays of that
// declination), sqrt(1 - T) with T = sin^2 e - cot^2(delta) cos^2 e. Throws at the equinox,
// whose rays make a plane and no cone.
double dayConicEccentricity(const shell::Module1& m, double declination) {
    const double e = m.StyleElevRad;
    const double k = numeric::checkedDiv(1, sq(std::tan(declination)));
    const double T = sq(std::sin(e)) - k * sq(std::cos(e));
    return numeric::checkedSqrt(1 - T);
}

}  // namespace

void PlotAnalemmaLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    // The analemma computes with this value of pi, and so does the rest of the run.
    m.Pi = kAnalemmaPi;
    const Wall wall = Wall::lightGraph(m);
    // At the equator on a wall facing due south or north the polar style is perpendicular to
    // the wall and the figure has a colour of its own.
    const bool perpendicularStyle = m.AnalemmaFlag == 0;

    palette::Index colourIndex = palette::kLightRed;
    for (double t : numeric::StepRange(-80, 360, 2 * kMeanDayDeg)) {
        SunSeries sun;
        if (!numeric::skip([&] { sun = sunForDay(t, analemmaObliquityRad(m.Pi), m.Pi); }))
            continue;
        const double declination = sun.declination;
        // The true sun stands Ec - Q east of the mean sun, and the mean sun at 12:00 of the
        // zone's time stands on the zone meridian, -ZoneCorrRad from the local one.
        const double hourAngle = -sun.equationOfTime() - m.ZoneCorrRad;

        if (!perpendicularStyle) {
            if (declination < 0) colourIndex = palette::kLightRed;
            double eccentricity = 1;
            if (numeric::assignOrSkip(eccentricity, [&] {
                    return dayConicEccentricity(m, declination);
                }) &&
                eccentricity < 1)
                colourIndex = palette::kCyan;
        }
        // A day whose sun at that moment is behind the wall or below the horizon casts no
        // shadow on it (Wall::casts; the series keeps the declination within the solstices).
        const auto shadow = wall.shadow(hourAngle, declination);
        if (!shadow || !shadow->cast) continue;
        plotDialPoint(plot, shadow->at,
                      shell::LineColor(ctx, perpendicularStyle ? palette::kBrown : colourIndex));
    }
}

}  // namespace dials::vertical2d
