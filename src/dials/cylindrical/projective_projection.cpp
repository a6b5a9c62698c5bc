// The projection of the tangent plane's dial onto the cylinder, from the style tip, and the
// plotting of the projected points.
//
// In the horizontal section through a point: the foot P at the origin, the tip T at distance L
// along the normal, the centre of the section at distance R from P (on the tip's side when
// concave, s = -1, on the far side when convex, s = +1), so the tip lies c = L + s R from the
// centre. The ray T + k (Q - T) through the point Q of tangential abscissa t meets the circle
// where (t^2 + L^2) k^2 - 2 c L k + c^2 - R^2 = 0; there its tangential coordinate is m = k t, and
// heights scale by k along the ray. The point is unrolled by its turn about the axis; it is
// plotted where its sun stands above the horizon (layDevelopedCurve).

#include <cmath>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "numeric/checked.h"
#include "numeric/failure.h"

namespace dials::cylindrical {

using numeric::checkedDiv;
using numeric::checkedSqrt;

std::optional<TangentPlaneRay> projectTangentAbscissa(const shell::Module1& m, double t) {
    const double L = m.StyleLength;
    const double R = m.CylParam;
    const int s = m.SideSign;
    const double c = L + s * R;
    const double disc = L * L * R * R - t * t * (c * c - R * R);
    if (disc < 0) return std::nullopt;

    // Concave: the root ahead of the tip (the tip is inside the circle). Convex: the nearer.
    TangentPlaneRay ray;
    ray.k = checkedDiv(c * L - s * checkedSqrt(disc), t * t + L * L);
    ray.m = ray.k * t;
    // The point from the centre: c - k L along the normal, k t along the tangent.
    ray.x = numeric::checkFinite(R * std::atan2(ray.m, s * (c - ray.k * L)));
    return ray;
}

std::optional<CurveRange> tangentPlaneSweep(shell::Context& ctx, double from, double to,
                                            const std::vector<double>& more) {
    const shell::Module1& m = ctx.m;
    CurveRange range{from, to, m.PointStep};
    range.ends = more;
    // The ray of abscissa t meets the section while L^2 R^2 >= t^2 (c^2 - R^2).
    const double L = m.StyleLength, R = m.CylParam, s = m.SideSign, c = L + s * R;
    if (c * c > R * R) {
        const double t = L * R / std::sqrt(c * c - R * R);
        range.ends.insert(range.ends.end(), {-t, t});
    }
    // The abscissa of the ray onto the generatrix at developed abscissa u, where that generatrix
    // lies on the arc the rays reach forward of the tip, along which the abscissa grows with u;
    // beyond it the sweep's own bound.
    auto abscissaOf = [&](double u, double bound) {
        const double psi = u / R;
        const double along = L + s * R - s * R * std::cos(psi);
        const bool reached = (L + s * R) * std::cos(psi) - s * R > 0;
        if (!(std::fabs(psi) < m.Pi && along > 0 && reached)) return bound;
        return L * R * std::sin(psi) / along;
    };
    const PlotBox box = plotBox(ctx.ixPlot1());
    return narrowedRange(range, abscissaOf(box.left, from), abscissaOf(box.right, to));
}

namespace {

// The tangent plane's point of abscissa t lies L f - t e from the tip (f the face's direction, e
// across it): the vertical plane through the tip along the horizontal direction d meets the
// tangent plane where t = -L (d . e) / (d . f); none where it runs parallel to it, or (inFront)
// where d does not point out of the face.
std::optional<double> abscissaAlong(const shell::Module1& m, const Vec3& d, bool inFront) {
    const double D = m.WallDeclRad;
    const double alongFace = -d.x * std::sin(D) - d.y * std::cos(D);
    const double across = d.x * std::cos(D) - d.y * std::sin(D);
    if (inFront ? !(alongFace > 0) : alongFace == 0) return std::nullopt;
    return -m.StyleLength * across / alongFace;
}

}  // namespace

std::vector<double> coneTouchingAbscissae(const shell::Module1& m, double delta) {
    std::vector<double> abscissae;
    for (const Vec3& normal : verticalsTouchingCone(m.LatRad, delta))
        if (const auto t = abscissaAlong(m, Vec3{normal.y, -normal.x, 0}, false))
            abscissae.push_back(*t);
    return abscissae;
}

std::vector<double> sunAbscissae(const shell::Module1& m, const std::vector<Vec3>& suns) {
    std::vector<double> abscissae;
    for (const Vec3& sun : suns)
        if (const auto t = abscissaAlong(m, sun, true)) abscissae.push_back(*t);
    return abscissae;
}

double heightOnCylinder(const TangentPlaneRay& ray, double y) {
    return numeric::checkFinite(ray.k * y);
}

std::optional<CylProjPoint> ProjectTangentPlanePoint(const shell::Module1& m, double t,
                                                     double y) {
    try {
        const std::optional<TangentPlaneRay> ray = projectTangentAbscissa(m, t);
        if (!ray) return std::nullopt;
        return CylProjPoint{ray->x, heightOnCylinder(*ray, y)};
    } catch (const numeric::NumericFailure&) {
        return std::nullopt;
    }
}

}  // namespace dials::cylindrical
