// Lines of the place, the triangle of the style, the substyle, the centre, the eccentricities
// of the declination conics, the characteristic hours and the equivalent horizontal dial.

#include <cmath>
#include <string>

#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/palette.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"
#include "shell/technical_data_list.h"

namespace shell::technical_data {

namespace {

using numeric::checkedDiv;
using numeric::checkedMul;

const std::string kDegree = "\xC2\xB0";

// |cos(style elevation) / sin(declination)|: the eccentricity of the conic that the shadow
// of the style tip traces at that declination.
std::string eccentricity(DataList& list, double declinationDeg) {
    const Module1& m = list.m;
    return down5(std::fabs(checkedDiv(std::cos(m.StyleElevRad), std::sin(list.rad(declinationDeg)))));
}

void writeTriangle(DataList& list) {
    Module1& m = list.m;
    const double E = list.E;
    list.line("T R I A N G L E ");
    if (E == 0) {
        // The polar axis lies in the plane: the style has no elevation and meets the plane at
        // infinity.
        m.StyleElevDeg = 0;
        list.line("Style: hypotenuse = inf");
    } else {
        m.StyleElevDeg = list.deg(m.HemisphereSign * ArcSin(m, E));
        m.StyleHypotenuse = checkedDiv(m.StyleLength, E);
        list.line("Style: hypotenuse " + down5(std::fabs(m.StyleHypotenuse)));
    }
    list.line("Perpendicular style: cathetus " + plain(m.StyleLength));
    if (E != 0) {
        const double squares = checkedMul(m.StyleHypotenuse, m.StyleHypotenuse) -
                               checkedMul(m.StyleLength, m.StyleLength);
        list.line("Distance Foot Center: cathetus  " + down5(numeric::checkedSqrt(squares)));
        list.line(" ");
    } else {
        list.line("Distance Foot Center: cathetus = inf");
    }
    list.line(" ");
}

void writeSubstyleAndCentre(DataList& list) {
    Module1& m = list.m;
    list.line("Elevation of the style : " + rounded(m.StyleElevDeg, 5) + kDegree);
    list.line("Substyle distance  : " + down5Degrees(list.deg(m.SubstyleAngle)) + kDegree);
    list.line("Center coordinates  : " + list.CxText + "    " + list.CyText);
    list.line("Angle between max slope line and noon  : " + list.noonText + kDegree);
    list.line("ecc.ty 90" + kDegree + " - lat" + kDegree + "  : " +
              (std::fabs(m.LatDegrees) == 90
                   ? "inf"
                   : down5(std::fabs(checkedDiv(std::cos(m.StyleElevRad), std::cos(m.LatRad))))));
    list.line("eccentricity 23.45" + kDegree + ": " + eccentricity(list, geometry::kSolsticeDeg));
    list.line("eccentricity 20" + kDegree + "   : " + eccentricity(list, 20));
    list.line("eccentricity 11.5" + kDegree + " : " + eccentricity(list, 11.5));
    list.line("substyle hour angle : " + down5Degrees(list.deg(m.SubstyleHour)) + kDegree);
    list.line("substyle hour:    " + down5Hours(12 + checkedDiv(m.SubstyleHour * 12, m.Pi)) + " h");
}

void writeHours(DataList& list) {
    Module1& m = list.m;
    const int hs = m.HemisphereSign;
    const double D = m.WallDeclRad;

    // Hour at which the sun passes through the plane's horizontal, and through its line of
    // greatest slope.
    const double latitude = list.number("txtLAT");
    double Hh;
    if (std::fabs(m.DeclDecimal) == 90)
        Hh = 0;
    else if (latitude == 0 || D == 0)
        Hh = m.Pi / 2;
    else
        Hh = std::atan(checkedDiv(-1, std::tan(D) * std::sin(hs * m.LatRad)));
    list.line("horizontal hour:    " + down5Hours(12 + checkedDiv(hs * Hh * 12, m.Pi)) + " h");

    // On a plane facing due south or north (but for the rounding of the stored Pi) the meridian's
    // line runs up the line of greatest slope: the vertical hour is noon.
    double Hv = 0;
    if (m.ReclRad != 0 && std::fabs(std::sin(D)) > numeric::kStoredPiResidue) {
        const double denominator =
            std::cos(D) * std::sin(m.LatRad) - checkedDiv(std::cos(m.LatRad), std::tan(m.ReclRad));
        Hv = std::atan(checkedDiv(-std::sin(D), denominator));
    }
    list.line("vertical hour:    " + down5Hours(12 - checkedDiv(Hv * 12, m.Pi)) + " h");

    if (list.zoneUsable)
        list.line("longitude correction:    " + rounded(list.M, 2) + " m");
    else
        list.notListed("longitude correction", "TxtFuso");
    list.line("");
}

void writeEquivalentHorizontal(DataList& list) {
    list.plot.setForeColor(numeric::rgb(155, 175, 143));
    list.line("Equivalent horizontal dial : ");
    list.line("latitude f0 =  " + rounded(list.m.StyleElevDeg, 5) + kDegree);
    list.plot.setForeColor(numeric::qbColor(numeric::palette::kLightGrey));
    list.line("");
}

}  // namespace

void writePlaceAndStyle(DataList& list) {
    const double shiftX = list.plot.ShiftX();
    const double shiftY = list.plot.ShiftY();
    list.plot.Dati("DATA: ", 10 - shiftX, -shiftY);
    list.line("Latitude " + plain(list.number("txtLAT")));
    list.line("Longitude " + plain(list.number("txtLON")));
    if (!list.horizontal) list.line("Declination " + plain(list.number("txtDecl")));

    if (!list.styleProgramme()) return;

    Module1& m = list.m;
    if (!list.horizontal) list.line("Reclination " + plain(list.deg(m.HemisphereSign * m.ReclRad)));
    writeTriangle(list);
    writeSubstyleAndCentre(list);
    writeHours(list);
    writeEquivalentHorizontal(list);
}

}  // namespace shell::technical_data
