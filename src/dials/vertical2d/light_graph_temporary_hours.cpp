// The light graph's temporary (unequal) hours: each day from sunrise to sunset is divided into
// twelve equal hours of H0 / 6 of hour angle, H0 the day's semi-diurnal arc. The half and whole
// hours 0.5 ... 11.5 from sunrise are drawn as lines swept by the day's declination between the
// two solstices and laid whole by the shared curve sampler (dials::plotCurve: points no farther
// apart than PointStep wherever the line crosses the plot area, its ends found where it leaves
// the days of sunrise and sunset or passes behind the wall), and the hours 0 and 12 (sunrise and
// sunset) as the stretches of the horizon that the shadow runs along. A point is drawn only where
// its sun casts it (Wall::casts: from in front of the wall, above the horizon); a point whose
// computation fails is skipped.

#include <cmath>
#include <optional>
#include <vector>

#include "dials/geometry_names.h"
#include "dials/plot_curve.h"
#include "dials/plot_segment.h"
#include "geometry/sky.h"
#include "dials/vertical2d/light_graph_procedures.h"
#include "dials/vertical2d/wall_frame.h"
#include "numeric/bisect.h"
#include "numeric/checked.h"
#include "numeric/round_budget.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

constexpr int kDays = 94;  // intervals of the horizon's sweep, about half a degree each
constexpr double kSweepStepDeg = 0.5;  // the step of the hour lines' sweep of the days

// The last day of the sweeps, degrees of declination: the solstice, or beyond the polar circle
// the day whose midnight sun only touches the horizon (90 degrees less the latitude). Between
// -lastDay and lastDay every day has a sunrise and a sunset, but for the two ends beyond the
// polar circle, where the day's arc (geometry::semiDiurnalArc) is 0 or a half turn: there
// sunrise and sunset meet at noon or at midnight, the closed-form end of every line.
double lastDay(const shell::Module1& m) { return std::fmin(kSolsticeDeg, 90 - m.LatDegrees); }

// How many samples of the day's semi-diurnal arc the search for the days on which the sun of an
// hour crosses the plane of the wall takes (wallCrossings).
constexpr int kArcSamples = 256;

// The days (degrees of declination) between the sweep's last days on which the sun of the
// temporary hour TH crosses the plane of the wall: there a lit stretch of the line begins or
// ends, its shadow running off to infinity, and a stretch beginning and ending between two days
// of the sweep shows in none of them. They are sought along the semi-diurnal arc H0, on which the
// day depends smoothly (tan delta = -cos H0 / tan phi): the sun's facing of the wall, times
// sin phi / cos delta, is sin D sin phi sin kH0 + cos D sin^2 phi cos kH0 + cos D cos^2 phi cos H0
// (k = TH / 6), whose second derivative is at most 2 in size. Where it changes sign twice
// between two samples h apart, the sun stays within h^2 / (4 sin phi) of the wall's plane: its
// shadows fall thousands of style lengths off. Every change of sign between samples is halved
// down to the last digit.
std::vector<double> wallCrossings(const shell::Module1& m, const Wall& wall, double TH) {
    const double phi = m.LatRad;
    auto dayOf = [&](double arc) {
        return std::atan(numeric::checkedDiv(-std::cos(arc), std::tan(phi)));
    };
    auto facing = [&](double arc) {
        return wall.facing(wall.sun(TH * arc / 6, dayOf(arc))) > 0;
    };
    const double first = semiDiurnalArc(phi, -lastDay(m) * m.Pi / 180, m.Pi);
    const double last = semiDiurnalArc(phi, lastDay(m) * m.Pi / 180, m.Pi);
    numeric::RoundBudget::pay(kArcSamples);
    std::vector<double> days;
    double a = first;
    bool aFacing = facing(a);
    for (int i = 1; i <= kArcSamples; ++i) {
        const double b = first + (last - first) * i / kArcSamples;
        const bool bFacing = facing(b);
        if (bFacing != aFacing) {
            days.push_back(dayOf(numeric::bisectChange(a, b, aFacing, facing).low) * 180 / m.Pi);
        }
        a = b;
        aFacing = bFacing;
    }
    return days;
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
        // Day i of the sweep, from one last day to the other.
        const double declination = (-lastDay(m) + i * (2 * lastDay(m) / kDays)) * m.Pi / 180;
        const double arc = semiDiurnalArc(m.LatRad, declination, m.Pi);
        const auto shadow = wall.shadow(sign * arc, declination);
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
    if (x1 != x2) plotSegment(plot, {x1, 0}, {x2, 0}, shell::LineColor(ctx, palette::kLightGreen));
}

}  // namespace

void DrawTemporaryHoursLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (m.LatDegrees == 0 || m.LatDegrees == 90) return;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightGreen);
    const Wall wall = Wall::lightGraph(m);

    drawHorizonHour(ctx, wall, -1);
    drawHorizonHour(ctx, wall, 1);

    const double L = m.StyleLength, e = m.StyleElevRad;
    if (e != 0) numeric::assignOrSkip(m.CentreX, [&] {
        return numeric::checkedDiv(-L * std::sin(m.SubstyleRad), std::tan(e));
    });
    m.PlaneCoefY = L * std::tan(e);

    // TH counts the temporary hours from noon: TH + 6 is the hour counted from sunrise. Each line
    // is swept by the declination in degrees, half a degree at a time, and refined between. Its
    // lit stretches end where its sun crosses the plane of the wall (wallCrossings), named to the
    // sampler. Beyond the polar circle the first day of the sweep has no daylight (its noon sun
    // only touches the horizon) and the line no point there: the sweep starts a step before it
    // and names it as an end too, so that the line is laid from just after it, however far off
    // the next day's point lies. The last day's midnight sun stands above the horizon at every
    // hour but midnight: the line has its point there.
    const bool darkFirstDay = semiDiurnalArc(m.LatRad, -lastDay(m) * m.Pi / 180, m.Pi) == 0;
    const double from = darkFirstDay ? -lastDay(m) - kSweepStepDeg : -lastDay(m);
    for (double TH : numeric::StepRange(-5.5, 5.5, 0.5)) {
        CurveRange days{from, lastDay(m), kSweepStepDeg};
        numeric::skip([&] { days.ends = wallCrossings(m, wall, TH); });
        if (darkFirstDay) days.ends.push_back(-lastDay(m));
        const CurveAt at = [&](double deg) -> std::optional<DialPoint> {
            const double declination = deg * m.Pi / 180;
            m.SunDecl = declination;
            const double arc = semiDiurnalArc(m.LatRad, declination, m.Pi);
            const auto shadow = wall.shadow(TH * arc / 6, declination);
            if (!shadow || !shadow->cast) return std::nullopt;
            return shadow->at;
        };
        numeric::skip([&] { plotCurve(plot, colour, at, days, m.PointStep); });
    }
}

}  // namespace dials::vertical2d
