#pragma once
// The sky every family of programmes draws its dials from: the celestial pole, the sun for an
// hour angle and a declination, the plane of an hour line, the plane of an Italian or Babylonian
// hour, the half of such a plane a real sun lights, and whether a real sun casts the tip's shadow
// on a point. Each family builds its own frame (wall axes, cylinder, parabola, sphere) on these.
//
// Conventions, for every function here:
// - the world frame: x east, y north, z up (Vec3);
// - angles in radians: the latitude phi north positive, declinations north positive, and hour
//   angles positive towards the west (the afternoon), 0 on the meridian above the horizon. A
//   programme whose own counter runs towards the east passes westward(its angle);
// - the sun "of" a point is the direction from the point to the style tip: the sun whose ray
//   through the tip casts the tip's shadow there.
//
// Derivation in one line: the celestial pole stands at the latitude above the north point,
// p = (0, cos phi, sin phi); the equator's point on the meridian at the colatitude above the
// south point, q = (0, -sin phi, cos phi); west is w = (-1, 0, 0). The equator's point of hour
// angle H is cos H q + sin H w, and the sun of declination delta at that hour is
// cos(delta) (cos H q + sin H w) + sin(delta) p.

#include "geometry/vec3.h"
#include "numeric/tolerance.h"

namespace geometry {

// The sun's greatest declination through the year, degrees: the declination lines of the
// solstices every programme draws and the technical-data list tells, and the bound of "a sun of
// the year".
inline constexpr double kSolsticeDeg = 23.45;

// Declinations a hair inside the solstices (kSolsticeDeg), degrees, not the solstice itself:
// sweeps over the days of the year stop there, so that their last step, however its counter
// rounds, stays on a day of the year. At kInnerSolsticeDeg the flat spherical programmes end
// their hour and old-hour lines and draw their tropic lines, and the spherical cylinder ends its
// old hours; the altitude lines go up to the noon altitude of a sun that far from the equator.
// At kInnerSolsticeFineDeg the Qibla and the azimuth lines end, and the spherical cylinder draws
// its tropic lines.
inline constexpr double kInnerSolsticeDeg = 23.44;
inline constexpr double kInnerSolsticeFineDeg = 23.445;

// The hour angle the sky counts (positive towards the west, the afternoon) of an hour angle a
// programme counts positive towards the east (the morning). Every call into the sky from such a
// counter goes through it, so that the change of sense is written once and a forgotten one shows.
constexpr double westward(double eastwardHourAngle) { return -eastwardHourAngle; }

// The celestial pole above the horizon of the northern hemisphere's latitude phi (below it for a
// southern one): (0, cos phi, sin phi).
Vec3 celestialPole(double phi);

// The same pole for a programme that measures the place by its colatitude c (90 degrees - phi on
// the stored Pi): (0, sin c, cos c), so that the stored Pi's right angle leaves in the pole the
// residue it leaves in that programme's own formulas.
Vec3 celestialPoleAtColatitude(double colatitude);

// The equator's point of hour angle H: the sun of that hour at an equinox.
Vec3 equatorPoint(double phi, double hourAngle);

// The unit vector towards the sun of hour angle H and declination delta.
Vec3 sunDirection(double phi, double hourAngle, double declination);

// The normal of the hour plane of hour angle H: the plane of the polar axis and the suns of H
// (and of H + 180 degrees), pole x equatorPoint(H) = (cos H, -sin phi sin H, cos phi sin H).
Vec3 hourPlaneNormal(double phi, double hourAngle);

// The normal of the horizon turned about the polar axis by the hour angle A: the zenith turned
// the same way, the point of declination phi at hour angle A,
// (-cos phi sin A, sin phi cos phi (1 - cos A), sin^2 phi + cos^2 phi cos A), written so that it
// does not cancel near A = 0. The suns of one Italian hour, and of one Babylonian hour, lie on
// such a circle whatever their declination: its plane through the tip cuts the dial in the
// hour's line.
Vec3 turnedHorizonNormal(double phi, double turn);

// The sine of the declination of the sun in the direction `sun` (of any length); 0 for a
// direction of no length.
double sineOfDeclination(double phi, const Vec3& sun);

// Whether the sun in the direction `sun` is one of the year: its declination within the
// solstices (pi: the programme's stored Pi).
bool withinSolstices(double phi, const Vec3& sun, double pi);

// Whether the sun in the direction `sun` (of any length) stands above the horizon. A sun on the
// horizon, up to what the stored Pi leaves of an exact zero (numeric::kStoredPiResidue of its
// length), is not above it: it casts no shadow, and the horizon itself is no line of the sun
// (not the Italian hour 24 nor the Babylonian hour 0, whose suns all stand on it).
inline bool aboveHorizon(const Vec3& sun) {
    return sun.z > numeric::kStoredPiResidue * length(sun);
}

// The day's semi-diurnal arc at the latitude phi for the declination delta: the hour angle of
// sunset (that of sunrise is its opposite), acos(-tan phi tan delta) on a day whose sun rises
// and sets; 0 on a day whose sun does not rise, pi (the programme's stored Pi) on a day whose sun
// does not set. A sun on the horizon is not above it (aboveHorizon): a day whose noon sun only
// touches the horizon has no daylight (0), and one whose midnight sun only touches it, never
// going below, is lit round the clock (pi).
double semiDiurnalArc(double phi, double declination, double pi);

// Whether the day of the semi-diurnal arc `arc` (semiDiurnalArc) has a sunrise and a sunset.
inline bool risesAndSets(double arc, double pi) { return arc > 0 && arc < pi; }

// The half of an hour plane that an hour line keeps. The hour plane of H holds the suns of H and
// of H + 180 degrees, parted by the polar axis: a point whose sun has a positive component along
// equatorPoint(H) is cast by a sun of H (the line's own half); a point of the other half is cast
// by a sun of H + 180, and is kept only where that sun is a real one (above the horizon, within
// the solstices) and the programme does not draw that half as an hour line of its own (the lines
// of -90 and +90 degrees lie in one plane).
class HourPlaneHalf {
public:
    HourPlaneHalf(double phi, double hourAngle, double pi, bool otherHalfDrawnElsewhere);

