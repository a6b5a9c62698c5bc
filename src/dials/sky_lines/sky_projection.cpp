#include "dials/sky_lines/sky_projection.h"

#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/failure.h"

namespace dials::sky_lines {

SkyShadow projectShadow(const SkyPlane& plane, double H, double delta) {
    const SunProjection p = projectSun(plane.face, plane.phi, H, delta, plane.length);
    const double denominator = numeric::checkFinite(p.denominator);
    if (!p.point) numeric::fail(numeric::FailureKind::DivisionByZero);
    return {*p.point, denominator};
}

bool sunAboveHorizon(double phi, double H, double delta) {
    return aboveHorizon(sunDirection(phi, H, delta));
}

void plotSkyPoint(plot::PlotSurface& plot, const DialPoint& p, double hemisphere,
                  numeric::Colour colour) {
    plot.xPset(hemisphere * p.x, -hemisphere * p.y, colour);
}

}  // namespace dials::sky_lines
