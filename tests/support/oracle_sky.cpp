#include "support/oracle_sky.h"

#include <cmath>

namespace oracle {

double foldRadians(double a) {
    // A full turn is the true 2 pi: the stored Pi only converts degrees, so "360 degrees" with
    // it falls short of a turn by about 8e-10 radians and must not be used to fold.
    const double turn = 2 * std::acos(-1.0);
    double r = std::fmod(a, turn);
    if (r <= -turn / 2) r += turn;
    if (r > turn / 2) r -= turn;
    return r;
}

double foldDegrees(double a) {
    double r = std::fmod(a, 360.0);
    if (r <= -180) r += 360;
    if (r > 180) r -= 360;
    return r;
}

Sky::Sky(double latitudeDeg, double pi) : latitudeDeg_(latitudeDeg), pi_(pi) {
    const double phi = rad(latitudeDeg);
    // The pole stands above the northern horizon at the latitude's height (below it in the
    // south); the equator crosses the meridian 90 degrees from it, on the side of the zenith.
    pole_ = {0, std::cos(phi), std::sin(phi)};
    meridian_ = {0, -std::sin(phi), std::cos(phi)};
}

Vec3 Sky::sun(double hourAngleDeg, double declinationDeg) const {
    const double h = rad(hourAngleDeg);
    const double d = rad(declinationDeg);
    // The sun turns about the pole from the meridian towards the west as the hour angle grows.
    const Vec3 onEquator = std::cos(h) * meridian_ + std::sin(h) * west();
    return std::cos(d) * onEquator + std::sin(d) * pole_;
}

HourDecl Sky::hourDeclOf(Vec3 direction) const {
    const Vec3 u = unit(direction);
    const double alongPole = dot(u, pole_);
    const double toMeridian = dot(u, meridian_);
    const double toWest = dot(u, west());
    HourDecl r;
    r.declination = deg(std::atan2(alongPole, std::hypot(toMeridian, toWest)));
    r.hourAngle = deg(std::atan2(toWest, toMeridian));
    return r;
}

double Sky::altitudeOf(Vec3 direction, double pi) {
    return std::atan2(direction.z, std::hypot(direction.x, direction.y)) * 180 / pi;
}

double Sky::azimuthOf(Vec3 direction, double pi) {
    // South is -y, west is -x.
    return std::atan2(-direction.x, -direction.y) * 180 / pi;
}

double Sky::altitude(double hourAngleDeg, double declinationDeg) const {
    return altitudeOf(sun(hourAngleDeg, declinationDeg), pi_);
}

double Sky::azimuth(double hourAngleDeg, double declinationDeg) const {
    return azimuthOf(sun(hourAngleDeg, declinationDeg), pi_);
}

std::optional<double> Sky::sunsetRad(double declinationDeg) const {
    const double c = -std::tan(rad(latitudeDeg_)) * std::tan(rad(declinationDeg));
    if (!(c >= -1 && c <= 1)) return std::nullopt;
    return std::acos(c);
}

std::optional<double> Sky::sunsetHourAngle(double declinationDeg) const {
    const auto h0 = sunsetRad(declinationDeg);
    if (!h0) return std::nullopt;
    return deg(*h0);
}

// Italian hour n comes 24 - n hours before the sunset that ends the day; Babylonian hour n comes
// n hours after sunrise. (Counting back from the next sunset, not forward from the previous one,
// keeps "24 hours" out of the arithmetic: with the stored Pi, 360 such degrees are not a turn.)
std::optional<double> Sky::italianHourAngle(double n, double declinationDeg) const {
    const auto h0 = sunsetRad(declinationDeg);
    if (!h0) return std::nullopt;
    return deg(foldRadians(*h0 + rad(15 * (n - 24))));
}

std::optional<double> Sky::babylonianHourAngle(double n, double declinationDeg) const {
    const auto h0 = sunsetRad(declinationDeg);
    if (!h0) return std::nullopt;
    return deg(foldRadians(-*h0 + rad(15 * n)));
}

// Hours that the sun needs to turn by an angle, the angle taken within one turn [0, 2 pi).
double Sky::hoursOfTurn(double angleRad) const {
    double r = foldRadians(angleRad);
    if (r < 0) r += 2 * std::acos(-1.0);
    return r / rad(15);
}

std::optional<double> Sky::italianHourOf(double hourAngleDeg, double declinationDeg) const {
    const auto h0 = sunsetRad(declinationDeg);
    if (!h0) return std::nullopt;
    return 24 - hoursOfTurn(*h0 - rad(hourAngleDeg));
}

std::optional<double> Sky::babylonianHourOf(double hourAngleDeg, double declinationDeg) const {
    const auto h0 = sunsetRad(declinationDeg);
    if (!h0) return std::nullopt;
    return hoursOfTurn(rad(hourAngleDeg) + *h0);
}

Vec3 Sky::italianCircleNormal(double n) const {
    // The sunset points (the western horizon) turned back by 24 - n hours. The zenith is the
    // point of declination = latitude on the meridian: turning it is asking for the "sun" of
    // that declination at the turned hour angle.
    return sun(15 * (n - 24), latitudeDeg_);
}

Vec3 Sky::babylonianCircleNormal(double n) const {
    // The sunrise points (the eastern horizon) turned on by n hours.
    return sun(15 * n, latitudeDeg_);
}

std::optional<double> Sky::hourAngleForAltitude(double altitudeDeg, double declinationDeg) const {
    // z . sun = sin(alt):  cos(lat) cos(decl) cos H + sin(lat) sin(decl) = sin(alt).
    const double phi = rad(latitudeDeg_);
    const double d = rad(declinationDeg);
    const double den = std::cos(phi) * std::cos(d);
    if (den == 0) return std::nullopt;
    const double c = (std::sin(rad(altitudeDeg)) - std::sin(phi) * std::sin(d)) / den;
    if (!(c >= -1 && c <= 1)) return std::nullopt;
    return deg(std::acos(c));
}

std::vector<double> Sky::hourAnglesForAzimuth(double azimuthDeg, double declinationDeg) const {
    const double a = rad(azimuthDeg);
    const double d = rad(declinationDeg);
    const Vec3 toward = {-std::sin(a), -std::cos(a), 0};  // horizontal direction of the azimuth
    const Vec3 across = cross(zenith(), toward);          // normal of that vertical half-plane
    // sun . across = alpha cos H + beta sin H + gamma = 0
    const double alpha = std::cos(d) * dot(meridian_, across);
    const double beta = std::cos(d) * dot(west(), across);
    const double gamma = std::sin(d) * dot(pole_, across);
    const double rho = std::hypot(alpha, beta);
    std::vector<double> out;
    if (rho < 1e-15) return out;
    const double c = -gamma / rho;
    if (!(c >= -1 && c <= 1)) return out;
    const double psi = std::atan2(beta, alpha);
    const double spread = std::acos(c);
    for (double h : {psi - spread, psi + spread}) {
        const double hd = deg(foldRadians(h));
        if (dot(sun(hd, declinationDeg), toward) <= 0) continue;  // the opposite azimuth
        bool seen = false;
        for (double o : out) seen = seen || std::abs(o - hd) < 1e-12;
        if (!seen) out.push_back(hd);
    }
    return out;
}

double hourAngleOfApparentTime(double hours) { return 15 * (hours - 12); }

double zoneMeridianWest(double zoneHours) { return 15 * zoneHours; }

double standardMeridianCorrection(double longitudeWestDeg, double zoneHours) {
    // When the mean sun stands on the zone meridian (12:00 standard time) a place lying
    // (lon - zoneMeridian) degrees further west still has it that many degrees east of its own
    // meridian.
    return zoneMeridianWest(zoneHours) - longitudeWestDeg;
}

double hourAngleOfStandardTime(double hours, double longitudeWestDeg, double zoneHours) {
    return hourAngleOfApparentTime(hours) + standardMeridianCorrection(longitudeWestDeg, zoneHours);
}

std::optional<double> greatCircleAzimuth(double latFromDeg, double lonFromWestDeg, double latToDeg,
                                         double lonToWestDeg, double pi) {
    const auto rad = [pi](double d) { return d * pi / 180; };
    // Earth frame: X towards longitude 0, Y towards 90 E, Z towards the north pole.
    const auto position = [&](double lat, double lonWest) {
        const double p = rad(lat), l = -rad(lonWest);
        return Vec3{std::cos(p) * std::cos(l), std::cos(p) * std::sin(l), std::sin(p)};
    };
    const Vec3 from = position(latFromDeg, lonFromWestDeg);
    const Vec3 to = position(latToDeg, lonToWestDeg);
    const double p = rad(latFromDeg), l = -rad(lonFromWestDeg);
    const Vec3 north = {-std::sin(p) * std::cos(l), -std::sin(p) * std::sin(l), std::cos(p)};
    const Vec3 east = {-std::sin(l), std::cos(l), 0};
    const Vec3 along = to - dot(to, from) * from;  // the great circle's tangent at the start
    if (norm(along) < 1e-12) return std::nullopt;
    return std::atan2(-dot(along, east), -dot(along, north)) * 180 / pi;
}

}  // namespace oracle
