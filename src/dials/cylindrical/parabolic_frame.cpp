// The set-up of the parabolic dial: the side, the foot and the tip of the style, and the
// development of the section by its arc length.

#include <cmath>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/parabolic_procedures.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using numeric::checkedDiv;
using numeric::checkedSqrt;
using numeric::checkFinite;

double parabolaArcLength(double u, double p) {
    // [u r + p^2 ln(u + r)] / (2p) - (p / 2) ln p with r = sqrt(u^2 + p^2), the logarithm taken as
    // asinh(u / p) = ln((u + r) / p): u + r cancels to nothing for u < 0 when p is small beside
    // |u|, while asinh keeps every digit and the arc odd in u.
    if (!(p > 0)) numeric::fail(numeric::FailureKind::NonPositiveLog);
    const double r = checkedSqrt(u * u + p * p);
    return checkFinite(checkedDiv(u * r, 2 * p) + p / 2 * std::asinh(checkedDiv(u, p)));
}

double ParabolicFrame::A(double u) const { return parabolaArcLength(u, p); }

double ParabolicFrame::Q(double X) const {
    return checkFinite(checkedDiv(X * X, 2 * p) - X * std::tan(Dp));
}

double ParabolicFrame::xi(double X) const { return checkFinite(A(X + u0) - Au0); }

bool ParabolicFrame::reaches(double X) const {
    // The dial's face at u = X + u0 looks along (s u / p, -1), east and north, on either side;
    // the tip lies xt - X east and s (yt - Q(X)) north of the point.
    const double u = X + u0;
    return tipOnDialSide && s * (checkedDiv(u * (xt - X), p) + Q(X) - yt) > 0;
}

Vec3 ParabolicFrame::towardsTip(double X, double height) const {
    // Q runs north on the convex side and south on the concave one.
    return {xt - X, s * (yt - Q(X)), -height};
}

numeric::QuadraticRoots ParabolicFrame::planeAt(const Vec3& n, double height) const {
    // From the tip to the point: X - xt east, s (Q(X) - yt) north, height up; the plane wants
    // that offset square to the normal, a quadratic in X through Q.
    return numeric::stableQuadraticRoots(n.y * s / (2 * p), n.x - n.y * s * std::tan(Dp),
                                         n.z * height - n.x * xt - n.y * s * yt);
}

std::vector<double> ParabolicFrame::reachLimits() const {
    // reaches(X) without its side sign: -X^2 / (2p) + X ((xt - u0) / p - tan D') + u0 xt / p - yt.
    const numeric::QuadraticRoots r = numeric::stableQuadraticRoots(
        -1 / (2 * p), (xt - u0) / p - std::tan(Dp), u0 * xt / p - yt);
    std::vector<double> limits;
    for (const std::optional<double>& X : {r.minus, r.plus})
        if (X) limits.push_back(*X);
    return limits;
}

std::vector<double> ParabolicFrame::coneTouchingSamples(double delta) const {
    std::vector<double> samples;
    for (const Vec3& normal : verticalsTouchingCone(phi, delta)) {
        const numeric::QuadraticRoots r = planeAt(normal, 0);
        for (const std::optional<double>& X : {r.minus, r.plus})
            if (X) samples.push_back(*X);
    }
    return samples;
}

std::vector<double> ParabolicFrame::shadowSamples(const std::vector<Vec3>& suns) const {
    std::vector<double> samples;
    for (const Vec3& sun : suns) {
        // On the vertical plane through the tip along the sun, the generatrix before the tip.
        const numeric::QuadraticRoots r = planeAt(Vec3{-sun.y, sun.x, 0}, 0);
        for (const std::optional<double>& X : {r.minus, r.plus}) {
            if (!X) continue;
            try {
                if (reaches(*X) && dot(towardsTip(*X, 0), sun) > 0) samples.push_back(*X);
            } catch (const numeric::NumericFailure&) {
                // A generatrix whose surface point cannot be computed is none of the dial's.
            }
        }
    }
    return samples;
}

ParabolicFrame SetupParabolicDial(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.SideSign = ctx.inputs.selected("Option3D2") ? 1 : -1;
    ParabolicFrame f = ParabolicFrame::of(m);
    f.E = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    f.Z0 = m.ZoneCorrRad;
    m.PlaneCoefX = f.xt;
    m.PlaneCoefY = f.yt;
    m.PlaneCoefZ = 0;

    // The generic gnomon: from the tip along the axis to the surface, in the meridian plane.
    m.TipOffset = std::fabs(f.Q(f.xt) - f.yt);
    m.StyleHypotenuse = checkedDiv(m.TipOffset, std::cos(f.phi));

    // Every curve is sampled with this step.
    numeric::StepRange(-1, 1.5, m.PointStep);
    return f;
}

ParabolicFrame ParabolicFrame::of(const shell::Module1& m) {
    ParabolicFrame f;
    f.phi = m.LatRad;
    f.p = m.Radius;
    f.s = m.SideSign;
    f.L = m.StyleLength;
    f.Dp = f.s * (m.DeclDegrees * m.Pi / 180);
    // The foot, where the surface normal faces the declination, and the tip along that normal.
    f.u0 = -f.p * std::tan(f.Dp);
    f.xt = -f.s * f.L * std::sin(f.Dp);
    f.yt = -f.s * f.L * std::cos(f.Dp);
    // On either side the surface straight along the axis from a tip in front of it lies north
    // of the tip; a concave style long enough to pass through the far arm leaves it south.
    f.tipOnDialSide = f.s * (f.Q(f.xt) - f.yt) > 0;
    // The section is unrolled from the foot.
    f.Au0 = f.A(f.u0);
    return f;
}

}  // namespace dials::cylindrical
