// The analemma of the projective cylinder: for every other day of a mean year, the point where
// the hour line of mean noon on the standard meridian (the true sun's hour angle moved by the
// equation of time) crosses that day's declination conic on the tangent plane, carried onto the
// cylinder. Of the crossings, the one drawn is where the tip's shadow falls on the tangent plane;
// a day whose sun stands behind that plane (which then has no shadow of it), or whose point
// cannot be computed, gets no point.

#include <cmath>
#include <optional>
#include <utility>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/cone_sections.h"
#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "geometry/sky.h"
#include "dials/sun_series.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using numeric::checkedDiv;

namespace {

// At the equator on a wall facing due south (sigma +1) or north (-1) the tangent dial is
// equatorial, its centre at the foot: the day's point lies on the circle of radius L cot(delta)
// at the hour angle psi.
DialPoint equatorialPoint(double L, double sigma, double psi, double delta) {
    const double Yb = checkedDiv(sigma * L, std::tan(delta) * std::sqrt(sq(std::tan(psi)) + 1));
    return {-sigma * std::tan(psi) * Yb, Yb};
}

// The shadow of the tip on the tangent plane (the vertical face of the wall's declination) for
// the sun of hour angle H (afternoon +) and declination delta; none when that sun stands behind
// the plane.
std::optional<DialPoint> tangentShadow(const shell::Module1& m, double H, double delta) {
    const Vec3 sun = sunDirection(m.LatRad, H, delta);
    const Face plane = Face::declining(m.WallDeclRad, 0);
    if (!(dot(sun, plane.out) > 0)) return std::nullopt;
    return plane.shadow(m.StyleLength, sun);
}

// Away from that case: the crossings of the mean-noon hour line with the declination conic,
// measured from where the substyle meets the equinoctial line, turned into tangent-plane
// coordinates; the branch the rule of signs picks (with the side factor, -1 at the equator)
// comes first. None where the line misses the conic or a crossing cannot be formed.
std::optional<std::pair<DialPoint, DialPoint>> generalPoints(const shell::Module1& m, double side,
                                                             double tauM, double delta) {
    const double L = m.StyleLength;
    const double a = m.SubstyleRad;
    const double b = m.StyleElevRad;
    const double P = m.PlaneCoefY;

    double sideFactor = side;
    if (std::fabs(m.DeclDecimal) < 90 && std::fabs(tauM) > m.Pi / 2) sideFactor = 1;
    // The hour line through (X0, 0) on the equinoctial line and (0, Y0) on the substyle.
    const double X0 = checkedDiv(L, std::cos(b)) * std::tan(tauM);
    const double Y0 = checkedDiv(L, std::sin(b) * std::cos(b));

    // The day's conic Y^2 + A Y + B + C X^2 = 0.
    const double T = sq(std::sin(b)) - checkedDiv(sq(std::cos(b)), sq(std::tan(delta)));
    const double C = checkedDiv(1, T);
    const double B = checkedDiv(sq(checkedDiv(L, std::cos(b))), T);
    const double A = checkedDiv(-2 * L * std::tan(b), T);
    const HourLineCrossings crossings = hourLineCrossings(X0, Y0, FrameConic{A, B, C});
    if (!crossings.minus || !crossings.plus) return std::nullopt;

    // The branch: +1 exactly when one, and only one, of "a southern declination" and "an
    // elliptic conic" holds.
    const bool south = 180 * delta / m.Pi < 0;
    const double j = (south != (T > 0)) ? 3 : 1;
    auto onTangentPlane = [&](const DialPoint& q) {
        const double X = q.x, Y = q.y;
        return DialPoint{X * std::cos(a) - Y * std::sin(a) + P * std::sin(a),
                         X * std::sin(a) + Y * std::cos(a) - P * std::cos(a)};
    };
    const DialPoint plus = onTangentPlane(*crossings.plus);
    const DialPoint minus = onTangentPlane(*crossings.minus);
    if (sideFactor * (j - 2) > 0) return std::pair{plus, minus};
    return std::pair{minus, plus};
}

double apart(const DialPoint& p, const DialPoint& q) { return std::hypot(p.x - q.x, p.y - q.y); }

}  // namespace

void DrawCylProjAnalemma(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    // At the equator the rule of signs turns, and on a wall facing due south or north there the
    // tangent dial is equatorial.
    const bool atEquator = m.LatDegrees == 0;
    const bool equatorial = atEquator && (m.DeclDecimal == 0 || std::fabs(m.DeclDecimal) == 180);
    const double side = atEquator ? -1 : 1;
    m.Pi = kAnalemmaPi;
    const numeric::Colour colour = shell::LineColor(ctx, palette::kRed);

    // Every other day, laid by the curve sampler where the shadow moves fast.
    layDevelopedCurve(
        ctx,
        [&](double day) -> std::optional<DialPoint> {
            // The true sun's hour angle at 12:00 standard time.
            const auto [H, delta] = meanNoonSun(m, day);
            DialPoint q{};
            if (equatorial) {
                const double sigma = m.DeclDecimal == 0 ? 1 : -1;
                q = equatorialPoint(m.StyleLength, sigma, H, delta);
                if (!tangentShadow(m, H, delta)) return std::nullopt;
            } else {
                const auto crossings = generalPoints(m, side, m.SubstyleHour + H, delta);
                if (!crossings) return std::nullopt;
                const std::optional<DialPoint> shadow = tangentShadow(m, H, delta);
                if (!shadow) return std::nullopt;
                q = crossings->first;
                if (apart(crossings->second, *shadow) < apart(q, *shadow)) q = crossings->second;
            }
            return ProjectTangentPlanePoint(m, q.x, q.y);
        },
        {-80, 360, 2 * kMeanDayDeg, false}, everySunKept, colour);
}

}  // namespace dials::cylindrical
