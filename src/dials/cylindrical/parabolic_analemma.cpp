// The analemma of the parabolic dial: for each mean day of the year, the shadow of the tip at
// 12:00 mean time of the standard meridian. The sun's declination and the equation of time come
// from the shared sun series; the true sun then stands at the hour angle (west positive) of the
// zone meridian's mean noon less the equation of time (Ec - Q).
//
// The shadow is where the ray leaving the tip away from the sun first meets the surface: along
// T - t S (S towards the sun, t > 0) the point of sample X = xt - t S_east and axis coordinate
// Q = yt - t s S_north lies on the surface when Q(X) equals it, a quadratic in t. A day draws
// nothing when its sun is below the horizon, when the ray runs away from the surface (the sun
// behind a convex wall, or along the opening of a concave one) or when it meets the surface on
// a generatrix the tip's shadow cannot reach.

#include <cmath>
#include <optional>

#include "dials/cylindrical/parabolic_procedures.h"
#include "dials/plot_curve.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "dials/sun_series.h"
#include "numeric/checked.h"
#include "numeric/quadratic.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawParabolicAnalemma(shell::Context& ctx, const ParabolicFrame& f) {
    shell::Module1& m = ctx.m;
    using numeric::checkedDiv;
    const double p = f.p, s = f.s, phi = f.phi;
    const double tanDp = std::tan(f.Dp);
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightYellow);
    // Where the ray leaves the tip, the surface lies Q(xt) - yt along the axis from it.
    const double c = f.Q(f.xt) - f.yt;

    // Day by day, laid by the curve sampler where the shadow moves fast: each day's point is
    // the sample X its shadow falls on, at the height of its ray there. The year closes on its
    // first day: the stretch from the last day to it is laid, its point not drawn twice.
    struct DayShadow {
        double X, height;
    };
    auto shadowOf = [&](double T) -> std::optional<DayShadow> {
        const SunOnLine sun = meanNoonSun(m, T);
        // The sun: east, north and up.
        const Vec3 towardsSun = sunDirection(phi, sun.tau, sun.delta);
        const double Se = towardsSun.x, Sn = towardsSun.y, Su = towardsSun.z;
        if (!aboveHorizon(towardsSun)) return std::nullopt;
        const double a = checkedDiv(Se * Se, 2 * p);
        const double b = Se * (tanDp - checkedDiv(f.xt, p)) + s * Sn;
        // The first point ahead of the tip (a = 0: a sun on the meridian, one root).
        const numeric::QuadraticRoots r = numeric::stableQuadraticRoots(a, b, c);
        std::optional<double> t;
        for (const std::optional<double>& root : {r.minus, r.plus})
            if (root && *root > 0 && (!t || *root < *t)) t = root;
        if (!t) return std::nullopt;
        const double X = f.xt - *t * Se;
        if (!f.reaches(X)) return std::nullopt;
        return DayShadow{X, numeric::checkFinite(-*t * Su)};
    };
    plotCurve(
        ctx.ixPlot1(), colour,
        [&](double T) -> std::optional<DialPoint> {
            const std::optional<DayShadow> day = shadowOf(T);
            if (!day) return std::nullopt;
            return DialPoint{numeric::checkFinite(f.A(day->X + f.u0) - f.Au0), day->height};
        },
        {0, 360, kMeanDayDeg, true, true}, m.PointStep);
}

}  // namespace dials::cylindrical
