#pragma once
// The geometry of the tip's shadow on a circular cylinder that the four programmes of circular
// section share: which points a real sun casts, where a vertical line meets a cone of suns, and
// where the meridian plane through the tip cuts the section.
//
// Frame: metres east, north and up from the foot of the style. The dial face at the foot looks to
// f = (-sin D, -cos D, 0) (D the wall declination, west +), the development runs to the right,
// e = (cos D, -sin D, 0); the tip stands at L f and the axis at -s R f (s = m.SideSign: -1 concave,
// +1 convex), so the tip lies c = L + s R from the axis along f. A generatrix is named by its turn
// psi about the axis from the foot's, positive to the right; it is drawn at u = R psi.

#include <optional>

#include "numeric/quadratic.h"

#include "shell/module1.h"

namespace dials::cylindrical {

// A direction or a horizontal offset, east, north, up.
struct CylVec {
    double east = 0, north = 0, up = 0;
};

class CylinderShadow {
public:
    // Radius, SideSign, StyleLength, WallDeclRad and LatRad of the shared variables.
    static CylinderShadow from(const shell::Module1& m);

    double R = 0, s = 0, L = 0, D = 0, phi = 0;

    // The horizontal offset from the generatrix of turn psi, at the tip's height, to the tip.
    CylVec towardsTipFromGeneratrix(double psi) const;
    // The same from the vertical line at abscissa t of the plane tangent along the foot's
    // generatrix (t to the right).
    CylVec towardsTipFromTangentLine(double t) const;
    // The direction from the point at height y (up from the tip's level) on a vertical line of
    // offset h to the tip: the sun whose shadow of the tip falls there.
    static CylVec sunAt(const CylVec& h, double y) { return {h.east, h.north, -y}; }

    // Whether the tip's shadow can fall on the generatrix of turn psi: the face there looks
    // towards the tip. Always so on a concave dial whose tip stands inside the section; on a
    // convex one only within the tangents from the tip.
    bool reaches(double psi) const;

    // The heights (up from the tip's level) at which the vertical line of offset h meets the
    // cone of the suns of declination +delta or -delta through the tip (the summer and the winter
    // line of one pair). Exact also where the latitude equals delta and the vertical itself lies
    // on the cone.
    numeric::QuadraticRoots coneCrossings(const CylVec& h, double delta) const;
};

// Which points of the cut of an hour plane an hour line keeps. The plane through the tip and
// the polar axis holds the suns of the hour angle H and of H + 180; the points the sun of H casts
// are the hour line. A point of the other half is kept only where the sun of H + 180 really casts
// it on some day of the year (above the horizon, within the solstices), and not at all where the
// programme draws that half as an hour line of its own (the two six o'clock lines).
class HourLineHalf {
public:
    // H in radians, positive towards the east (before noon).
    HourLineHalf(double phi, double H, double pi, bool otherHalfDrawnElsewhere);
    // Whether the point whose sun (the direction from it to the tip) is `sun` is kept.
    bool keeps(const CylVec& sun) const;

private:
    double phi_, H_, pi_;
    bool otherHalfDrawn_;
};

// Whether the loop of an hour counter from -90 by `step` reaches +90 too: then the two six
// o'clock lines are the two halves of one cut, and each keeps only its own.
bool hourLoopReachesBothSixes(double step);
// Whether the counter is one of the six o'clock lines, -90 or +90.
bool isSixOClock(double counterDeg);

// Where the meridian plane through the tip cuts the section: `offset` the horizontal distance
// north from the tip to the cut (negative south of it), `turn` the cut's turn about the axis
// from the foot's generatrix, in (-pi, pi].
struct MeridianCut {
    double offset = 0;
    double turn = 0;
};

// The cut the tip's shadow falls on when the noon sun stands south of the zenith (north = true,
// the cut north of the tip) or north of it (north = false): on a concave dial where the
// shadow's ray leaves the section, on a convex one where it first meets it. None when the plane
// misses the section or that ray meets no face of the dial.
std::optional<MeridianCut> meridianCut(const shell::Module1& m, bool north);

// The cut the triangle of the style and the section's generic gnomon stand on. On a concave
// dial the polar axis through the tip meets the surface north of the tip and above it, whichever
// way the wall faces and however long the style: the cut north of the tip. On a convex dial the
// cut on the foot's side of the tip (north of it on a wall facing south of east and west, south
// of it, below the tip's level, on one facing north).
std::optional<MeridianCut> styleTriangleCut(const shell::Module1& m);

// The noon generatrices: the cuts a real noon sun of some day of the year (declination within
// the solstices) casts the tip's shadow on. The cut north of the tip first (the noon sun south
// of the zenith, any northern latitude), then the one south of it (in the tropics, the noon sun
// north of the zenith in summer).
struct NoonCuts {
    std::optional<MeridianCut> north, south;
    // The generatrix the programmes keep in TipOffset, NoonLineAngle and CentreX: the north one
    // where it is drawn, else the south one.
    const std::optional<MeridianCut>& primary() const { return north ? north : south; }
};
NoonCuts noonShadowCuts(const shell::Module1& m);

}  // namespace dials::cylindrical
