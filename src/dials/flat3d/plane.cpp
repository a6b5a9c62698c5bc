#include "dials/flat3d/plane.h"

#include <cmath>

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

bool ticked(const shell::Context& ctx, const char* checkBox) {
    return ctx.inputs.value(checkBox) == 1;
}

}  // namespace dials::flat3d
