// The light graph's input reader, its set-up of the style and of the conics of the declination
// lines, the conic that the Italian and Babylonian hour lines touch, and the final correction of
// the substyle angle. None of them skips a failing statement (but for the coefficients of a conic
// that is a parabola, which have no value and are left as they were): a numerical failure here
// ends the run (the dispatcher tells the user).

#include <cmath>
#include <optional>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "geometry/sky.h"
#include "dials/vertical2d/light_graph_procedures.h"
#include "geometry/stored_pi.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"

namespace dials::vertical2d {

namespace {

using light::sq;
using numeric::checkedDiv;

// The conic that the cone of sun rays of cone coefficient k (1 / tan^2 of the declination)
// cuts on the wall: w^2 + a w + c q^2 + b = 0 in the substyle frame, w = d + L tan e, that is
// T w^2 - 2 L tan(e) w + q^2 + (L / cos e)^2 = 0 divided by T = sin^2 e - k cos^2 e. Where T is 0
// (the line is a parabola) the divided form has no coefficients: a, b and c keep what they
// held, and the lines, which work from T itself, still draw the curve.
struct Conic {
    double k, T;
    double& a;
    double& b;
    double& c;
};

void storeConic(Conic& conic, double e, double L) {
    conic.T = sq(std::sin(e)) - conic.k * sq(std::cos(e));
    const double T = conic.T;
    numeric::assignOrSkip(conic.b, [&] { return checkedDiv(sq(checkedDiv(L, std::cos(e))), T); });
    numeric::assignOrSkip(conic.a, [&] { return checkedDiv(-2 * L * std::tan(e), T); });
    numeric::assignOrSkip(conic.c, [&] { return checkedDiv(1, T); });
}

double coneCoefficient(const shell::Module1& m, double declinationDeg) {
    return checkedDiv(1, sq(std::tan(declinationDeg * m.Pi / 180)));
}

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
    m.LonDegrees = numeric::checkFinite(in.number("txtLON"));
    m.LonAbsDeg = std::fabs(m.LonDegrees);
    m.LonCorrRad = (15 - m.EastSign * m.LonAbsDeg) * m.Pi / 180;
    m.ZoneCorrRad =
        (-m.EastSign * m.LonAbsDeg - 15 * numeric::checkFinite(in.number("TxtFuso"))) * m.Pi / 180;
    m.DeclDegrees = m.DeclSign * numeric::checkFinite(shell::typedDeclination(in));
    m.DeclDecimal = m.DeclDegrees;
    m.WallDeclRad = m.DeclDecimal * m.Pi / 180;
    m.LightDeclRad = m.WallDeclRad;
    m.StyleLengthD = numeric::checkFinite(in.number("txtStilo"));
    if (std::fabs(m.DeclDecimal) > 90) m.StyleLengthD = -m.StyleLengthD;
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
    m.SetupAngleA = s;
    m.SubstyleAngle = s;
    m.SetupAngleB = e;
    if (e != 0) {
        m.StyleLengthD = *hypotenuse;
        m.StyleElevDeg = -e * 180 / m.Pi;
        m.StyleHypotenuse = *hypotenuse;
        if (centre) {
            m.CentreX = centre->x;
            m.CentreY = centre->y;
        }
    }

    // The conic of the declination lines of the solstices.
    Conic c2345{coneCoefficient(m, kSolsticeDeg), 0, m.AsymCoefA, m.ConicB2345, m.ConicC2345};
    storeConic(c2345, e, L);
    m.ConeCoef2345 = c2345.k;
    m.ConicTerm = c2345.T;

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
        m.SubstyleAngle = (m.Pi - std::fabs(m.SubstyleAngle)) * numeric::sgn(m.WallDeclRad);
}

}  // namespace dials::vertical2d
