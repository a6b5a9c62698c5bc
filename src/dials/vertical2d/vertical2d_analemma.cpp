// The analemma of 12:00 standard time: for every second mean day the sun's declination and the
// equation of time come from the system's sun series, and the point is where the hour line of
// the true sun at that moment meets the conic of that day's declination. On the equator, on a
// wall facing due south or north (the wall lies in the plane of the equator), the point is
// written directly. A day whose sun at that moment stands behind the wall or below the horizon
// casts no shadow on it and has no point.
//
// The equinoctial frame has its origin where the substyle crosses the equinoctial line, X along
// the equinoctial and Y along the substyle towards the centre. In it the hour line runs from
// (q, 0) on the equinoctial to the centre (0, Yz), X = q (1 - Y / Yz), and the day's conic is
// T Y^2 + X^2 - 2 L tan(e) Y + (L / cos e)^2 = 0 with T = sin^2 e - cot^2(delta) cos^2 e.
// Together they give a quadratic in Y, taken here multiplied by T so that a day whose line is a
// parabola (T = 0) is drawn too.

#include <cmath>
#include <optional>

#include "dials/sun_series.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "dials/vertical2d/wall_frame.h"
#include "numeric/checked.h"
#include "numeric/quadratic.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

using numeric::checkedDiv;
using numeric::checkFinite;

// The dial point of the equinoctial-frame point (X, Y), with substyle angle S and the distance P
// from the style foot to the equinoctial along the substyle. Throws when a coordinate is not
// finite.
DialPoint fromEquinoctial(double X, double Y, double S, double P) {
    const double sinS = std::sin(S), cosS = std::cos(S);
    return {checkFinite(X * cosS + Y * sinS - P * sinS),
            checkFinite(-X * sinS + Y * cosS - P * cosS)};
}

// The point of the day on a wall of the general case; colourIndex keeps its value from point to
// point. Throws when the point cannot be computed.
//
// The quadratic's two roots are the points of the day's declination and of the opposite one on
// the hour line. The point drawn is the one on the line through the style tip along the sun's
// direction: where the sun is in front of the wall, its shadow. (A fixed choice of root by the
// season and the kind of conic holds only on walls facing the equator; on a wall facing away
// from it, it would pair each day's equation of time with the opposite season's declination.)
DialPoint generalPoint(shell::Module1& m, const Wall& wall, double delta, double E,
                       palette::Index& colourIndex) {
    const double e = m.StyleElevRad, L = m.StyleLength, W = m.WorkFlag;
    // The true sun's hour angle from the meridian, west positive, on the northern dial drawn.
    const double hourAngle = (E - m.ZoneCorrRad) * W;
    // ... and from the substyle.
    const double h = m.SubstyleHour + hourAngle;

    const double r = checkedDiv(L, std::cos(e));
    const double q = checkFinite(r * std::tan(h));
    // The centre, Yz along the substyle from the equinoctial.
    const double Yz = checkedDiv(L, std::cos(e) * std::sin(e));

    const double tanDelta = std::tan(delta);
    const double k = checkedDiv(1, tanDelta * tanDelta);
    const double T = checkFinite(std::sin(e) * std::sin(e) - k * std::cos(e) * std::cos(e));
    const double f = -2 * L * std::tan(e), j = r * r;

    const double a = checkFinite(Yz * Yz * T + q * q);
    const double b = checkFinite(Yz * (f * Yz - 2 * q * q));
    const double c = checkFinite(Yz * Yz * (j + q * q));

    // The colour: the winter days' index, another where the day's line is an ellipse (T > 0).
    if (delta < 0) colourIndex = T > 0 ? palette::kCyan : palette::kLightRed;

    const numeric::QuadraticRoots roots = numeric::stableQuadraticRoots(a, b, c);
    const Vec3 sun = wall.sun(hourAngle, delta * W);
    std::optional<DialPoint> best;
    double bestAlignment = -1;
    for (const std::optional<double>& root : {roots.minus, roots.plus}) {
        if (!root) continue;
        const double Y = *root;
        DialPoint p;
        double alignment = 0;
        const bool ok = numeric::skip([&] {
            const double X = checkFinite(q * (1 - Y / Yz));
            p = fromEquinoctial(X, Y, m.SubstyleRad, m.PlaneCoefY);
            const Vec3 d = wall.sunOf(p);
            alignment = std::fabs(checkedDiv(dot(d, sun), length(d)));
        });
        if (ok && alignment > bestAlignment) {
            bestAlignment = alignment;
            best = p;
        }
    }
    if (!best) numeric::fail(numeric::FailureKind::NotANumber);
    if (!wall.casts(sun, *best)) numeric::fail(numeric::FailureKind::NotANumber);
    return *best;
}

// The point of the day on the equator, on a wall facing due south or due north.
DialPoint pointOnEquatorWall(const shell::Module1& m, const Wall& wall, double delta, double E) {
    const double h0 = E * m.WorkFlag - m.LonAbsDeg;
    const double n = std::fabs(m.DeclDecimal) == 180 ? 1 : 3;
    const double tanH = std::tan(h0);
    const double y = checkedDiv(m.StyleLength * (n - 2),
                                std::tan(delta) * numeric::checkedSqrt(1 + tanH * tanH));
    const double x = checkFinite(-y * (n - 2) * tanH);
    const DialPoint p{x, checkFinite(y)};
    if (!wall.casts(wall.sun(h0, delta), p)) numeric::fail(numeric::FailureKind::NotANumber);
    return p;
}

}  // namespace

void PlotAnalemmaVert2D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    m.Pi = kAnalemmaPi;

    const Wall wall = Wall::northernMirror(m);
    palette::Index colourIndex = palette::kBlack;
    for (double M : numeric::StepRange(-80, 360, 2 * kMeanDayDeg)) {
        // A day whose point cannot be computed is not drawn.
        numeric::skip([&] {
            const SunSeries sun = sunForDay(M, analemmaObliquityRad(m.Pi), m.Pi);
            // The true sun's hour angle less the mean sun's.
            const double E = -sun.equationOfTime();
            if (m.AnalemmaFlag == 0) {
                plotDialPoint(plot, pointOnEquatorWall(m, wall, sun.declination, E),
                              shell::LineColor(ctx, palette::kBrown));
                return;
            }
            const DialPoint p = generalPoint(m, wall, sun.declination, E, colourIndex);
            plotDialPoint(plot, p, shell::LineColor(ctx, colourIndex));
        });
    }
}

}  // namespace dials::vertical2d
