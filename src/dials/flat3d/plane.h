#pragma once
// The dial plane as the set-up leaves it in the shared variables: the latitude, the plane's
// declination and reclination, the style tip and the face (geometry/face.h) that carries points
// between the world and the dial.
//
// A world point (X, Y, Z) of the plane has v = Z / cos R and u = X / cos D - Z tan D tan R
// (free variable X) or u = Z tan R / tan D - Y / sin D (free variable Y). Dial coordinates are
// metres with v upward, kept in a DialPoint as x = u, y = v; the plot gets (u, -v).

#include "dials/plot_point.h"
#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "shell/module1.h"

namespace dials::flat3d {

struct PlaneGeometry {
    double phi = 0;  // LatRad: the latitude folded to the northern hemisphere
    double D = 0;    // WallDeclRad
    double R = 0;    // ReclRad
    double X0 = 0, Y0 = 0, Z0 = 0;  // the style tip
    double S = 0;    // StyleLength3D
    // The face declining D and reclining R: u along its right, v along its up (the line of
    // greatest slope), the style tip standing out of it along its out.
    Face face;

    static PlaneGeometry from(const shell::Module1& m);

    // Dial coordinates of the plane's point above world X (or world Y) at height Z. Throw
    // numeric::NumericFailure when the point cannot be mapped (cos D, sin D or cos R is 0).
    DialPoint fromX(double X, double Z) const;
    DialPoint fromY(double Y, double Z) const;

    // The point of the substyle (the plane of the perpendicular style and the polar axis cut
    // on the dial) above world X, or at world Y, by the variable's own formula. Throw
    // numeric::NumericFailure where it cannot be computed.
    DialPoint substyleAtX(double X) const;
    DialPoint substyleAtY(double Y) const;
};

// The substyle's store of the style elevation: StyleElevRad = the arc sine of minus the face's
// elevation sine (-pole . out), left as it was when that fails.
void storeStyleElevation(shell::Module1& m, const PlaneGeometry& g);

}  // namespace dials::flat3d
