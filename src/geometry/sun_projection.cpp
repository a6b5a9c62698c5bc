#include "geometry/sun_projection.h"

#include <cmath>

namespace geometry {

SunProjection projectSun(const Face& face, double phi, double H, double delta, double length) {
    const Vec3 pole = celestialPole(phi);
    const Vec3 sun = equatorPoint(phi, H) + std::tan(delta) * pole;
    return {face.polarElevationSine(phi), dot(sun, face.out),
            solvePoint([&] { return face.shadow(length, sun); })};
}

}  // namespace geometry
