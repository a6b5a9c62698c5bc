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

// The point of the section the ray of abscissa t meets, k the ray's parameter there (the tip at
// 0, the tangent plane at 1): the one the tip's shadow falls on, on a concave dial where the ray
// leaves the section forward, on a convex one the first meeting.
std::optional<DialPoint> ProjectTangentPlanePoint(const shell::Module1& m, double t, double y) {
    const double L = m.StyleLength;
    const double R = m.CylParam;
    const int s = m.SideSign;
    const double c = L + s * R;
    const double disc = L * L * R * R - t * t * (c * c - R * R);
    if (disc < 0) return std::nullopt;

    // Concave: the root ahead of the tip (the tip is inside the circle). Convex: the nearer.
    const double k = checkedDiv(c * L - s * checkedSqrt(disc), t * t + L * L);
    // The point from the centre: c - k L along the normal, k t along the tangent.
    const double x = numeric::checkFinite(R * std::atan2(k * t, s * (c - k * L)));
    return DialPoint{x, numeric::checkFinite(k * y)};
}

namespace {

// The sweep of the tangent plane's abscissa from..to at the point step, for a line carried onto
// the cylinder: its ends where the rays from the tip stop meeting the section (the tangents from
// the tip, beyond which ProjectTangentPlanePoint has none), and `more` besides; narrowed to the
// abscissae whose rays fall on the generatrices within the plot area's width (a cylinder far
// wider than it is laid over the part it shows). None where no ray falls there.
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

// The tangent-plane abscissae of the shadows of these suns, of those in front of the tangent
// plane (the others the programme does not carry): where the lines that end at them end.
std::vector<double> sunAbscissae(const shell::Module1& m, const std::vector<Vec3>& suns) {
    std::vector<double> abscissae;
    for (const Vec3& sun : suns)
        if (const auto t = abscissaAlong(m, sun, true)) abscissae.push_back(*t);
    return abscissae;
}

// Lays the tangent-plane curve of these ordinates from..to, ending at the abscissae `ends`.
void layTangentPlaneCurve(shell::Context& ctx, double from, double to,
                          const std::function<std::optional<double>(double t)>& ordinate,
                          const SunKept& keep, numeric::Colour colour,
                          const std::vector<double>& ends) {
    const std::optional<CurveRange> sweep = tangentPlaneSweep(ctx, from, to, ends);
    if (!sweep) return;
    layDevelopedCurve(
        ctx,
        [&](double t) -> std::optional<DialPoint> {
            const std::optional<double> y = ordinate(t);
            if (!y) return std::nullopt;
            return ProjectTangentPlanePoint(ctx.m, t, *y);
        },
        *sweep, keep, colour);
}

}  // namespace

void layTangentPlaneLine(shell::Context& ctx, double from, double to, numeric::Colour colour,
                         const std::function<double(double t)>& ordinate, const SunKept& keep,
                         const std::vector<Vec3>& endSuns) {
    layTangentPlaneCurve(
        ctx, from, to, [&](double t) { return std::optional<double>(ordinate(t)); }, keep, colour,
        sunAbscissae(ctx.m, endSuns));
}

GeneratrixSweep tangentAbscissaSweep(shell::Context& ctx) {
    GeneratrixSweep sweep;
    sweep.lay = [&ctx](const HeightAtOffset& height, const SunKept& keep, numeric::Colour colour,
                       const std::vector<double>& ends) {
        const CylinderShadow shadow = CylinderShadow::from(ctx.m);
        layTangentPlaneCurve(
            ctx, -5 * ctx.m.CylParam, 5 * ctx.m.CylParam,
            [&](double t) { return height(shadow.towardsTipFromTangentLine(t)); }, keep, colour,
            ends);
    };
    sweep.sunEnds = [&ctx](const std::vector<Vec3>& suns) { return sunAbscissae(ctx.m, suns); };
    // On the vertical planes through the tip that touch the double cone of the suns of
    // declination +-delta: where the two ordinates of the cone's conic meet and its line turns
    // back.
    sweep.coneTouchingEnds = [&ctx](double delta) {
        std::vector<double> abscissae;
        for (const Vec3& normal : verticalsTouchingCone(ctx.m.LatRad, delta))
            if (const auto t = abscissaAlong(ctx.m, Vec3{normal.y, -normal.x, 0}, false))
                abscissae.push_back(*t);
        return abscissae;
    };
    // The cut of the plane through the tip with the normal n: the points of abscissa t and
    // ordinate v where t (n . e) + v n_up = L (n . f); none where it runs upright.
    sweep.planeCut = [&ctx](const Vec3& n, const SunKept& keep, numeric::Colour colour,
                            const std::vector<double>& ends) {
        const shell::Module1& m = ctx.m;
        const double D = m.WallDeclRad;
        const double along = -n.x * std::sin(D) - n.y * std::cos(D);
        const double across = n.x * std::cos(D) - n.y * std::sin(D);
        double v0 = 0, slope = 0;
        try {
            v0 = checkedDiv(m.StyleLength * along, n.z);
            slope = checkedDiv(-across, n.z);
        } catch (const numeric::NumericFailure&) {
            return;
        }
        layTangentPlaneCurve(
            ctx, -5 * m.CylParam, 5 * m.CylParam,
            [&](double t) { return std::optional<double>(v0 + slope * t); }, keep, colour, ends);
    };
    return sweep;
}

}  // namespace dials::cylindrical
