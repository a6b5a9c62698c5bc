// The projection of the tangent plane's dial onto the cylinder, from the style tip, and the
// plotting of the projected points.
//
// In the horizontal section through a point: the foot P at the origin, the tip T at distance L
// along the normal, the centre of the section at distance R from P (on the tip's side when
// concave, s = -1, on the far side when convex, s = +1). The ray from T through the point of
// tangential abscissa t meets the circle where its tangential coordinate m solves
//   (t^2 + L^2) m^2 - 2 t (L^2 + s R L) m + t^2 (L^2 + 2 s R L) = 0,
// and along the ray the tangent plane is at parameter 1, the cylinder at m / t.

#include <cmath>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/rounding.h"

namespace dials::cylindrical {

using numeric::checkedDiv;
using numeric::checkedSqrt;

std::optional<TangentPlaneRay> projectTangentAbscissa(const shell::Module1& m, double t) {
    const double L = m.StyleLength;
    const double R = m.CylParam;
    const int s = m.SideSign;
    const double p2 = t * t + L * L;
    const double p1 = -2 * t * (L * L + s * R * L);
    const double p0 = t * t * (L * L + 2 * s * R * L);
    const double disc = p1 * p1 - 4 * p2 * p0;
    if (disc < 0) return std::nullopt;

    // Concave: the root on t's side (the tip is inside the circle). Convex: the nearer root.
    TangentPlaneRay ray;
    ray.m = checkedDiv(-p1 - s * numeric::sgn(t) * checkedSqrt(disc), 2 * p2);
    const double q = checkedDiv(ray.m, R);
    double turn = std::atan(checkedDiv(q, checkedSqrt(1 - q * q)));
    // A concave style longer than the radius reaches past a quarter turn from the foot, where
    // the arcsine of m / R would fold the point back: there the turn is Pi minus it.
    if (t != 0) {
        const double depth = L * (1 - checkedDiv(ray.m, t));  // of the point, towards the tip
        if (R + s * depth < 0) turn = (q < 0 ? -m.Pi : m.Pi) - turn;
    }
    ray.x = numeric::checkFinite(R * turn);
    return ray;
}

double heightOnCylinder(const TangentPlaneRay& ray, double t, double y) {
    return numeric::checkFinite(checkedDiv(y, t) * ray.m);
}

std::optional<CylProjPoint> ProjectTangentPlanePoint(const shell::Module1& m, double t,
                                                     double y) {
    try {
        const std::optional<TangentPlaneRay> ray = projectTangentAbscissa(m, t);
        if (!ray) return std::nullopt;
        return CylProjPoint{ray->x, heightOnCylinder(*ray, t, y)};
    } catch (const numeric::NumericFailure&) {
        return std::nullopt;
    }
}

void plotCylProjPoint(shell::Context& ctx, const CylProjPoint& p, numeric::Colour colour) {
    ctx.m.DevelopedAbscissa = p.x;
    ctx.ixPlot1().xPset(p.x, -p.h, colour);
}

bool plotTangentPlanePoint(shell::Context& ctx, double t, double y, numeric::Colour colour) {
    const std::optional<CylProjPoint> p = ProjectTangentPlanePoint(ctx.m, t, y);
    if (p) plotCylProjPoint(ctx, *p, colour);
    return p.has_value();
}

}  // namespace dials::cylindrical
