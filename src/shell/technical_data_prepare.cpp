// Preparation of the technical-data list: re-reads the place, style and wall inputs and
// recomputes the elevation sine of the polar style, the centre of the dial, the substyle
// distance, the substyle hour and the noon-line angle. Nothing is drawn here.

#include <cmath>

#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"
#include "shell/technical_data_list.h"

namespace shell::technical_data {

namespace {

using numeric::checkedDiv;
using numeric::checkedMul;
using numeric::sgn;

// Sine of the elevation of the polar axis over the plane (the dot product of the plane's
// normal with the polar axis).
double elevationSine(const Module1& m) {
    return std::sin(m.ReclRad) * std::sin(m.LatRad) -
           std::cos(m.LatRad) * std::cos(m.ReclRad) * std::cos(m.WallDeclRad);
}

// Centre of the dial: where the polar axis through the style tip meets the plane, in dial
// coordinates (x along the plane's horizontal, y up its line of greatest slope).
void computeCentre(DataList& list) {
    const Module1& m = list.m;
    const double D = m.WallDeclRad, R = m.ReclRad, lat = m.LatRad;
    const double hyp = checkedDiv(m.StyleLength, list.E);
    list.Cx = checkedMul(m.HemisphereSign * std::sin(D) * std::cos(lat), hyp);
    list.Cy = -checkedMul(hyp, std::sin(lat) * std::cos(R) + std::sin(R) * std::cos(lat) * std::cos(D));
}

// Hour angle of the substyle: the hour at which the sun stands in the plane through the style
// and the polar axis on the side of the plane's face, where the sun of the equator shines on
// it most squarely. The equinoctial sun of hour angle H lights the face by
// cos R cos D sin(lat) + sin R cos(lat) times cos H, plus cos R sin D times sin H: the substyle
// hour is the angle of that pair. Its quadrant follows both signs, so that a plane reclined
// beyond the vertical (cos R < 0) and a plane facing due south or north whose face looks away
// from the equator's noon sun (its substyle at midnight) get theirs; for the plane
// perpendicular to the polar axis (0, 0) the meridian is taken, so that the list goes on.
void computeSubstyleHour(Module1& m) {
    const double D = m.WallDeclRad, R = m.ReclRad, lat = m.LatRad;
    if (lat == 0 && R == 0) {
        m.SubstyleHour = sgn(D) * m.Pi / 2;
        return;
    }
    const double across = std::cos(R) * std::sin(D);
    const double along = std::cos(R) * std::cos(D) * std::sin(lat) + std::sin(R) * std::cos(lat);
    m.SubstyleHour = std::atan2(across, along);
}

// The horizontal plane: its substyle is the meridian (angle 0). The style elevation, the
// substyle hour and the centre are those of this plane, not whatever an earlier run left.
void prepareHorizontal(DataList& list) {
    Module1& m = list.m;
    m.WallDeclRad = 0;
    m.SubstyleAngle = 0;
    list.E = elevationSine(m);
    if (m.LatRad == 0) list.E = 0;
    list.q = 0;
    m.StyleElevRad = ArcSin(m, list.E);
    computeSubstyleHour(m);
    if (list.E != 0) computeCentre(list);
}

void prepareInclined(DataList& list) {
    Module1& m = list.m;
    const double D = m.WallDeclRad, R = m.ReclRad, lat = m.LatRad;

    list.E = elevationSine(m);
    // The planes parallel to the polar axis, whose elevation sine is 0 only up to rounding.
    if ((std::fabs(m.DeclDecimal) == 90 && R == 0) || (std::fabs(m.LatDegrees) == 90 && R == 0) ||
        (std::fabs(m.DeclDecimal) == 90 && lat == 0))
        list.E = 0;
    const double E = list.E;

    m.StyleElevRad = ArcSin(m, E);
    if (E != 0) computeCentre(list);

    // Substyle distance: the angle of the centre seen from the foot, from the line of greatest
    // slope.
    if (lat == 0 && R == 0) {
        m.SubstyleAngle = sgn(D) * m.Pi / 2;
    } else {
        // A plane facing due south or north (but for the rounding of the stored Pi: the sine of
        // 180 degrees is 4e-10) has its substyle on the line of greatest slope; so has the
        // plane perpendicular to the polar axis, whose denominator is 0 there.
        const double denominator = std::sin(R) * std::cos(D) + std::cos(R) * std::tan(lat);
        m.SubstyleAngle = std::fabs(std::sin(D)) <= numeric::kStoredPiResidue
                              ? 0
                              : std::atan(checkedDiv(std::sin(D), denominator));
        list.q = list.deg(m.SubstyleAngle);
        if (E != 0) {
            if (list.Cx <= 0 && list.Cy < 0)
                m.SubstyleAngle = m.SubstyleAngle + m.Pi;
            else if (list.Cx > 0 && list.Cy < 0)
                m.SubstyleAngle = m.SubstyleAngle - m.Pi;
        }
    }
    if (std::fabs(m.SubstyleAngle) > m.Pi)
        m.SubstyleAngle = -sgn(m.SubstyleAngle) * std::fabs(2 * m.Pi - std::fabs(m.SubstyleAngle));
    if (m.HemisphereSign == -1) m.SubstyleAngle = -m.SubstyleAngle;

    computeSubstyleHour(m);
}

}  // namespace

void prepare(DataList& list) {
    Module1& m = list.m;
    const double F = list.number("TxtFuso");
    m.LonCorrRad = list.number("txtLON");
    list.M = 4 * (m.LonCorrRad - 15 * F);

    m.LatRad = std::fabs(m.LatRad);
    m.StyleLength = list.number("txtStilo");

    m.DeclDegrees = list.number("txtDecl");
    m.DeclDecimal = m.DeclDegrees;
    m.WallDeclRad = list.rad(m.DeclDecimal);

    const bool reclinationUsed = list.inputs.enabled("txtReclinZ");
    // A typed +-90 is the horizontal dial facing up in either hemisphere: 90 after the
    // hemisphere's sign. A reclination box that the checked programme does not use makes no
    // horizontal plane: its plane is the vertical wall the programme draws.
    m.ReclDeg = numeric::checkFinite(typedReclination(list.inputs, m.HemisphereSign)) *
                m.HemisphereSign;
    list.horizontal = reclinationUsed && typedHorizontal(list.inputs);
    m.ReclRad = list.rad(m.ReclDeg);
    if (!reclinationUsed) m.ReclRad = 0;
    if (list.horizontal)
        prepareHorizontal(list);
    else
        prepareInclined(list);

    if (std::fabs(list.E) != 0) {
        const double noon = std::atan(m.HemisphereSign * std::sin(m.ReclRad) * std::tan(m.WallDeclRad));
        m.NoonLineAngle = numeric::truncateDown(list.deg(noon), 4);
        list.CxText = down5(list.Cx);
        list.CyText = down5(list.Cy);
    } else {
        m.NoonLineAngle = numeric::roundHalfEven(list.q, 5);
        list.CxText = "inf";
        list.CyText = "inf";
    }
    list.noonText = plain(m.NoonLineAngle);
}

}  // namespace shell::technical_data
