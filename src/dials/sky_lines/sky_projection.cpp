#include "dials/sky_lines/sky_projection.h"

#include <cmath>

#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/checked.h"

namespace dials::sky_lines {

SkyPoint projectSun(shell::Module1& m, const SkyPlane& plane, double H, double delta) {
    const double sf = std::sin(plane.phi), cf = std::cos(plane.phi);
    const double sinD = std::sin(plane.D), cosD = std::cos(plane.D);
    const double sb = std::sin(plane.beta), cb = std::cos(plane.beta);
    const double sinH = std::sin(H), cosH = std::cos(H);
    const double tanDelta = numeric::checkFinite(std::tan(delta));

    m.PointX = sf * cb - sb * cf * cosD;
    const double Q = sinD * sb * sinH + (sb * sf * cosD + cb * cf) * cosH;
    m.PointY = numeric::checkFinite(Q + tanDelta * m.PointX);
    const double A = cosD * sinH - (sf * cosH - tanDelta * cf) * sinD;
    const double B = cb * sinD * sinH - (sb * cf - cb * sf * cosD) * cosH -
                     (cb * cf * cosD + sb * sf) * tanDelta;
    return {numeric::checkedDiv(plane.length * A, m.PointY),
            numeric::checkedDiv(plane.length * B, m.PointY)};
}

bool sunAboveHorizon(double phi, double H, double delta) {
    return aboveHorizon(sunDirection(phi, H, delta));
}

void plotSkyPoint(plot::PlotSurface& plot, const SkyPoint& p, double hemisphere,
                  numeric::Colour colour) {
    plot.xPset(hemisphere * p.x, -hemisphere * p.y, colour);
}

}  // namespace dials::sky_lines
