// The shadow of the style tip on the wall for one sun, the computation every line of the
// vertical dial by spherical trigonometry shares.
//
// The azimuth comes first as A0 = atan(sin t / (cos t sin phi - tan delta cos phi)), which only
// knows the half of the sky the quotient points to; the sun stands in the other half when the
// sign of sin t (west or east of the meridian) differs from that of sin A0, and on the meridian
// itself (t = 0) when the divisor is negative: the sun culminates north of the zenith, as it does
// on most days south of the tropic. The half turn is taken towards the wall's declination.

#include <cmath>
#include <utility>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "dials/plot_line.h"
#include "dials/spherical/vertical_procedures.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"

namespace dials::spherical::vsph {

namespace {

double halfTurned(const shell::Module1& m, double t, double A0, double divisor) {
    const int p = numeric::sgn(std::sin(t));
    const int q = numeric::sgn(std::sin(A0));
    const bool otherHalf = p != q || (p == 0 && divisor < 0);
    if (!otherHalf) return A0;
    // Exactly on the wall's declination either way round is a half turn.
    return A0 - (A0 - m.WallDeclRad < 0 ? -1 : 1) * m.Pi;
}

}  // namespace

SunPlace sunPlace(const shell::Module1& m, double t, double deltaRad) {
    const double phi = m.LatRad;
    const double divisor = std::cos(t) * std::sin(phi) - std::tan(deltaRad) * std::cos(phi);
    const double A0 = std::atan(numeric::checkedDiv(std::sin(t), divisor));
    const double A = halfTurned(m, t, A0, divisor);
    const double sinH = std::sin(phi) * std::sin(deltaRad) +
                        std::cos(deltaRad) * std::cos(phi) * std::cos(t);
    return {A, shell::ArcSin(m, sinH)};
}

SunPlace equinoxSunPlace(const shell::Module1& m, double t) {
    if (m.LatRad != 0) return sunPlace(m, t, 0);
    const double A0 = m.Pi / 2;
    return {halfTurned(m, t, A0, 1), m.Pi / 2 - std::fabs(t)};
}

WallPoint onWall(shell::Module1& m, const SunPlace& sun) {
    m.HourAngleRad = sun.h;
    const double s = m.StyleLength;
    const double c = std::cos(sun.A - m.WallDeclRad);
    const double x = numeric::checkFinite(s * std::tan(sun.A - m.WallDeclRad));
    const double y = numeric::checkFinite(numeric::checkedDiv(-s * std::tan(sun.h), c));
    return {x, y, c > 0, Face::declining(m.WallDeclRad, 0).sunOf(s, {x, y})};
}

std::optional<WallPoint> ShadowPointVertSph(shell::Module1& m, double t, double deltaDeg) {
    std::optional<WallPoint> point;
    numeric::skip([&] {
        const double deltaRad = numeric::checkFinite(deltaDeg * m.Pi / 180);
        point = onWall(m, sunPlace(m, numeric::checkFinite(t), deltaRad));
    });
    return point;
}

std::optional<WallPoint> EquinoxShadowPointVertSph(shell::Module1& m, double t) {
    std::optional<WallPoint> point;
    numeric::skip([&] { point = onWall(m, equinoxSunPlace(m, numeric::checkFinite(t))); });
    return point;
}

CurveAt curveOf(LinePointAt at) {
    return [at = std::move(at)](double t) -> std::optional<DialPoint> {
        const std::optional<WallPoint> p = at(t);
        if (!p || !p->drawn()) return std::nullopt;
        return DialPoint{p->x, p->y};
    };
}

LinePointAt hourLineAt(shell::Module1& m, double t) {
    return [&m, t](double decl) {
        m.SunDecl = decl;
        return ShadowPointVertSph(m, t, decl);
    };
}

CurveRange hourLineSweep(const shell::Module1& m) {
    return {-kInnerSolsticeDeg, kInnerSolsticeDeg, 10 * m.PointStep};
}

Face wallFace(const shell::Module1& m) { return Face::declining(m.WallDeclRad, 0); }

}  // namespace dials::spherical::vsph
