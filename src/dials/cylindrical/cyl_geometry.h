#pragma once
// The geometry of the tip's shadow on a circular cylinder that the four programmes of circular
// section share: which points a real sun casts, where a vertical line meets a cone of suns, and
// where the meridian plane through the tip cuts the section.
//
// Frame: metres east, north and up (Vec3 x, y, z) from the foot of the style. The dial face at
// the foot looks to f = (-sin D, -cos D, 0) (D the wall declination, west +), the development
// runs to the right, e = (cos D, -sin D, 0); the tip stands at L f and the axis at -s R f
// (s = m.SideSign: -1 concave, +1 convex), so the tip lies c = L + s R from the axis along f. A
// generatrix is named by its turn psi about the axis from the foot's, positive to the right; it
// is drawn at u = R psi.
//
// The planes of the sun's lines (the equator, an hour plane, a turned horizon) and the half of
// each a line keeps are the shared sky's (geometry/sky.h), whose hour angles count towards the
// west: the cylinders' own counters, which run towards the east, cross into it through
// westward().

#include <optional>
#include <vector>

#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "geometry/vec3.h"
#include "numeric/quadratic.h"

#include "shell/module1.h"

namespace dials::cylindrical {

class CylinderShadow {
public:
    // Radius, SideSign, StyleLength, WallDeclRad and LatRad of the shared variables.
    static CylinderShadow from(const shell::Module1& m);

    double R = 0, s = 0, L = 0, D = 0, phi = 0;

    // The horizontal offset from the generatrix of turn psi, at the tip's height, to the tip.
    Vec3 towardsTipFromGeneratrix(double psi) const;
    // The same from the vertical line at abscissa t of the plane tangent along the foot's
    // generatrix (t to the right).
    Vec3 towardsTipFromTangentLine(double t) const;
    // The direction from the point at height y (up from the tip's level) on a vertical line of
    // offset h to the tip: the sun whose shadow of the tip falls there.
    static Vec3 sunAt(const Vec3& h, double y) { return {h.x, h.y, -y}; }

    // Whether the tip's shadow can fall on the generatrix of turn psi: the face there looks
    // towards the tip. Always so on a concave dial whose tip stands inside the section; on a
    // convex one only within the tangents from the tip.
    bool reaches(double psi) const;

    // The heights (up from the tip's level) at which the vertical line of offset h meets the
    // cone of the suns of declination +delta or -delta through the tip (the summer and the winter
    // line of one pair). Exact also where the latitude equals delta and the vertical itself lies
    // on the cone.
    numeric::QuadraticRoots coneCrossings(const Vec3& h, double delta) const;

    // The turn (in (-pi, pi]) of a generatrix on which the plane through the tip with this
    // normal passes at height y (up from the tip's level): it passes on two, one on either side
    // of the turn psi0 its trace is nearest the tip at (first: the one turned back from psi0),
    // on one where they meet, or on none; none for the second where they meet.
    std::optional<double> turnOfPlaneAt(const Vec3& normal, double y, double pi,
                                        bool first) const;

