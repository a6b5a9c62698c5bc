// The projective map of the former programme: a point of the reference plane carried onto the
// dial plane by the central projection from the style tip, and the plotting of dial points.
// Also the quadratic solver that the conics of the programme share.

#include <cmath>

#include "dials/projective/former_procedures.h"
#include "numeric/checked.h"
#include "numeric/failure.h"

namespace dials::projective::former {

using numeric::checkedDiv;
using numeric::checkFinite;

DialPoint projectToDial(shell::Module1& m, double x, double z) {
    const double D = m.WallDeclRad, R = m.ReclRad;
    const double a = m.StyleLengthD * std::cos(m.LatRad);  // the tip in front of the plane
    const double b = m.StyleLengthD * std::sin(m.LatRad);  // its foot below O
    m.ConeCoef2345 = a;
    m.PointY = b;
    const double S = z + b;  // the point's height above that foot
    m.SubstyleSlope = S;
    const double q = 1 - checkedDiv(x * std::tan(D), a);
    const double p = checkedDiv(std::tan(R), q * std::cos(D)) - checkedDiv(a, S);
    m.PointX = p;
    const double u = checkedDiv((checkedDiv(a * b, S) - a) - checkedDiv(x * std::tan(D), q), p);
    const double e = checkedDiv(x * (u + b), S);
    const double X = -(checkedDiv(e, std::cos(D)) + u * std::tan(R) * std::tan(D));
    const double Y = checkedDiv(u, std::cos(R));
    return {checkFinite(X), checkFinite(Y)};
}

std::optional<DialPoint> tryProjectToDial(shell::Module1& m, double x, double z) {
    try {
        return projectToDial(m, x, z);
    } catch (const numeric::NumericFailure&) {
        return std::nullopt;
    }
}

void plotDialPoint(shell::Context& ctx, const DialPoint& p, numeric::Colour colour) {
    const double px = p.X - ctx.m.OriginX;
    const double py = ctx.m.OriginY - p.Y;
    if (std::isfinite(px) && std::isfinite(py)) ctx.ixPlot1().xPset(px, py, colour);
}

void plotReferencePoint(shell::Context& ctx, double x, double z, numeric::Colour colour) {
    if (const auto p = tryProjectToDial(ctx.m, x, z)) plotDialPoint(ctx, *p, colour);
}

std::optional<RootPair> quadraticRoots(double alpha, double c) {
    const double disc = checkFinite(alpha * alpha - 4 * c);
    if (disc < 0) return std::nullopt;
    const double root = std::sqrt(disc);
    // The root without cancellation first; the other from the product of the roots, c.
    RootPair r;
    if (alpha >= 0) {
        r.first = (-alpha - root) / 2;
        r.second = r.first == 0 ? 0 : checkedDiv(c, r.first);
    } else {
        r.second = (-alpha + root) / 2;
        r.first = r.second == 0 ? 0 : checkedDiv(c, r.second);
    }
    return r;
}

}  // namespace dials::projective::former
