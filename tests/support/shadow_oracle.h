#pragma once
// The shadow oracle: an independent model of where the shadow of a perpendicular style's tip
// falls on a flat dial, built from vectors. Programme tests use it as the referee: every drawn
// point must lie on the true curve of the line it belongs to.
//
// World frame: x east, y north, z up, metres, origin at the foot of the perpendicular style.
// The plane is given by the PHYSICAL orientation of its face:
// - declination D: the azimuth the face looks towards, from the south, positive to the west
//   (D = 0 faces south, 90 west, -90 east, 180 north);
// - reclination R: the face tilted back from the vertical, positive reclining (looking up),
//   negative inclining (looking down); 90 is the horizontal dial facing up, -90 facing down.
// Outward normal n = cos R (-sin D, -cos D, 0) + sin R (0, 0, 1): the side that carries the style.
// Dial axes (what the programmes draw): x = (cos D, -sin D, 0), horizontal, to the right of a
//   viewer facing the dial; y = n x x, up the slope of the face, so that x, y, n is right-handed.
//   For the horizontal dial the axes follow D as for any other plane: with D = 0, x points east
//   and y north (the usual northern horizontal dial); with D = 180, x west and y south.
// The style tip is T = S n, S the style length.
//
// Hemispheres: the oracle is plain physics, latitude signed. A programme's inputs must be turned
// into the physical plane by its own convention. Useful identities (checked by the self-tests):
// the southern dial (-lat, D, R) is the northern dial (lat, D + 180, R) with the sun at (-H, -decl),
// and (lat, -D, R) is the mirror x -> -x of (lat, D, R) with the sun at (-H, decl).
//
// Hour angles are positive in the afternoon (see oracle_sky.h). Every curve is the geometric one:
// no test is made of the horizon unless a function says so. Degrees are converted with the given
// pi, by default the programmes' stored 3.141592654; with it, as in the programmes, a plane of
// R = 90 is tilted by 2e-10 radians and a 45/45 polar plane has its centre 5e8 m away.

#include <optional>

#include "support/oracle_sky.h"
#include "support/oracle_vec.h"

namespace oracle {

struct Shadow {
    DialXY point;          // where the line through the tip along the sun meets the plane
    bool sunInFront;       // sun . n > 0: a real shadow; otherwise the point lies on the
                           // other nappe (it belongs to the opposite sun, (H + 180, -decl))
    bool sunAboveHorizon;  // the sun's altitude > 0
};

class ShadowOracle {
public:
    ShadowOracle(double latitudeDeg, double planeDeclinationDeg, double reclinationDeg,
                 double styleLength, double pi = kStoredPi);

    const Sky& sky() const { return sky_; }
    double pi() const { return sky_.pi(); }
    double styleLength() const { return style_; }

    Vec3 normal() const { return normal_; }
    Vec3 axisX() const { return axisX_; }
    Vec3 axisY() const { return axisY_; }
    Vec3 tip() const { return style_ * normal_; }
    Vec3 worldPoint(double x, double y) const { return x * axisX_ + y * axisY_; }
    DialXY dialOf(Vec3 worldPointOnPlane) const;

    // The intersection of the sun's line through the tip with the plane; none when the sun's
    // direction is parallel to the plane.
    std::optional<Shadow> shadow(double hourAngleDeg, double declinationDeg) const;
    // The shadow of the tip, only when the sun is in front of the plane (horizon ignored).
    std::optional<DialXY> dialPoint(double hourAngleDeg, double declinationDeg) const;
    // The sun whose shadow falls on a dial point (the direction from the point to the tip).
    HourDecl sunFor(double x, double y) const;
    double altitudeAt(double x, double y) const;
    double azimuthAt(double x, double y) const;  // from south, west +

    // Where the polar axis through the tip meets the plane (all hour lines meet there); none for
    // a plane parallel to the axis.
    std::optional<DialXY> centre() const;

    // Distances in metres from a dial point to the true curves. Each is the distance to the
    // part of the line that the sun's shadow actually traces; +infinity when there is no such
    // curve on this plane (or, for the curved lines, when no point of it can be reached).
    //
    // Hour line: the half-line from the centre traced by the hour angle H (for a plane parallel
    // to the polar axis, the whole parallel line when the sun of H can be in front). The other
    // half of the geometric line belongs to H + 180: for a programme that draws whole lines,
    // take the smaller of the two.
    double distanceToHourLine(double hourAngleDeg, double x, double y) const;
    // Declination curve: the conic traced by the shadow at one declination, the sun in front.
    // The other nappe of the cone belongs to -decl (programmes draw the pairs together).
    double distanceToDeclinationCurve(double declinationDeg, double x, double y) const;
    // Curves of equal altitude and half-lines of equal azimuth of the sun (from south, west +).
    double distanceToAltitudeCurve(double altitudeDeg, double x, double y) const;
    double distanceToAzimuthLine(double azimuthDeg, double x, double y) const;
    // Italian and Babylonian hour n: the whole straight line in which the plane of the hour's
    // great circle (Sky::italianCircleNormal, babylonianCircleNormal) through the tip cuts the
    // dial. Italian n and Babylonian n give the same line, each hour owning a part of it.
    double distanceToItalianLine(double n, double x, double y) const;
    double distanceToBabylonianLine(double n, double x, double y) const;

    // The whole geometric hour line of H (the halves of H and H + 180) as its point nearest the
    // style foot and a unit direction, in dial coordinates; none when the hour plane is parallel
    // to the dial.
    struct DialLine {
        DialXY point;
        DialXY direction;
    };
    std::optional<DialLine> wholeHourLine(double hourAngleDeg) const;

private:
    Sky sky_;
    double style_;
    Vec3 normal_;
    Vec3 axisX_;
    Vec3 axisY_;
};

}  // namespace oracle
