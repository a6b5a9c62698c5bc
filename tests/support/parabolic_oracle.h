#pragma once
// The shadow model of a dial on a vertical cylinder of parabolic cross-section, independent of
// the programme: the section described as the user sees it, rays traced from the style tip, the
// surface unrolled by an arc length integrated numerically (over w, the section at p sinh w).
//
// World frame (as oracle_vec.h): x east, y north, z up, metres, origin at the vertex of the
// section at the height of the style. The section is the parabola with its axis north-south and
// radius of curvature p at the vertex:
// - concave: the vertex is the northmost point, the parabola opens south and the dial is on its
//   inside, y = -x^2 / (2p);
// - convex: the vertex is the southmost point, the parabola opens north and the dial is on its
//   outside, y = x^2 / (2p).
// The perpendicular style stands, horizontal and normal to the surface, at the point where the
// surface's dial-side normal looks towards the wall declination D (from the south, west +).
//
// The dial as drawn: the developed abscissa of a surface point is its arc length along the
// section from the foot of the style, positive eastwards (to the right of a viewer facing the
// dial); the ordinate is the height above the horizontal plane through the style.

#include <functional>
#include <optional>
#include <vector>

#include "support/oracle_sky.h"
#include "support/oracle_vec.h"

namespace oracle {

class ParabolicOracle {
public:
    ParabolicOracle(double latitudeDeg, double declinationDeg, bool convex, double radius,
                    double styleLength, double pi = kStoredPi);

    const Sky& sky() const { return sky_; }
    bool convex() const { return side_ > 0; }

    // The section's north coordinate at east coordinate x.
    double sectionNorth(double x) const;
    Vec3 foot() const { return foot_; }
    Vec3 tip() const { return tip_; }

    // Developed abscissa of the surface point at east coordinate x, and its inverse.
    double developed(double x) const;
    double eastOf(double xi) const;
    // The world point of a drawn point.
    Vec3 surfacePoint(DialXY p) const;

    // Where the tip's shadow falls: the first point of the surface that the ray from the tip
    // away from the sun reaches. None when the ray misses the surface.
    std::optional<DialXY> shadow(double hourAngleDeg, double declinationDeg) const;
    // The sun whose ray through the tip falls on a drawn point.
    HourDecl sunFor(DialXY p) const;
    // Whether a real sun casts the tip's shadow on a drawn point: the sun along the direction
    // from the point to the tip is not below the horizon, the dial's face there looks towards
    // it, and the ray from the tip meets no other part of the surface before the point. `slack`
    // widens the two angle tests by that much (as sines), or narrows them when negative, so that
    // a decision can be told apart from a borderline case.
    bool castByRealSun(DialXY p, double slack = 1e-9) const;

    // The height above the tip at which the plane through the tip with the given normal cuts
    // the generatrix of developed abscissa xi; none when the plane holds that generatrix's
    // direction.
    std::optional<double> planeCutHeight(Vec3 normal, double xi) const;

    // The vertical of true noon (where the meridian plane through the tip cuts the surface) and
    // the centre on it, where the polar axis through the tip meets the surface: every hour line
    // passes there.
    double noonAbscissa() const;
    DialXY centre() const;

    // Distances on the development, in metres (to first order), from a drawn point to curves:
    // the cut of the surface by the plane through the tip with the given normal (an hour plane
    // holds the suns of H and of H + 180; the equator's; an Italian or Babylonian circle's), and
    // by the double cone of the suns of declination +decl and -decl.
    double distanceToPlaneCut(Vec3 normal, DialXY p) const;
    double distanceToHourLine(double hourAngleDeg, DialXY p) const;
    double distanceToEquinoctial(DialXY p) const;
    double distanceToDeclinationPair(double declinationDeg, DialXY p) const;

private:
    double arcFromFoot(double x) const;
    // The parameters t of the points where the line T - t s meets the section (any sign).
    std::vector<double> lineMeetsSection(Vec3 s) const;
    Vec3 tangent(double x) const;  // unit horizontal tangent of the section, eastwards
    double firstOrderDistance(DialXY p, const std::function<double(Vec3)>& field,
                              const std::function<Vec3(Vec3)>& gradient) const;

    Sky sky_;
    double side_;
    double p_;
    Vec3 foot_;
    Vec3 tip_;
};

}  // namespace oracle
