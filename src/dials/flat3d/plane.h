#pragma once
// The dial plane as the set-up leaves it in the shared variables, the mapping of its world points
// to dial coordinates, and the plotting of dial points.
//
// A world point (X, Y, Z) of the plane has v = Z / cos R and u = X / cos D - Z tan D tan R
// (free variable X) or u = Z tan R / tan D - Y / sin D (free variable Y). Dial coordinates are
// metres with v upward, kept in a DialPoint as x = u, y = v; the plot gets (u, -v).

#include <optional>

#include "dials/dial_point.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"
#include "shell/context.h"
#include "shell/module1.h"

namespace dials::flat3d {

// A point of the dial plane (dials/dial_point.h): x = u, y = v.
using dials::DialPoint;

struct WorldPoint {
    double X = 0;
    double Y = 0;
    double Z = 0;
};

struct PlaneGeometry {
    double phi = 0;  // LatRad: the latitude folded to the northern hemisphere
    double D = 0;    // WallDeclRad
    double R = 0;    // ReclRad
    double X0 = 0, Y0 = 0, Z0 = 0;  // the style tip
    double S = 0;    // StyleLength3D

    static PlaneGeometry from(const shell::Module1& m);

    // Dial coordinates of the plane's point above world X (or world Y) at height Z. Throw
    // numeric::NumericFailure when the point cannot be mapped (cos D, sin D or cos R is 0).
    DialPoint fromX(double X, double Z) const;
    DialPoint fromY(double Y, double Z) const;

    // The world point of a dial point: u along (cos D, -sin D, 0), v along the line of
    // greatest slope (sin D sin R, cos D sin R, cos R).
    WorldPoint worldOf(const DialPoint& p) const;
    // The dial coordinates of a world vector: its components along those two axes (for a point
    // of the plane, its dial point, exact whatever the plane's declination and reclination).
    DialPoint dialOf(const WorldPoint& w) const;
};

// The parts of the hour line of hour angle H (radians, east positive) that the shadow of the
// tip can reach. Every sun of hour angle H is cos(decl) e + sin(decl) p, with the equinoctial
// sun e = (sin H, -cos H sin phi, cos H cos phi) and the polar axis p = (0, cos phi, sin phi);
// its shadow falls at P = tip - t sun, t > 0, so the direction from P to the tip has a positive
// component along e, which changes sign only at the centre. That half of the line, from the
// centre, is always kept. Beyond the centre lies the line of H + 180: it is kept as well when,
// for some declination of the year, the sun of H + 180 stands above the horizon and in front of
// the plane (on the side of the tip). A plane parallel to the polar axis has no centre: the
// component along e keeps one sign along each whole line, which is therefore the line of H or
// wholly the line of H + 180, kept by the same rule (on an east wall the line of loop value
// 2 p.m. is that of 2 a.m., which no sun above the horizon reaches). Works in the folded
// northern geometry, which serves both hemispheres.
// A line beyond the centre that the caller draws anyway as a line of its own is not kept.
class LitHourLine {
public:
    LitHourLine(const PlaneGeometry& g, double H, double pi, bool extensionDrawnElsewhere = false);

    bool keeps(const DialPoint& p) const;
    // Whether the line of H + 180 is kept.
    bool keepsExtension() const { return keepsExtension_; }

private:
    PlaneGeometry g_;
    WorldPoint e_;
    bool keepsExtension_ = false;
};

// The substyle's store of the style elevation: StyleElevRad = the arc sine of
// cos(phi) cos R cos D - sin(phi) sin R, left as it was when that fails.
void storeStyleElevation(shell::Module1& m, const PlaneGeometry& g);

// The eccentricity sqrt(1 - c^2) / sin(delta) of the conic that the day circle of declination
// delta (radians) traces on the plane, c the sine of the style elevation (+-1 on a plane
// perpendicular to the polar axis, where the conics are circles of eccentricity 0). Throws
// numeric::NumericFailure when it cannot be computed.
double conicEccentricity(const PlaneGeometry& g, double delta);

// Keeps for the technical data the eccentricities of the declination lines of 23.45, 20 and
// 11.5 degrees in ZodiacLimit2345, ZodiacLimit20 and ZodiacLimit115; one that cannot be
// computed is left as it was.
void storeDeclinationEccentricities(shell::Module1& m);

}  // namespace dials::flat3d
