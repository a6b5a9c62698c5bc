#include "geometry/sky.h"

#include <cmath>

#include "numeric/checked.h"

namespace geometry {

namespace {

// The declinations of the year are tried from one solstice to the other in this many steps,
// about a quarter of a degree apart.
constexpr int kYearDeclinationSteps = 188;

}  // namespace

Vec3 celestialPole(double phi) { return {0, std::cos(phi), std::sin(phi)}; }

Vec3 celestialPoleAtColatitude(double colatitude) {
    return {0, std::sin(colatitude), std::cos(colatitude)};
}

Vec3 equatorPoint(double phi, double hourAngle) {
    const double cosH = std::cos(hourAngle);
    return {-std::sin(hourAngle), -cosH * std::sin(phi), cosH * std::cos(phi)};
}

Vec3 sunDirection(double phi, double hourAngle, double declination) {
    const double c = std::cos(declination), s = std::sin(declination);
    const double sinH = std::sin(hourAngle), cosH = std::cos(hourAngle);
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
    return {-c * sinH, -c * cosH * sinPhi + s * cosPhi, c * cosH * cosPhi + s * sinPhi};
}

Vec3 hourPlaneNormal(double phi, double hourAngle) {
    const double sinH = std::sin(hourAngle);
    return {std::cos(hourAngle), -std::sin(phi) * sinH, std::cos(phi) * sinH};
}

Vec3 turnedHorizonNormal(double phi, double turn) {
    const double cosPhi = std::cos(phi), sinPhi = std::sin(phi), cosA = std::cos(turn);
    return {-cosPhi * std::sin(turn), sinPhi * cosPhi * (1 - cosA),
            cosPhi * cosPhi * cosA + sinPhi * sinPhi};
}

double sineOfDeclination(double phi, const Vec3& sun) {
    const double size = length(sun);
    if (!(size > 0)) return 0;
    return (sun.y * std::cos(phi) + sun.z * std::sin(phi)) / size;
}

bool withinSolstices(double phi, const Vec3& sun, double pi) {
    if (!(length(sun) > 0)) return false;
    return std::fabs(sineOfDeclination(phi, sun)) <= std::sin(kSolsticeDeg * pi / 180);
}

double semiDiurnalArc(double phi, double declination, double pi) {
    if (!aboveHorizon(sunDirection(phi, 0, declination))) return 0;
    // The midnight sun below the horizon is the opposite direction above it.
    if (!aboveHorizon(-sunDirection(phi, pi, declination))) return pi;
    // Both rule out a grazing day: -tan phi tan delta lies well inside (-1, 1) here.
    return numeric::ArcCos(-std::tan(phi) * std::tan(declination), pi);
}

HourPlaneHalf::HourPlaneHalf(double phi, double hourAngle, double pi, bool otherHalfDrawnElsewhere)
    : phi_(phi),
      hourAngle_(hourAngle),
      pi_(pi),
      equator_(equatorPoint(phi, hourAngle)),
      otherHalfDrawn_(otherHalfDrawnElsewhere) {}

HourPlaneHalf HourPlaneHalf::ofTurnedHorizon(double phi, double turn, double pi,
                                             bool settingHalf) {
    return HourPlaneHalf(phi, settingHalf ? turn + pi / 2 : turn - pi / 2, pi, true);
}

bool HourPlaneHalf::keeps(const Vec3& sun) const {
    if (onOwnHalf(sun)) return true;
    if (otherHalfDrawn_ || !aboveHorizon(sun)) return false;
    return withinSolstices(phi_, sun, pi_);
}

bool HourPlaneHalf::otherHalfLitInTheYear(const Vec3& front) const {
    if (otherHalfDrawn_) return false;
    const Vec3 pole = celestialPole(phi_);
    const Vec3 other = -equator_;
    for (int i = 0; i <= kYearDeclinationSteps; ++i) {
        const double decl =
            (-kSolsticeDeg + 2 * kSolsticeDeg * i / kYearDeclinationSteps) * pi_ / 180;
        const Vec3 sun = std::cos(decl) * other + std::sin(decl) * pole;
        if (aboveHorizon(sun) && dot(sun, front) > 0) return true;
    }
    return false;
}

}  // namespace geometry