    // The half of a turned horizon (turnedHorizonNormal) that holds the suns of one family of
    // hours. The horizon turned by A holds on its half that was the setting (western) half the
    // suns of one Italian hour, those whose hour angle lies between A and A + 180 degrees, centred
    // on A + 90; on its rising half the suns of one Babylonian hour, centred on A - 90. The other
    // half belongs to the other family, never to this line.
    static HourPlaneHalf ofTurnedHorizon(double phi, double turn, double pi, bool settingHalf);

    double hourAngle() const { return hourAngle_; }
    // The component of `sun` along the equator's point of the line's hour: positive on the
    // line's own half.
    double along(const Vec3& sun) const { return dot(sun, equator_); }
    // Whether `sun` is on the line's own half (the boundary, the polar axis, included).
    bool onOwnHalf(const Vec3& sun) const { return along(sun) >= 0; }
    // Whether the sun in the direction `sun` casts a point of the line's own hour: above the
    // horizon and on the line's own half. The rule of every point of an Italian or Babylonian
    // line (a half of a turned horizon, ofTurnedHorizon): the other half of the same line holds
    // the suns of the other family's hour, and the horizon itself (Italian 24, Babylonian 0)
    // holds no sun above it.
    bool castsOwnHour(const Vec3& sun) const { return aboveHorizon(sun) && onOwnHalf(sun); }
    // Whether the point whose sun is `sun` is kept: on the own half, or cast on the other half by
    // a real sun where the programme draws that half as part of this line.
    bool keeps(const Vec3& sun) const;
    // Whether a sun of the other half (H + 180 degrees) on some day of the year stands above the
    // horizon and on the side of `front` (a face's normal towards the tip): a straight hour line
    // of a flat dial then keeps its whole extension beyond the centre. False where the programme
    // draws that half elsewhere.
    bool otherHalfLitInTheYear(const Vec3& front) const;

private:
    double phi_, hourAngle_, pi_;
    Vec3 equator_;
    bool otherHalfDrawn_;
};

}  // namespace geometry
