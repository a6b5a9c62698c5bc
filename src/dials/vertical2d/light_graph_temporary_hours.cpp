// The light graph's temporary (unequal) hours: each day from sunrise to sunset is divided into
// twelve equal hours of H0 / 6 of hour angle, H0 the day's semi-diurnal arc. The half and whole
// hours 0.5 ... 11.5 from sunrise are drawn as point curves, one point per day of the sweep
// between the two solstices, and the hours 0 and 12 (sunrise and sunset) as the stretches of the
// horizon that the shadow runs along. A point is drawn only where its sun casts it (Wall::casts:
// from in front of the wall, above the horizon); a point whose computation fails is skipped.

#include <cmath>
#include <optional>
#include <vector>

#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "dials/vertical2d/light_graph_procedures.h"
#include "dials/vertical2d/wall_frame.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

constexpr int kDays = 94;  // intervals of the sweep, about half a degree each

// The declination of day i of the sweep, in degrees, from one solstice to the other.
double sweepDeclination(int i) { return -kSolsticeDeg + i * (2 * kSolsticeDeg / kDays); }

// The semi-diurnal arc of a declination (radians); none when the sun does not rise and set.
std::optional<double> daylightArc(const shell::Module1& m, double declination) {
    const double arc = semiDiurnalArc(m.LatRad, declination, m.Pi);
    if (!risesAndSets(arc, m.Pi)) return std::nullopt;
    return arc;
}

struct HorizonSample {
    double x;
    bool inFront;
};

// The end of a stretch of the horizon that runs off to infinity, where the sun at that moment of
// the day crosses the plane of the wall: the end of the horizon line (x = +-ShiftX) in that
// direction, or the finite end itself when that end lies behind it.
double farEnd(const plot::PlotSurface& plot, double from, double direction) {
    if (direction > 0) return std::fmax(from, plot.ShiftX());
    return std::fmin(from, -plot.ShiftX());
}

// The line of the temporary hour 0 (sign -1, sunrise) or 12 (sign +1, sunset): the sunrise or
// sunset shadows of the days of the sweep lie on the horizon through the style foot. Those of
// the days on which the sun then faces the wall form one segment of it; where that run of days
// ends because the sun passes behind the wall, the segment runs off to the edge of the plot.
// These suns stand on the horizon, which casts no shadow (geometry::aboveHorizon): the segment is
// the limit the day's shadows reach, drawn where the sun faces the wall (WallShadow::
// sunInFront).
void drawHorizonHour(shell::Context& ctx, const Wall& wall, double sign) {
    const shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    std::vector<HorizonSample> samples;
    for (int i = 0; i <= kDays; ++i) {
        const double declination = sweepDeclination(i) * m.Pi / 180;
        const auto arc = daylightArc(m, declination);
        if (!arc) continue;
        const auto shadow = wall.shadow(sign * *arc, declination);
        // No shadow point at all: the sun lies in the plane of the wall, as good as behind it.
        samples.push_back(shadow ? HorizonSample{shadow->at.x, shadow->sunInFront}
                                 : HorizonSample{0, false});
    }
    std::size_t first = samples.size(), last = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (!samples[i].inFront) continue;
        if (first == samples.size()) first = i;
        last = i;
    }
    if (first == samples.size()) return;

    // Towards the day where the sun crosses the wall the shadow runs away monotonically.
    auto direction = [&](std::size_t end, std::size_t inner) {
        if (end != inner) return samples[end].x - samples[inner].x;
        return samples[end].x;
    };
    double x1 = samples[first].x, x2 = samples[last].x;
    const std::size_t innerOfFirst = first < last ? first + 1 : first;
    const std::size_t innerOfLast = last > first ? last - 1 : last;
    if (first > 0 && !samples[first - 1].inFront)
        x1 = farEnd(plot, x1, direction(first, innerOfFirst));
    if (last + 1 < samples.size() && !samples[last + 1].inFront)
        x2 = farEnd(plot, x2, direction(last, innerOfLast));
    if (x1 != x2) plot.xLine(x1, 0, x2, 0, shell::LineColor(ctx, 10));
}

}  // namespace

void DrawTemporaryHoursLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (m.LatDegrees == 0 || m.LatDegrees == 90) return;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, 10);
    const Wall wall = Wall::lightGraph(m);

    drawHorizonHour(ctx, wall, -1);
    drawHorizonHour(ctx, wall, 1);

    const double L = m.StyleLength, e = m.StyleElevRad;
    if (e != 0) numeric::assignOrSkip(m.CentreX, [&] {
        return numeric::checkedDiv(-L * std::sin(m.SubstyleRad), std::tan(e));
    });
    m.PlaneCoefY = L * std::tan(e);

    // TH counts the temporary hours from noon: TH + 6 is the hour counted from sunrise.
    for (double TH : numeric::StepRange(-5.5, 5.5, 0.5)) {
        for (int i = 0; i <= kDays; ++i) {
            const double declination = sweepDeclination(i) * m.Pi / 180;
            m.SunDecl = declination;
            const auto arc = daylightArc(m, declination);
            if (!arc) continue;
            const auto shadow = wall.shadow(TH * *arc / 6, declination);
            if (shadow && shadow->cast) light::plotDialPoint(plot, shadow->at, colour);
        }
    }
}

}  // namespace dials::vertical2d
