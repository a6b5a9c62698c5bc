// The central projection of the sun through the tip of the perpendicular style onto a plane of
// declination D (west positive) and reclination z (from the vertical), geometry::projectSun, and
// the rule by which the programme places the projected point: where the sun of the point stands
// above the horizon, reflected through the foot in the south.

#include <cmath>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "dials/plot_line.h"
#include "geometry/sky.h"
#include "geometry/sun_projection.h"
#include "dials/spherical/inclined_procedures.h"
#include "shell/helpers.h"

namespace dials::spherical {

namespace {

// The projection of the sun of (H, delta) on the plane given by its angle to the horizon,
// Pi / 2 - ReclRad in the programme's own value of Pi, as the projection's terms take it.
SunProjection projectOnPlane(const shell::Module1& m, double H, double delta) {
    const Face plane = Face::decliningFromHorizon(m.WallDeclRad, m.Pi / 2 - m.ReclRad);
    return projectSun(plane, m.LatRad, H, delta, m.StyleLength);
}

}  // namespace

std::optional<DialPoint> ShadowPointSpherical(const shell::Module1& m, double H, double delta) {
    return projectOnPlane(m, H, delta).point;
}

bool SunInFront(const shell::Module1& m, double H, double delta) {
    const double side = m.HorizontalFlag == 1 ? (m.ReclRad > 0 ? 1 : -1) : m.HemisphereSign;
    return projectOnPlane(m, H, delta).denominator * side > 0;
}

Vec3 SunOfPoint(const shell::Module1& m, double X, double Y) {
    const Vec3 s = PlaneFaceSpherical(m).sunOf(m.StyleLength, {X, Y});
    if (m.LatRad >= 0) return s;
    // The tip behind the plane (-s), the figure turned east for west (x -> -x).
    return {s.x, -s.y, -s.z};
}

std::optional<DialPoint> DrawnSunPointSpherical(shell::Module1& m, double H, double delta,
                                                bool litOnly) {
    if (litOnly && !SunInFront(m, H, delta)) return std::nullopt;
    const std::optional<DialPoint> at = ShadowPointSpherical(m, H, delta);
    if (!at || !aboveHorizon(SunOfPoint(m, at->x, at->y))) return std::nullopt;
    if (m.LatRad >= 0) return at;
    return DialPoint{-at->x, -at->y};
}

Face PlaneFaceSpherical(const shell::Module1& m) {
    return Face::declining(m.WallDeclRad, m.ReclRad);
}

Face DrawnFaceSpherical(const shell::Module1& m) {
    if (m.LatRad >= 0) return PlaneFaceSpherical(m);
    return Face::declining(m.Pi - m.WallDeclRad, -m.ReclRad);
}

}  // namespace dials::spherical
