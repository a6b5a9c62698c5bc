#pragma once
// The sky of a place, for the shadow oracle: the sun's direction from its hour angle and
// declination, altitude and azimuth, rising and setting, Italian and Babylonian hours, and the
// time conventions of the dial programmes. Built from vectors, independently of the programmes.
//
// Conventions (all angles in degrees, converted with the given pi, by default the stored
// 3.141592654 that the programmes use):
// - latitude north positive; longitude WEST positive; time zone in hours, negative EAST
//   (Central European time is -1);
// - hour angle H: 0 when the sun crosses the meridian (local apparent noon), positive in the
//   afternoon (the sun west of the meridian), 15 degrees an hour;
// - declination of the sun, north positive;
// - altitude above the geometric horizon; azimuth counted from the SOUTH, positive towards the
//   WEST (the wall-declination convention). From the north, clockwise (east positive):
//   180 + azimuth, folded.
// Angles that come out of an inverse function (hour angles, azimuths, ...) are a true angle in
// (-pi, pi] converted with the given pi: with the stored Pi they run to 180.00000002 and a right
// angle reads 90.00000001. Compare them with a tolerance of about 1e-7 degrees, not exactly.
// No refraction, no semi-diameter: rising and setting are the sun's centre on the horizon.

#include <optional>
#include <vector>

#include "support/oracle_vec.h"

namespace oracle {

inline constexpr double kStoredPi = 3.141592654;

// A sun direction's equatorial coordinates.
struct HourDecl {
    double hourAngle = 0;    // degrees, a true angle in (-pi, pi]
    double declination = 0;  // degrees, [-90, 90]
};

class Sky {
public:
    explicit Sky(double latitudeDeg, double pi = kStoredPi);

    double latitude() const { return latitudeDeg_; }
    double pi() const { return pi_; }
    double rad(double deg) const { return deg * pi_ / 180; }
    double deg(double rad) const { return rad * 180 / pi_; }

    // Unit vectors of the world frame: the celestial north pole, the point of the celestial
    // equator on the meridian above the horizon (hour angle 0), and west (hour angle 90).
    Vec3 pole() const { return pole_; }
    Vec3 equatorMeridian() const { return meridian_; }
    static Vec3 west() { return {-1, 0, 0}; }
    static Vec3 zenith() { return {0, 0, 1}; }

    // Unit vector towards the sun.
    Vec3 sun(double hourAngleDeg, double declinationDeg) const;
    // Inverse of sun() for any non-zero direction.
    HourDecl hourDeclOf(Vec3 direction) const;
    static double altitudeOf(Vec3 direction, double pi = kStoredPi);
    static double azimuthOf(Vec3 direction, double pi = kStoredPi);  // from south, west +

    double altitude(double hourAngleDeg, double declinationDeg) const;
    double azimuth(double hourAngleDeg, double declinationDeg) const;

    // Hour angle of sunset, acos(-tan(lat) tan(decl)); sunrise is its negative. None when the
    // sun of that declination never sets or never rises.
    std::optional<double> sunsetHourAngle(double declinationDeg) const;

    // Italian hours count from the previous sunset: hour n falls 24 - n hours before the next
    // sunset, H = H0 - 15 (24 - n); Italian 24 is sunset itself. Babylonian hours count from
    // sunrise: H = -H0 + 15 n. Results folded into (-180, 180]; none without sunrise and sunset.
    std::optional<double> italianHourAngle(double n, double declinationDeg) const;
    std::optional<double> babylonianHourAngle(double n, double declinationDeg) const;
    // The Italian hour of a sun, in (0, 24], and its Babylonian hour, in [0, 24).
    std::optional<double> italianHourOf(double hourAngleDeg, double declinationDeg) const;
    std::optional<double> babylonianHourOf(double hourAngleDeg, double declinationDeg) const;

    // The suns of one Italian (or Babylonian) hour lie, whatever their declination, on one great
    // circle: the horizon turned about the polar axis with the hour angle, by -15 (24 - n)
    // degrees (Italian) or 15 n degrees (Babylonian). These are the circles' unit normals (the
    // zenith turned the same way). Italian n and Babylonian n are the same circle (up to the
    // stored Pi): the Italian hour uses its western half, the Babylonian its eastern.
    Vec3 italianCircleNormal(double n) const;
    Vec3 babylonianCircleNormal(double n) const;

    // Afternoon hour angle (>= 0) at which the sun of a declination stands at an altitude.
    std::optional<double> hourAngleForAltitude(double altitudeDeg, double declinationDeg) const;
    // Hour angles at which the sun of a declination stands at an azimuth (from south, west +);
    // none, one or two.
    std::vector<double> hourAnglesForAzimuth(double azimuthDeg, double declinationDeg) const;

private:
    std::optional<double> sunsetRad(double declinationDeg) const;
    double hoursOfTurn(double angleRad) const;

    double latitudeDeg_;
    double pi_;
    Vec3 pole_;
    Vec3 meridian_;
};

// Time conventions of the programmes.
// Hour angle of a local apparent time in hours: 15 (t - 12).
double hourAngleOfApparentTime(double hours);
// Meridian of a time zone, degrees WEST positive: 15 x zone (zone -1 -> -15, i.e. 15 E).
double zoneMeridianWest(double zoneHours);
// Degrees to add to the hour angle of a clock reading when the clock shows standard (zone) time
// instead of local apparent time, ignoring the equation of time: zoneMeridianWest(zone) - lon.
// A place east of its zone meridian sees the sun cross its meridian before 12:00.
double standardMeridianCorrection(double longitudeWestDeg, double zoneHours);
// Hour angle of the mean sun at a standard time: hourAngleOfApparentTime(t) + correction.
double hourAngleOfStandardTime(double hours, double longitudeWestDeg, double zoneHours);

// Initial great-circle direction from one place to another, as an azimuth from the south,
// west positive (longitudes west positive). None when the places coincide or are antipodal.
std::optional<double> greatCircleAzimuth(double latFromDeg, double lonFromWestDeg, double latToDeg,
                                         double lonToWestDeg, double pi = kStoredPi);

// An angle in radians folded into (-pi, pi] by the true turn.
double foldRadians(double a);
// An angle in degrees folded into (-180, 180] by 360: for comparing two angles in tests (the
// stored Pi makes 360 such degrees fall short of a turn by about 5e-8 degrees).
double foldDegrees(double a);

}  // namespace oracle
