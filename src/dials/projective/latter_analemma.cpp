// The analemma of the latter projective dial: on each mean day of a year, the point where the
// hour line of 12:00 standard time (the mean sun on the zone's meridian, moved by the equation of
// time) crosses that day's declination line on the auxiliary plane, carried onto the dial. A day
// whose computation fails gets no point, and neither does a day whose sun casts no shadow on the
// dial at that hour.

#include <cmath>

#include "dials/sun_series.h"
#include "dials/projective/latter_procedures.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

namespace {

using numeric::checkedDiv;

// The two crossings of the hour line with the day's declination line, in (u, w).
struct Crossing {
    double u, w;
};

// Of the two crossings, the one where the line through the style tip along the sun (hour angle
// h from V's substyle, declination delta) meets V: the shadow of the tip. In V's substyle frame
// (u, v, n), n towards the tip at (0, 0, H), the sun is
//   (-cos d sin tau, cos d cos tau sin B + sin d cos B, cos d cos tau cos B - sin d sin B)
// with tau = h where the sun of the substyle's hour stands in front of V (B > 0), and
// tau = h + pi where it stands behind (B < 0, a plane facing north of east or west). A point
// (u, v) is on the sun's line when (u, v, -H) is parallel to it.
bool onSunLine(const latter::AuxFrame& f, double h, double pi, double delta, const Crossing& a,
               const Crossing& b) {
    const double tau = f.B < 0 ? h + pi : h;
    const double su = -std::cos(delta) * std::sin(tau);
    const double sv = std::cos(delta) * std::cos(tau) * std::sin(f.B) +
                      std::sin(delta) * std::cos(f.B);
    const double sn = std::cos(delta) * std::cos(tau) * std::cos(f.B) -
                      std::sin(delta) * std::sin(f.B);
    auto offLine = [&](const Crossing& p) {
        const double u = p.u, v = p.w - f.W0, n = -f.H;
        // |(u, v, n) x s|^2 / |(u, v, n)|^2: the squared sine of the angle from the sun's line.
        const double cx = v * sn - n * sv, cy = n * su - u * sn, cz = u * sv - v * su;
        return checkedDiv(cx * cx + cy * cy + cz * cz, u * u + v * v + n * n);
    };
    return offLine(a) <= offLine(b);
}

}  // namespace

void PlotAnalemmaProjLatter(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const latter::AuxFrame f = latter::AuxFrame::from(m);
    const numeric::Colour colour = shell::LineColor(ctx, 14);
    storeAnalemmaObliquity(m);
    const double L = m.AuxStyleLength;
    // The rule of the root signs below finds the shadow on planes that face less than a right
    // angle from the south and are not turned past the vertical (the tip then lies on V's far
    // side); on the others the shadow is picked out directly.
    const bool southern = std::fabs(m.DeclDecimal) < 90 && std::cos(f.R) > 0;
    const latter::DialSky sky = latter::DialSky::from(m);

    for (double t : numeric::StepRange(-80, 280, kMeanDayDeg)) {
        double noonHour = 0, delta = 0;  // the day's sun: hour angle from the meridian, declination
        const auto point = latter::solvePoint([&] {
            const SunSeries sun = sunForDay(t, m.AnalemmaObliquityRad, m.Pi);
            m.ConicA115 = sun.doubleLongitudeSine;
            delta = sun.declination;
            const double deltaDeg = 180 * delta / m.Pi;
            // Apparent minus mean time, radians of hour angle.
            const double E = sun.reductionToEquator - sun.equationOfCentre;
            m.AnalemmaTemp = E;
            noonHour = E - m.LonAbsDeg;
            // The hour angle from V's substyle of the true sun at the zone's mean noon.
            const double h = m.SubstyleHour + noonHour;
            const double sigma = std::fabs(h) > m.Pi / 2 ? -1 : 1;

            // The hour line through (c, 0) and V's centre (0, Wc).
            const double c = checkedDiv(L, std::cos(f.B)) * std::tan(h);
            m.PointX = c;
            const double g = std::atan(std::sin(f.B) * std::tan(h));
            const double Wc = checkedDiv(c, std::tan(g));
            m.PointY = Wc;

            const latter::DeclinationConic day = latter::declinationConic(delta, f.B, L);
            m.ConicA2345 = day.a;
            m.ConicB2345 = day.b;
            m.ConicC2345 = day.c;

            // u = c (1 - w / Wc) into the conic: a2 w^2 + a1 w + a0 = 0.
            const double a2 = Wc * Wc + day.c * c * c;
            const double a1 = (day.a * Wc - 2 * day.c * c * c) * Wc;
            const double a0 = Wc * Wc * (day.c * c * c + day.b);
            const double root = numeric::checkedSqrt(a1 * a1 - 4 * a2 * a0);
            double j = deltaDeg < 0 ? 1 : -1;
            if (day.T > 0) j = deltaDeg < 0 ? -1 : 1;

            auto crossing = [&](double sign) {
                const double w = checkedDiv(-a1 + sign * root, 2 * a2);
                return Crossing{c * (1 - checkedDiv(w, Wc)), w};
            };
            Crossing chosen = crossing(j * sigma);
            if (!southern) {
                const Crossing other = crossing(-j * sigma);
                if (!onSunLine(f, h, m.Pi, delta, chosen, other)) chosen = other;
            }
            return f.fromUW(chosen.u, chosen.w);
        });
        // A day whose sun stands behind the plane or below the horizon at that hour casts no
        // shadow on the dial: the crossing is then only a point of the line through the tip.
        if (point && sky.sun(noonHour, delta).n > 0 && latter::sunAboveHorizon(f, *point))
            latter::plotDialPoint(plot, *point, colour);
    }
}

}  // namespace dials::projective