    // The turns of the generatrices where the tip's shadow stops reaching the surface (reaches
    // changes there): the tangents from the tip on a convex dial, or on a concave one whose style
    // reaches out beyond the far wall; none where the shadow reaches every generatrix.
    std::vector<double> reachLimitTurns() const;
    // The turns of the generatrices on which a vertical plane through the tip that touches the
    // double cone of the suns of declination +-delta stands (verticalsTouchingCone): there the
    // two heights of coneCrossings meet, and a declination line laid across the generatrices
    // turns back.
    std::vector<double> coneTouchingTurns(double delta, double pi) const;
    // The turns of the generatrices on which the plane through the tip with this normal passes
    // at the tip's level: there the sun of its line stands on the horizon, and the line's lit
    // part ends (turnOfPlaneAt at height 0, on either side).
    std::vector<double> horizonTurns(const Vec3& normal, double pi) const;
    // The turns of the generatrices on which these suns cast the tip's shadow: where the ray
    // from the tip away from each meets the surface on a face that looks towards the tip. None
    // for a sun in the zenith.
    std::vector<double> shadowTurns(const std::vector<Vec3>& suns, double pi) const;
};

// The suns at which a line ends, known in closed form for every line a cylinder draws; each
// programme lays them as the parameters of its sweep at which their shadows fall.
//
// The two suns on the horizon in the plane with this normal (none where it is the horizon's).
std::vector<Vec3> horizonSuns(const Vec3& normal);
// The suns of declination +delta and -delta on the horizon, where the pair's lines end as the
// sun rises and sets; none where the sun of the pair neither rises nor sets.
std::vector<Vec3> risingAndSettingSuns(double phi, double delta);
// Where the part of the plane's cut that a line keeps (half, HourPlaneHalf) ends: at the suns of
// the plane on the horizon; where the line's own half ends (along the polar axis for an hour
// line; for an Italian or Babylonian line at the suns of the days the sun stops setting or
// rising); and, where the line keeps the real suns of the other half (otherHalfKept), at that
// half's suns of the solstices.
std::vector<Vec3> planeLineEndSuns(double phi, const Vec3& normal, const HourPlaneHalf& half,
                                   bool otherHalfKept, double pi);

// The normals (horizontal) of the vertical planes through the tip that touch the double cone
// of the suns of declination +-delta about the polar axis: a vertical line in either meets the
// cone at one height, and one beside it at two or none. They exist where |delta| > |phi|, their
// directions' north component +-sqrt(sin^2 delta - sin^2 phi) / cos phi.
std::vector<Vec3> verticalsTouchingCone(double phi, double delta);

// The height (up from the tip's level) at which the plane through the tip with this normal
// crosses the vertical line whose horizontal offset to the tip is `towardsTip`; none where the
// plane holds the vertical.
std::optional<double> planeHeightAt(const Vec3& normal, const Vec3& towardsTip);

// Whether the plane with this normal holds the vertical, up to what the stored Pi leaves of an
// exact zero (numeric::kStoredPiResidue): the plane of the equator at the equator. No sweep
// across the surface gives its cut a height; it is drawn by heights instead.
bool standsUpright(const Vec3& normal);

// A turn about the axis taken into (-pi, pi] (pi the programme's value): the development is the
// strip of one turn centred on the foot's generatrix, so that every programme draws a generatrix
// at the same abscissa.
double turnOnStrip(double turn, double pi);

// The half of the substyle's plane its line keeps: that of the wall's substyle hour line
// (Face::substyleHourLine); on a wall facing due east or west, that of the sun in front of it.
// Every programme leaves out the equator, where no sun casts the substyle.
HourPlaneHalf substyleHalf(double phi, double D, double pi);
// Where the substyle's line ends (planeLineEndSuns of its hour's plane and half).
std::vector<Vec3> substyleEndSuns(double phi, const HourPlaneHalf& half, double pi);

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

// The noon generatrices: the cuts a real sun on the meridian of some day of the year
// (declination within the solstices) casts the tip's shadow on. The cut north of the tip first
// (the noon sun south of the zenith, any northern latitude), then the one south of it (in the
// tropics, the noon sun north of the zenith in summer; north of the polar circle, the midnight
// sun).
struct NoonCuts {
    std::optional<MeridianCut> north, south;
    // The generatrix the programmes keep in TipOffset, NoonLineAngle and CentreX: the north one
    // where it is drawn, else the south one.
    const std::optional<MeridianCut>& primary() const { return north ? north : south; }
};
NoonCuts noonShadowCuts(const shell::Module1& m);

// The heights (up from the tip's level) over which the shadows of the year's suns on the
// meridian (declinations within the solstices, above the horizon) fall on a vertical line of the
// meridian plane through the tip, `distance` from it: north of the tip (north) the shadows of
// the noon sun south of the zenith (and, in the southern hemisphere beyond the polar circle, of
// the midnight sun), south of it those of the noon sun north of the zenith (in the tropics) and
// of the midnight sun (beyond the polar circle). From the lowest sun's shadow, the tip's level
// where a sun of the year grazes the horizon, down to the highest sun's, -infinity where a sun of
// the year stands in the zenith (its shadow runs down the whole line). None where no such sun
// stands above the horizon.
struct HeightSpan {
    double top = 0, bottom = 0;
};
std::optional<HeightSpan> noonShadowHeights(double phi, double distance, bool north, double pi);

}  // namespace dials::cylindrical
