// The shadow of the style tip on the circular cylinder for one sun, the computation every curve
// of the programme by spherical trigonometry shares, and the convex limit that bounds it.
//
// The sun's azimuth A (from the south, west positive) comes first as
// A0 = atan(sin tau / (cos tau sin phi - tan delta cos phi)), which only knows the half of the
// sky its quotient points to; the sun stands in the other half when the sign of sin tau (west or
// east of the meridian) differs from that of sin A0, and on the meridian itself (tau = 0) when
// the divisor is negative (the sun culminating north of the zenith, as in the tropics). The half
// turn is taken towards the wall's declination D. With the divisor exactly 0 the sun is on the
// prime vertical, A = +-Pi/2 by the side of sin tau.
//
// In the plan, the tip lies at c = R + s L from the axis (s = -1 concave, +1 convex) and the ray
// leaving it away from the sun meets the section where, by the law of sines in the triangle
// axis - tip - point, sin(gamma) = X = sin(alpha) c / R, alpha = A - D, gamma the angle at the
// point; the point is theta = s (gamma - alpha) round the axis from the foot. The horizontal
// distance from the tip to it is R sin(theta) / sin(alpha), which is s (c cos(alpha) - R
// cos(gamma)): the second form is used, being the same number without the division, so that a
// sun in the plane of the wall's normal (sin alpha = 0) has its point too. The distance comes
// out negative where the ray meets the section only behind the tip (it runs away from a convex
// cylinder, or from a concave one whose style reaches out beyond the far wall): no shadow falls
// there, whatever the sun's altitude. The wall's declination enters as typed
// (200 degrees is not folded to -160); the angle about the axis is taken within one turn.

#include <cmath>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/cyl_spherical_procedures.h"
#include "dials/geometry_names.h"
#include "dials/plot_line.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

using numeric::checkFinite;

struct SunSeen {
    double A;  // azimuth from the south, west positive (radians)
    double h;  // altitude (radians)
};

// The half turn of the azimuth quotient, towards the wall's declination.
double halfTurned(const shell::Module1& m, double tau, double A0, double divisor) {
    const int p = numeric::sgn(std::sin(tau));
    const int q = numeric::sgn(std::sin(A0));
    const bool otherHalf = p != q || (p == 0 && divisor < 0);
    if (!otherHalf) return A0;
    // Exactly on the wall's declination either way round is a half turn.
    return A0 - (A0 - m.WallDeclRad < 0 ? -1 : 1) * m.Pi;
}

SunSeen generalSun(const shell::Module1& m, double tau, double delta) {
    const double phi = m.LatRad;
    const double divisor = std::cos(tau) * std::sin(phi) - std::tan(delta) * std::cos(phi);
    double A0;
    if (divisor == 0) {
        // On the prime vertical; with sin tau 0 as well the sun is at the zenith or the nadir
        // and casts no shadow line.
        if (std::sin(tau) == 0) numeric::fail(numeric::FailureKind::DivisionByZero);
        A0 = numeric::sgn(std::sin(tau)) * m.Pi / 2;
    } else {
        A0 = std::atan(numeric::checkedDiv(std::sin(tau), divisor));
    }
    const double A = halfTurned(m, tau, A0, divisor);
    // The altitude: the arcsine of the sun's upward component.
    return {A, shell::ArcSin(m, sunDirection(phi, tau, delta).z)};
}

// Declination 0, with the equator's sun running along the prime vertical.
SunSeen equinoctialSun(const shell::Module1& m, double tau) {
    const double phi = m.LatRad;
    if (phi == 0) return {halfTurned(m, tau, m.Pi / 2, 1), m.Pi / 2 - std::fabs(tau)};
    const double divisor = std::cos(tau) * std::sin(phi);
    const double A0 = std::atan(numeric::checkedDiv(std::sin(tau), divisor));
    return {halfTurned(m, tau, A0, divisor), shell::ArcSin(m, sunDirection(phi, tau, 0).z)};
}

}  // namespace

void SetCylSphSide(shell::Context& ctx) {
    ctx.m.WorkFlag = ctx.inputs.selected("Option3D1") ? -1 : 1;
}

void ComputeConvexArcLimit(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.ConvexArcLimit = 0;
    numeric::skip([&] {
        const double X = numeric::checkedDiv(m.Radius, m.StyleLength + m.Radius);
        // The arcsine, a right angle for a style of length 0 (X = 1): nothing beyond the foot.
        const double a = shell::ArcSin(m, X);
        m.ConvexArcLimit = checkFinite((m.Pi / 2 - a) * m.Radius);
    });
}

