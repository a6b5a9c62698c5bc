// The analemma of the latter projective dial: on each mean day of a year, the point where the
// hour line of 12:00 standard time (the mean sun on the zone's meridian, moved by the equation of
// time) crosses that day's declination line on the auxiliary plane, carried onto the dial. A day
// whose computation fails gets no point, and neither does a day whose sun casts no shadow on the
// dial at that hour.

#include <cmath>

#include "dials/cone_sections.h"
#include "dials/projective/latter_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "dials/sun_series.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

namespace {

using numeric::checkedDiv;

// Of the two crossings, the one where the line through the style tip along the sun (hour angle
// h from V's substyle, declination delta) meets V: the shadow of the tip. V's substyle frame
// (u, v, n), n towards the tip at (0, 0, H), stands to the sky as the world frame (east, north,
// up) of a place at latitude -B: the pole lies in the plane of the substyle and n, at
// (0, cos B, -sin B). Its sun is
// sunDirection(-B, tau, delta) read as (u, v, n), with tau = h where the sun of the substyle's
// hour stands in front of V (B > 0), and tau = h + pi where it stands behind (B < 0, a plane
// facing north of east or west). A point (u, v) is on the sun's line when (u, v, -H) is
// parallel to it.
bool onSunLine(const latter::AuxFrame& f, double h, double pi, double delta, const DialPoint& a,
               const DialPoint& b) {
    const double tau = f.B < 0 ? h + pi : h;
    const Vec3 sun = sunDirection(-f.B, tau, delta);
    auto offLine = [&](const DialPoint& p) {
        const Vec3 towardsTip{p.x, p.y - f.W0, -f.H};
        // |p x s|^2 / |p|^2: the squared sine of the angle from the sun's line.
        const Vec3 across = cross(towardsTip, sun);
        return checkedDiv(dot(across, across), dot(towardsTip, towardsTip));
    };
    return offLine(a) <= offLine(b);
}

}  // namespace

void PlotAnalemmaProjLatter(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const latter::AuxFrame f = latter::AuxFrame::from(m);
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightYellow);
    // The rule of the root signs below finds the shadow on planes that face less than a right
    // angle from the south and are not turned past the vertical (the tip then lies on V's far
    // side); on the others the shadow is picked out directly.
    const bool southern = std::fabs(m.DeclDecimal) < 90 && std::cos(f.R) > 0;
    const Face face = dialFace(m);

    for (double t : numeric::StepRange(-80, 280, kMeanDayDeg)) {
        double noonHour = 0, delta = 0;  // the day's sun: hour angle from the meridian, declination
        const auto point = solvePoint([&] {
            const SunSeries sun = sunForDay(t, analemmaObliquityRad(m.Pi), m.Pi);
            delta = sun.declination;
            const double deltaDeg = 180 * delta / m.Pi;
            // Apparent minus mean time, radians of hour angle.
            const double E = sun.reductionToEquator - sun.equationOfCentre;
            noonHour = E - m.LonAbsDeg;
            // The hour angle from V's substyle of the true sun at the zone's mean noon.
            const double h = m.SubstyleHour + noonHour;
            const double sigma = std::fabs(h) > m.Pi / 2 ? -1 : 1;

            // V's hour line of h, through (c, 0) on its equinoctial line and its centre (0, Wc).
            const latter::AuxFrame::HourLine line = f.hourLine(h);
            const double c = line.P;
            const double Wc = checkedDiv(c, line.tanQ);

            // The day's declination line as w^2 + a w + b + c u^2 = 0, each coefficient over T
            // (none where T = 0).
            const ScaledConic day = latter::scaledConic(delta, f.B, f.H);
            const FrameConic unscaled{checkedDiv(day.b, day.T), checkedDiv(day.c, day.T),
                                      checkedDiv(1, day.T)};

            // Both crossings must exist: a day whose hour line misses its declination line, or
            // meets it only once (the other crossing not a finite point), gets no point.
            const HourLineCrossings both = hourLineCrossings(c, Wc, unscaled);
            if (!both.minus || !both.plus) numeric::fail(numeric::FailureKind::Overflow);
            double j = deltaDeg < 0 ? 1 : -1;
            if (day.T > 0) j = deltaDeg < 0 ? -1 : 1;

            // The crossing of the root sign `sign`: + for (-b + sqrt d) / 2a.
            auto crossingOf = [&](double sign) { return sign > 0 ? *both.plus : *both.minus; };
            DialPoint chosen = crossingOf(j * sigma);
            if (!southern) {
                const DialPoint other = crossingOf(-j * sigma);
                if (!onSunLine(f, h, m.Pi, delta, chosen, other)) chosen = other;
            }
            return f.fromUW(chosen.x, chosen.y);
        });
        // A day whose sun stands behind the plane or below the horizon at that hour casts no
        // shadow on the dial: the crossing is then only a point of the line through the tip.
        if (point && dot(sunDirection(m.LatRad, noonHour, delta), face.out) > 0 &&
            latter::sunAboveHorizon(m, *point))
            plotDialPoint(plot, *point, colour);
    }
}

}  // namespace dials::projective
