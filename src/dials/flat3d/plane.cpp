#include "dials/flat3d/plane.h"

#include <cmath>

#include "dials/geometry_names.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/tolerance.h"
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
    g.face = Face::declining(g.D, g.R);
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

DialPoint PlaneGeometry::substyleAtX(double X) const {
    const double a = std::cos(D) * std::tan(R) + std::tan(phi);
    const double b = std::sin(D) * (std::cos(D) - std::tan(phi) * std::tan(R));
    return fromX(X, -checkedDiv(X * a, b));
}

DialPoint PlaneGeometry::substyleAtY(double Y) const {
    const double sinD = std::sin(D), cosD = std::cos(D), tanR = std::tan(R);
    const double k = std::sin(phi) * cosD + std::cos(phi) * tanR;
    const double mm = sinD * sinD * std::cos(phi) + k * tanR;
    const double Z = checkedDiv((Y - Y0) * (sinD * sinD * std::sin(phi) + k * cosD) +
                                    k * (X0 * sinD + Y0 * cosD - Z0 * tanR),
                                mm) +
                     Z0;
    return fromY(Y, Z);
}

void storeStyleElevation(shell::Module1& m, const PlaneGeometry& g) {
    const double s = -g.face.polarElevationSine(g.phi);
    numeric::assignOrSkip(m.StyleElevRad, [&] { return shell::ArcSin(m, numeric::clampRoundedSine(s)); });
}

}  // namespace dials::flat3d
