// The light graph's input reader, its set-up of the style and of the conics of the declination
// lines, the conic that the Italian and Babylonian hour lines touch, and the final correction of
// the substyle angle. None of them skips a failing statement (but for the coefficients of a conic
// that is a parabola, which have no value and are left as they were): a numerical failure here
// ends the run (the dispatcher tells the user).

#include <cmath>
#include <optional>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "dials/vertical2d/light_graph_procedures.h"
#include "geometry/stored_pi.h"
#include "numeric/checked.h"
#include "numeric/fold.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"

namespace dials::vertical2d {

namespace {

using numeric::checkedDiv;

// The polar style of the wall in the programme's signs (Face::styleAngles). On the equator the
// polar axis lies level and the substyle runs along the horizon.
Face::StyleAngles styleOf(const shell::Module1& m, const Face& wall) {
    if (m.LatDegrees == 0) {
        const double level = numeric::sgn(m.WallDeclRad) * m.Pi / 2;
        return {shell::ArcSin(m, -wall.polarElevationSine(m.LatRad)), level, level};
    }
    return wall.styleAngles(m.LatRad, m.Pi);
}

}  // namespace

void ReadInputsLightGraph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const shell::InputRecord& in = ctx.inputs;
    m.Pi = kStoredPi;
    m.LatDegrees = numeric::checkFinite(in.number("txtLAT"));
    m.LatRad = m.LatDegrees * m.Pi / 180;
    m.LonAbsDeg = std::fabs(numeric::checkFinite(in.number("txtLON")));
    m.ZoneCorrRad =
        (-m.EastSign * m.LonAbsDeg - 15 * numeric::checkFinite(in.number("TxtFuso"))) * m.Pi / 180;
    m.DeclDegrees = m.DeclSign * numeric::checkFinite(shell::typedDeclination(in));
    m.DeclDecimal = m.DeclDegrees;
    m.WallDeclRad = m.DeclDecimal * m.Pi / 180;
}

void SetupLightGraph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const shell::InputRecord& in = ctx.inputs;
    const double hourStep = checkedDiv(15, in.number("TxtHour"));
    const double L = numeric::checkFinite(in.number("txtStilo"));
    const double pointStep = numeric::checkFinite(in.number("txt_Definition")) / 500;
    const double phi = m.LatRad;
    const double D = m.WallDeclRad;

    // The wall as a face, and its polar style in the programme's sign (styleOf).
    const Face wall = Face::declining(D, 0);
    const Face::StyleAngles style = styleOf(m, wall);
    const double e = style.elevation, s = style.substyle;
    std::optional<double> hypotenuse;
    std::optional<DialPoint> centre;
    if (e != 0) {
        hypotenuse = checkedDiv(L, std::sin(e));
        centre = wall.centre(L, phi);
    }

    m.HourStep = hourStep;
    m.StyleLength = L;
    m.PointStep = pointStep;
    m.StyleElevRad = e;
    m.SubstyleRad = s;
    m.SubstyleHour = style.hour;
    m.SubstyleAngle = s;
    if (e != 0) {
        m.StyleElevDeg = -e * 180 / m.Pi;
        m.StyleHypotenuse = *hypotenuse;
        if (centre) {
            m.CentreX = centre->x;
            m.CentreY = centre->y;
        }
    }

    // At the equator a wall facing due south or due north has the polar style perpendicular
    // to it: the analemma takes its own way there.
    m.AnalemmaFlag = 1;
    m.WorkFlag = 1;
    if (m.LatDegrees == 0) {
        if (m.DeclDecimal == 0 || std::fabs(m.DeclDecimal) == 180) m.AnalemmaFlag = 0;
        m.WorkFlag = -1;
    }
    m.PlaneCoefY = L * std::tan(e);
}

void NormalizeSubstyleAngleLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (m.StyleElevRad < 0)
        m.SubstyleAngle = numeric::turnedPastVertical(m.SubstyleAngle, m.WallDeclRad, m.Pi);
}

}  // namespace dials::vertical2d
