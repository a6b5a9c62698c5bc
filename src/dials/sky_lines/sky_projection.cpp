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

std::optional<DialPoint> plotSunlitShadow(plot::PlotSurface& plot, const SkyPlane& plane,
                                          double hemisphere, double H, double delta,
                                          numeric::Colour colour) {
    const SkyShadow s = projectShadow(plane, H, delta);
    if (!(hemisphere * s.denominator > 0) || !aboveHorizon(sunDirection(plane.phi, H, delta)))
        return std::nullopt;
    plot.xPset(hemisphere * s.point.x, -hemisphere * s.point.y, colour);
    return s.point;
}

}  // namespace dials::sky_lines
