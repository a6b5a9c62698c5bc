// The triangle of the style laid into the plane: the foot of the perpendicular style, the
// centre of the dial (where the polar style meets the plane) and the tip of the perpendicular
// style turned down into the plane about the substyle, so that it lies one style length from the
// foot at right angles to the substyle; and the plot's vertical through the centre.

#include <cmath>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "dials/spherical/inclined_procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "shell/helpers.h"

namespace dials::spherical {

namespace {

struct Triangle {
    bool atInfinity;  // the centre at infinity: (xC, yC) its direction from the foot
    double xC, yC;  // centre
    double xP, yP;  // laid-down tip
};

// The tip laid down at right angles to the substyle, as drawn: of the two points one style
// length from the foot on the perpendicular to the foot-centre line, the one on the side of the
// foot that the sine q of the tip's angle names (the tip's height is L q). When the substyle runs
// along the y axis (q = 0, both points on the x axis) the side comes from the angle a the
// elevation rule gave.
void layDownTip(Triangle& t, double L, double q, double a, double S) {
    const double c = std::hypot(t.xC, t.yC);
    double xP = numeric::checkedDiv(L * t.yC, c);
    double yP = numeric::checkedDiv(-L * t.xC, c);
    const double side = yP * q != 0 ? yP * q : xP * std::cos(a) * S;
    if (side < 0) xP = -xP, yP = -yP;
    t.xP = xP;
    t.yP = yP;
}

Triangle computeTriangle(const shell::Module1& m) {
    using numeric::checkedDiv;
    const double phi = m.LatRad, D = m.WallDeclRad, R = m.ReclRad, L = m.StyleLength;
    // The side of the foot: reflected in the south as the lines' points are.
    const double S = m.HemisphereSign;
    // The plane as the programme projects its lines onto it: at i = 90 degrees - R to the horizon.
    const Face face = Face::decliningFromHorizon(D, m.Pi / 2 - R);
    // Elevation of the polar style over the plane, and the sine of the substyle's angle from the
    // plane's vertical (the polar axis laid down on the plane, over the cosine of the elevation).
    Triangle t{};
    const double e = shell::ArcSin(m, face.polarElevationSine(phi));
    const DialPoint along = face.substyleDirection(phi);
    const double q = checkedDiv(-along.x, std::cos(e));
    double a = shell::ArcSin(m, q);
    // The plane's tilt seen along the meridian.
    const double tilt = std::atan(-std::tan(R) * std::cos(D));
    if (e > 0 && tilt * S >= phi * S) a = m.Pi - shell::ArcSin(m, q);
    // The face's centre, reflected in the south; where the polar axis lies in the plane it is at
    // infinity, in the direction of the substyle from the foot.
    const auto centre = face.centre(L, phi);
    t.atInfinity = !centre;
    if (t.atInfinity) {
        t.xC = -L * S * along.x;
        t.yC = -L * S * along.y;
    } else {
        t.xC = numeric::checkFinite(S * centre->x);
        t.yC = numeric::checkFinite(S * centre->y);
    }
    layDownTip(t, L, q, a, S);
    return t;
}

}  // namespace

// Nothing is drawn when the triangle cannot be formed (a style at right angles to the plane, a
// centre the arithmetic cannot place).
void DrawSphericalStyleTriangle(shell::Context& ctx) {
    Triangle t{};
    if (!numeric::skip([&] { t = computeTriangle(ctx.m); })) return;
    // The centre at infinity lies some 1e9 style lengths or more away as the stored Pi leaves
    // it: the lines run towards it.
    const double far = std::hypot(t.xC, t.yC);
    plotLaidStyleTriangle(ctx, {t.xP, t.yP},
                          t.atInfinity ? std::nullopt : std::optional<DialPoint>({t.xC, t.yC}),
                          {t.xC / far, t.yC / far});
}

}  // namespace dials::spherical
