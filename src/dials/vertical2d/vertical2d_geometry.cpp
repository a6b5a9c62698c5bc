#include "dials/vertical2d/vertical2d_geometry.h"

namespace dials::vertical2d {

NorthernWall NorthernWall::from(const shell::Module1& m) {
    // The programme's declination is east positive; the physical one of the northern wall is
    // west positive, and a southern dial is the mirror image of a northern one.
    const double phi = m.LatRad * m.WorkFlag;
    const double Dp = -m.WallDeclRad * m.WorkFlag;
    NorthernWall w;
    w.axisX = {std::cos(Dp), -std::sin(Dp), 0};
    w.axisY = {0, 0, 1};
    w.tip = m.StyleLength * Vec3{-std::sin(Dp), -std::cos(Dp), 0};
    w.pole = {0, std::cos(phi), std::sin(phi)};
    w.meridian = {0, -std::sin(phi), std::cos(phi)};
    w.west = {-1, 0, 0};
    return w;
}

Vec3 NorthernWall::sun(double hourAngle, double declination) const {
    const double c = std::cos(declination);
    return (c * std::cos(hourAngle)) * meridian + (c * std::sin(hourAngle)) * west +
           std::sin(declination) * pole;
}

Vec3 NorthernWall::turnedZenith(double rho) const {
    // The zenith is cos(phi) along the meridian's equator point and sin(phi) along the pole.
    const double cosPhi = dot(Vec3{0, 0, 1}, meridian);
    const double sinPhi = dot(Vec3{0, 0, 1}, pole);
    return (cosPhi * std::cos(rho)) * meridian + (cosPhi * std::sin(rho)) * west + sinPhi * pole;
}

LineEquation NorthernWall::withinSixHours(double hourAngle) const {
    // The sun's line from the point to the tip leans towards the equator's point of hourAngle.
    const Vec3 equinox = sun(hourAngle, 0);
    return {dot(axisX, equinox), dot(axisY, equinox), dot(tip, equinox)};
}

}  // namespace dials::vertical2d
