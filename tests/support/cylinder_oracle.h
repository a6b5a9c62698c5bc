#pragma once
// The cylinder oracle: an independent model of where the shadow of a perpendicular style's tip
// falls on a vertical circular cylinder, and of the unrolled (developed) dial. Programme tests
// use it as the referee for the cylindrical programmes, as ShadowOracle is for flat dials.
//
// World frame: x east, y north, z up, metres, origin at the FOOT of the style.
// - The wall declination D (from the south, west +) gives the direction the dial face looks to
//   at the foot: f = (-sin D, -cos D, 0), exactly as a flat wall of declination D (D = 0 looks
//   south). The style stands there, horizontal along f: tip T = L f.
// - Concave (the dial inside the cylinder): the axis lies in front of the face, at A = R f.
//   Convex (the dial outside): the axis lies behind it, at A = -R f.
//   So in the plan the foot is due north of the axis for a concave south-facing dial and due
//   south of it for a convex one.
// - Unrolled coordinates (u, y): u is the arc length along the section from the foot's
//   generatrix, positive towards e = (cos D, -sin D, 0), the right of a viewer facing the dial
//   (the flat dial's x axis); y is the height above the horizontal plane through the foot.
//   The point of chord c (distance from the foot's generatrix measured in the tangent plane
//   along e) has u = R asin(c / R) on the half within a quarter turn of the foot.
//
// The shadow: the line through T along the sun meets the cylinder in up to two points. It falls
// where the ray leaving T away from the sun meets the dial face lit: on a concave dial where the
// ray leaves the cylinder (the far root), on a convex dial where it first enters it (the near
// root), t > 0 along the ray. A point of the surface is REACHABLE when it is that root for the
// sun that points from it to the tip, i.e. when the face there looks towards the tip: always on
// a concave dial (L > 0), on a convex one only where cos(u / R) > R / (R + L).
//
// Hour angles positive in the afternoon, declinations north positive, degrees converted with the
// given pi (default the programmes' stored 3.141592654), as in oracle_sky.h. No horizon test is
// made unless a field says so.

#include <optional>

#include "support/oracle_sky.h"
#include "support/oracle_vec.h"

namespace oracle {

// What a point of the unrolled dial says about the sun.
struct CylSun {
    HourDecl sun;          // the sun along the direction from the point to the tip
    bool reachable;        // the tip's shadow really falls there for that sun (see above)
    bool aboveHorizon;     // that sun's altitude > 0
};

class CylinderOracle {
public:
    CylinderOracle(double latitudeDeg, double wallDeclinationDeg, bool convex, double radius,
                   double styleLength, double pi = kStoredPi);

    const Sky& sky() const { return sky_; }
    double radius() const { return radius_; }
    double styleLength() const { return style_; }
    bool convex() const { return convex_; }

    Vec3 facing() const { return facing_; }  // f, the face's direction at the foot
    Vec3 right() const { return right_; }    // e, the direction of growing u at the foot
    Vec3 axis() const { return axis_; }      // A, the axis at the foot's height
    Vec3 tip() const { return style_ * facing_; }

    // Unrolled point -> point of the surface, and back (u from the turn in (-pi, pi] about the
    // axis, so the whole circle is covered; the height is taken as is).
    Vec3 surfacePoint(double u, double y) const;
    DialXY unrolledOf(Vec3 pointOnSurface) const;

    // The shadow of the tip for a sun (horizon ignored); none when the ray misses the dial face.
    std::optional<DialXY> dialPoint(double hourAngleDeg, double declinationDeg) const;
    // The inverse: the sun whose shadow a point of the unrolled dial would be.
    CylSun sunAt(double u, double y) const;
    bool reachable(double u) const;
    // Whether a real sun casts the tip's shadow at the unrolled point: the sun from the point to
    // the tip not below the horizon (the point not above the tip's level; 1e-12 m of rounding
    // allowed) and the shadow reaching the point.
    bool castByRealSun(double u, double y) const;
    // The largest |u| the shadow can reach: R acos(R / (R + L)) convex, R pi concave.
    double reach() const;

    // Distances in unrolled metres from a point to the true curves, found by walking from the
    // point to the curve (exact up to the curve's curvature; a small result proves a curve point
    // that near). +infinity when the walk finds no curve.
    //
    // A plane through the tip cuts the cylinder in the curve of every sun in that plane. The
    // hour line of H is the cut of the hour circle's plane (it holds the suns of H and of
    // H + 180: use sunAt to tell them apart); the Italian and Babylonian hours are the cuts of
    // the great circles of oracle_sky.h; the equinoctial line is the cut of the equator's plane.
    double distanceToPlaneCut(Vec3 planeNormal, double u, double y) const;
    double distanceToHourLine(double hourAngleDeg, double u, double y) const;
    double distanceToItalianLine(double n, double u, double y) const;
    double distanceToBabylonianLine(double n, double u, double y) const;
    // The declination curve: the points whose sun has that declination.
    double distanceToDeclinationCurve(double declinationDeg, double u, double y) const;

private:
    Sky sky_;
    double radius_;
    double style_;
    bool convex_;
    Vec3 facing_;
    Vec3 right_;
    Vec3 axis_;
};

}  // namespace oracle
