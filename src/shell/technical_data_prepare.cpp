// Preparation of the technical-data list: re-reads the place, style and wall inputs and
// recomputes the elevation sine of the polar style, the centre of the dial, the substyle
// distance, the substyle hour and the noon-line angle. Nothing is drawn here.

#include <cmath>

#include "geometry/face.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/fold.h"
#include "numeric/rounding.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"
#include "shell/input_check.h"
#include "shell/read_place_and_wall.h"
#include "shell/technical_data_list.h"

namespace shell::technical_data {

namespace {

using numeric::checkedDiv;
using numeric::sgn;

// Sine of the elevation of the polar axis over the plane (pole . out), 0 on a plane that holds
// the axis: its centre lies at infinity, whatever rounding the stored Pi leaves of the sine. A
// wall at the pole holds it also where the programme took the latitude a hair short of the pole
// (LatDegrees keeps the 90 typed). On the plane perpendicular to the axis the sine is +-1, which
// rounding may carry a hair past.
double elevationSine(const DataList& list) {
    const Module1& m = list.m;
    const geometry::Face face = list.face();
    if (face.meetsAtInfinity(geometry::celestialPole(m.LatRad)) ||
        (std::fabs(m.LatDegrees) == 90 && m.ReclRad == 0))
        return 0;
    return numeric::clampRoundedSine(face.polarElevationSine(m.LatRad));
}

// Centre of the dial: where the polar axis through the style tip meets the plane, in dial
// coordinates (x along the plane's horizontal, mirrored in the south; y up its line of greatest
// slope). A plane that holds the axis keeps the centre it had (it is shown as "inf"). Where the
// axis has no component along one of the dial's axes but for the stored Pi's residue (a plane
// facing due south or north, or perpendicular to the axis), the centre lies on the other one.
void computeCentre(DataList& list) {
    const Module1& m = list.m;
    const geometry::Face face = list.face();
    const auto centre = face.centre(m.StyleLength, m.LatRad);
    if (!centre) return;
    const geometry::DialPoint along = face.substyleDirection(m.LatRad);
    list.Cx = exactZero(along.x) == 0 ? 0 : numeric::checkFinite(m.HemisphereSign * centre->x);
    list.Cy = exactZero(along.y) == 0 ? 0 : numeric::checkFinite(centre->y);
}

// Hour angle of the substyle: the hour at which the sun stands in the plane through the style
// and the polar axis on the side of the plane's face, where the sun of the equator shines on
// it most squarely (the face's substyle hour). On a vertical wall at the equator the equinox
// sun passes the zenith at noon, in the plane of every wall: its substyle hour is taken as +-6
// hours by the sign of the typed declination. On the plane perpendicular to the axis the equinox
// sun only grazes the face, and its hour lines turn evenly round the foot: its substyle is taken
// along the line of greatest slope, as its substyle distance is, which is its noon line. Where
// the face's normal has no westward component but for the stored Pi's residue (a plane facing
// due south or north), the substyle hour is noon or midnight, midnight taken as -180 degrees
// (0 h).
void computeSubstyleHour(DataList& list) {
    Module1& m = list.m;
    if (m.LatRad == 0 && m.ReclRad == 0) {
        m.SubstyleHour = sgn(m.WallDeclRad) * m.Pi / 2;
        return;
    }
    const geometry::Face face = list.face();
    const geometry::DialPoint along = face.substyleDirection(m.LatRad);
    // The normal's component on the equator is as long as the substyle's direction.
    const double onEquator = std::hypot(along.x, along.y);
    const double h = face.substyleHour(m.LatRad);
    if (exactZero(onEquator) == 0)
        m.SubstyleHour = 0;
    else if (exactZero(std::sin(h) * onEquator) == 0)
        m.SubstyleHour = std::cos(h) > 0 ? 0 : -m.Pi;
    else
        m.SubstyleHour = h;
}

// Substyle distance of a plane that is not horizontal, once its centre is known: the angle of
// the centre seen from the foot, from the line of greatest slope up the plane, positive to the
// left (towards -x), with its sign in the south. Where the polar axis meets the plane only at
// infinity the substyle is a line through the foot, taken within a quarter turn of the line of
// greatest slope: an east or west wall at the equator holds the axis level, across the wall to
// the side its declination names; elsewhere the axis laid down on the plane gives it, and where
// that has no component across the plane (a plane facing due south or north, but for the
// rounding of the stored Pi, or a wall at the pole) it is the line of greatest slope. An angle of
// the half turn reads +180.
void computeSubstyleAngle(DataList& list) {
    Module1& m = list.m;
    const double lat = m.LatRad;
    if (list.E != 0) {
        // The centre in the plane's own frame (list.Cx is mirrored in the south): a half turn of
        // the stored Pi is added where it lies below the foot, towards its side.
        const double cx = m.HemisphereSign * list.Cx;
        if (list.Cy == 0) {
            m.SubstyleAngle = -sgn(cx) * m.Pi / 2;
        } else {
            m.SubstyleAngle = std::atan(checkedDiv(-cx, list.Cy));
            if (list.Cy < 0) m.SubstyleAngle += cx <= 0 ? m.Pi : -m.Pi;
        }
    } else if (lat == 0 && m.ReclRad == 0) {
        m.SubstyleAngle = sgn(m.WallDeclRad) * m.Pi / 2;
    } else {
        const geometry::DialPoint along = list.face().substyleDirection(lat);
        m.SubstyleAngle = std::fabs(along.x) <= numeric::kStoredPiResidue
                              ? 0
                              : std::atan(checkedDiv(-along.x, along.y));
    }
    m.SubstyleAngle = numeric::foldKeepingUpperEnd(m.HemisphereSign * m.SubstyleAngle, m.Pi);
}

}  // namespace

void prepare(DataList& list) {
    Module1& m = list.m;
    m.LonCorrRad = list.number("txtLON");
    list.zoneUsable = list.usable("TxtFuso");
    if (list.zoneUsable) list.M = 4 * (m.LonCorrRad - 15 * list.number("TxtFuso"));

    m.LatRad = std::fabs(m.LatRad);
    m.StyleLength = list.number("txtStilo");

    m.DeclDegrees = typedDeclination(list.inputs);
    m.DeclDecimal = m.DeclDegrees;
    m.WallDeclRad = list.rad(m.DeclDecimal);

    // A typed +-90 is the horizontal dial facing up in either hemisphere: 90 after the
    // hemisphere's sign. A reclination box that the checked programme does not use is not read:
    // its plane is the vertical wall the programme draws, whatever the box holds.
    const bool reclinationUsed = runReads(list.ctx, "txtReclinZ");
    m.ReclDeg = reclinationUsed ? numeric::checkedMul(typedReclination(list.inputs, m.HemisphereSign),
                                                      m.HemisphereSign)
                                : 0;
    list.horizontal = reclinationUsed && typedHorizontal(list.inputs);
    m.ReclRad = list.rad(m.ReclDeg);
    // The horizontal plane is taken at declination 0, and its substyle is the meridian (angle
    // 0). The style elevation, the substyle hour and the centre are those of the plane, not
    // whatever an earlier run left.
    if (list.horizontal) m.WallDeclRad = 0;
    list.E = elevationSine(list);
    m.StyleElevRad = ArcSin(m, list.E);
    if (list.E != 0) computeCentre(list);
    if (list.horizontal)
        m.SubstyleAngle = 0;
    else
        computeSubstyleAngle(list);
    computeSubstyleHour(list);

    if (std::fabs(list.E) != 0) {
        // A plane facing due south or north (but for the stored Pi's residue of sin D) has its
        // noon line up its line of greatest slope.
        const double tanD = exactZero(std::sin(m.WallDeclRad)) == 0 ? 0 : std::tan(m.WallDeclRad);
        const double noon = std::atan(m.HemisphereSign * std::sin(m.ReclRad) * tanD);
        m.NoonLineAngle =
            numeric::truncateDown(list.deg(noon), 4, numeric::kDegreesPerRadian);
        list.CxText = down5(list.Cx);
        list.CyText = down5(list.Cy);
    } else {
        // The noon line lies at infinity, and every hour line runs along the substyle: the angle
        // shown is the substyle distance, with its sign in the south.
        m.NoonLineAngle = numeric::roundHalfEven(list.deg(m.SubstyleAngle), 5);
        list.CxText = "inf";
        list.CyText = "inf";
    }
    list.noonText = plain(m.NoonLineAngle);
}

}  // namespace shell::technical_data
