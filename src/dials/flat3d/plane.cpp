#include "dials/flat3d/plane.h"

#include <cmath>

#include "shell/helpers.h"

namespace dials::flat3d {

using numeric::checkedDiv;

PlaneGeometry PlaneGeometry::from(const shell::Module1& m) {
    PlaneGeometry g;
    g.phi = m.LatRad;
    g.D = m.WallDeclRad;
    g.R = m.ReclRad;
    g.X0 = m.PlaneCoefX;
    g.Y0 = m.PlaneCoefY;
    g.Z0 = m.PlaneCoefZ;
    g.S = m.StyleLength3D;
    return g;
}

DialPoint PlaneGeometry::fromX(double X, double Z) const {
    const double u = checkedDiv(X, std::cos(D)) - Z * std::tan(D) * std::tan(R);
    const double v = checkedDiv(Z, std::cos(R));
    return {u, v};
}

DialPoint PlaneGeometry::fromY(double Y, double Z) const {
    const double u = -checkedDiv(Y, std::sin(D)) + checkedDiv(Z * std::tan(R), std::tan(D));
    const double v = checkedDiv(Z, std::cos(R));
    return {u, v};
}

WorldPoint PlaneGeometry::worldOf(const DialPoint& p) const {
    const double sinD = std::sin(D), cosD = std::cos(D), sinR = std::sin(R), cosR = std::cos(R);
    return {p.u * cosD + p.v * sinD * sinR, -p.u * sinD + p.v * cosD * sinR, p.v * cosR};
}

double clampRoundedSine(double s) {
    constexpr double kRounding = 1e-12;
    if (s > 1 && s - 1 <= kRounding) return 1;
    if (s < -1 && -1 - s <= kRounding) return -1;
    return s;
}

double inlineArcSin(const shell::Module1& m, double s) {
    s = clampRoundedSine(s);
    if (std::fabs(s) == 1) return shell::ArcSin(m, s);
    return std::atan(checkedDiv(s, numeric::checkedSqrt(1 - s * s)));
}

bool ticked(const shell::Context& ctx, const char* checkBox) {
    return ctx.inputs.value(checkBox) == 1;
}

}  // namespace dials::flat3d