std::optional<CylSphPoint> ProjectCylSphPoint(shell::Module1& m, double tau, double delta,
                                               CylSphSun sun) {
    std::optional<CylSphPoint> point;
    numeric::skip([&] {
        const double R = m.Radius, L = m.StyleLength;
        const int s = m.WorkFlag;
        checkFinite(tau);
        checkFinite(delta);
        const SunSeen seen = sun == CylSphSun::Equinoctial ? equinoctialSun(m, tau)
                                                           : generalSun(m, tau, delta);

        const double alpha = seen.A - m.WallDeclRad;
        const double c = R + s * L;
        const double sinAlpha = std::sin(alpha), cosAlpha = std::cos(alpha);
        const double X = checkFinite(sinAlpha * numeric::checkedDiv(c, R));
        if (1 - X * X < 0) return;  // the shadow ray misses the section
        // gamma - alpha from its sine and cosine (sin gamma = X), on the strip centred on the
        // foot: a wall facing north of east or west draws the shadows of the sun behind it where
        // they fall, not a whole turn away; and a ray that grazes the section (X = +-1) has its
        // point on the generatrix it touches, not the stored Pi's residue beyond it.
        const double cosGamma = numeric::checkedSqrt(1 - X * X);
        const double theta =
            s * std::atan2(X * cosAlpha - cosGamma * sinAlpha, cosGamma * cosAlpha + X * sinAlpha);
        m.SolarTemp = theta;
        m.HourAngleRad = seen.h;

        const double u = checkFinite(theta * R);
        const double distance = s * (c * cosAlpha - R * cosGamma);
        if (!(distance > 0)) return;  // the ray meets the section only behind the tip
        const double y = checkFinite(-distance * std::tan(seen.h));
        // The sun of the point, from it to the tip, stands above the horizon.
        CylinderShadow shadow = CylinderShadow::from(m);
        shadow.s = s;
        if (!aboveHorizon(CylinderShadow::sunAt(shadow.towardsTipFromGeneratrix(theta), y)))
            return;
        if (s == 1 && !(std::fabs(u) < m.ConvexArcLimit)) return;
        point = CylSphPoint{u, y};
    });
    return point;
}

namespace {

// The horizontal offsets to the tip from the generatrices where its shadow stops reaching the
// surface, on the side of the projection.
std::vector<Vec3> reachLimitOffsets(const shell::Module1& m) {
    CylinderShadow shadow = CylinderShadow::from(m);
    shadow.s = m.WorkFlag;
    std::vector<Vec3> offsets;
    for (const double psi : shadow.reachLimitTurns())
        offsets.push_back(shadow.towardsTipFromGeneratrix(psi));
    return offsets;
}

double degrees(const shell::Module1& m, double radians) { return radians * 180 / m.Pi; }

}  // namespace

std::vector<double> reachLimitHourAngles(const shell::Module1& m, double delta) {
    std::vector<double> hours;
    for (const Vec3& h : reachLimitOffsets(m)) {
        // The equator's cone is its plane.
        const numeric::QuadraticRoots y =
            delta == 0 ? numeric::QuadraticRoots{planeHeightAt(celestialPole(m.LatRad), h), {}}
                       : CylinderShadow::from(m).coneCrossings(h, delta);
        for (const std::optional<double>& height : {y.minus, y.plus}) {
            if (!height) continue;
            const Vec3 sun = CylinderShadow::sunAt(h, *height);
            // The sun of the line's own nappe; its hour angle from the meridian, westward.
            if (sineOfDeclination(m.LatRad, sun) * delta < 0) continue;
            const Vec3 noon = equatorPoint(m.LatRad, 0), west = equatorPoint(m.LatRad, m.Pi / 2);
            hours.push_back(degrees(m, std::atan2(dot(sun, west), dot(sun, noon))));
        }
    }
    return hours;
}

std::vector<double> reachLimitDeclinations(const shell::Module1& m, const Vec3& normal) {
    std::vector<double> declinations;
    for (const Vec3& h : reachLimitOffsets(m))
        if (const std::optional<double> y = planeHeightAt(normal, h))
            declinations.push_back(degrees(
                m, std::asin(sineOfDeclination(m.LatRad, CylinderShadow::sunAt(h, *y)))));
    return declinations;
}

void layCylSphLine(shell::Context& ctx, const CylSphLine& line, const CurveRange& range,
                   palette::Index colourIndex, CylSphSun sun) {
    shell::Module1& m = ctx.m;
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
    plotCurve(
        ctx.ixPlot1(), colour,
        [&](double t) -> std::optional<DialPoint> {
            const std::optional<SunOnLine> s = line(t);
            if (!s) return std::nullopt;
            const std::optional<CylSphPoint> p = ProjectCylSphPoint(m, s->tau, s->delta, sun);
            if (!p) return std::nullopt;
            return DialPoint{p->u, p->y};
        },
        range, kLineStep);
}

void layCylSphDay(shell::Context& ctx, double delta, palette::Index colourIndex, CylSphSun sun) {
    const shell::Module1& m = ctx.m;
    const double arc = semiDiurnalArc(m.LatRad, delta, m.Pi);
    if (!(arc > 0)) return;
    const double H0 = arc * 180 / m.Pi;
    const CurveRange range{-H0, H0, 0.05, true, !risesAndSets(arc, m.Pi),
                           reachLimitHourAngles(m, delta)};
    layCylSphLine(
        ctx, [&](double H) { return std::optional<SunOnLine>({H * m.Pi / 180, delta}); }, range,
        colourIndex, sun);
}

}  // namespace dials::cylindrical
