// The light graph's input reader, its set-up of the style and of the conics of the declination
// lines, the conic that the Italian and Babylonian hour lines touch, and the final correction of
// the substyle angle. None of them skips a failing statement: a numerical failure here ends the
// run (the dispatcher tells the user).

#include <cmath>

#include "dials/vertical2d/light_graph_procedures.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

using light::sq;
using numeric::checkedDiv;
using numeric::checkedSqrt;

// The conic that the cone of sun rays of cone coefficient k (1 / tan^2 of the declination)
// cuts on the wall: w^2 + a w + c q^2 + b = 0 in the substyle frame, w = d + L tan e.
struct Conic {
    double k, T, a, b, c, eccentricity;
};

Conic conicOf(double k, double e, double L) {
    Conic conic;
    conic.k = k;
    conic.T = sq(std::sin(e)) - k * sq(std::cos(e));
    conic.b = checkedDiv(sq(checkedDiv(L, std::cos(e))), conic.T);
    conic.a = checkedDiv(-2 * L * std::tan(e), conic.T);
    conic.c = checkedDiv(1, conic.T);
    conic.eccentricity = checkedSqrt(1 - conic.T);
    return conic;
}

double coneCoefficient(const shell::Module1& m, double declinationDeg) {
    return checkedDiv(1, sq(std::tan(declinationDeg * m.Pi / 180)));
}

}  // namespace

void ReadInputsLightGraph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const shell::InputRecord& in = ctx.inputs;
    m.Pi = 3.141592654;
    m.LatDegrees = numeric::checkFinite(in.number("txtLAT"));
    m.LatRad = m.LatDegrees * m.Pi / 180;
    m.LonDegrees = numeric::checkFinite(in.number("txtLON"));
    m.LonAbsDeg = std::fabs(m.LonDegrees);
    m.LonCorrRad = (15 - m.EastSign * m.LonAbsDeg) * m.Pi / 180;
    m.ZoneCorrRad =
        (-m.EastSign * m.LonAbsDeg - 15 * numeric::checkFinite(in.number("TxtFuso"))) * m.Pi / 180;
    m.DeclDegrees = m.DeclSign * numeric::checkFinite(in.number("txtDecl"));
    m.DeclDecimal = m.DeclDegrees;
    m.WallDeclRad = m.DeclDecimal * m.Pi / 180;
    m.LightDeclRad = m.WallDeclRad;
    m.LightDeclRadCopy = m.WallDeclRad;
    m.StyleLengthD = numeric::checkFinite(in.number("txtStilo"));
    if (std::fabs(m.DeclDecimal) > 90) m.StyleLengthD = -m.StyleLengthD;
}

void SetupLightGraph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const shell::InputRecord& in = ctx.inputs;
    m.HourStep = checkedDiv(15, in.number("TxtHour"));
    m.StyleLength = numeric::checkFinite(in.number("txtStilo"));
    m.PointStep = numeric::checkFinite(in.number("txt_Definition")) / 500;
    const double L = m.StyleLength;
    const double phi = m.LatRad;
    const double D = m.WallDeclRad;

    // The style's elevation over the wall and the substyle.
    const double e = -shell::ArcSin(m, -std::cos(phi) * std::cos(D));
    m.StyleElevRad = e;
    if (m.LatDegrees == 0) {
        m.SubstyleRad = numeric::sgn(D) * m.Pi / 2;
        m.SubstyleHour = numeric::sgn(D) * m.Pi / 2;
    } else {
        m.SubstyleRad = std::atan(checkedDiv(std::sin(m.LightDeclRad), std::tan(phi)));
        m.SubstyleHour = -std::atan(checkedDiv(std::tan(m.SubstyleRad), std::sin(e)));
    }
    const double s = m.SubstyleRad;
    m.SetupAngleA = s;
    m.SubstyleAngle = s;
    m.SetupAngleB = e;
    if (e != 0) {
        m.StyleLengthD = checkedDiv(L, std::sin(e));
        m.StyleElevDeg = shell::ArcSin(m, -std::cos(phi) * std::cos(D)) * 180 / m.Pi;
        m.StyleHypotenuse = checkedDiv(L, std::sin(e));
        m.SetupTemp4 = checkedDiv(L, std::tan(e));
        m.CentreX = -m.SetupTemp4 * std::sin(s);
        m.CentreY = m.SetupTemp4 * std::cos(s);
    }

    // The conics of the declination lines +-23.45, +-20 and +-11.5 degrees.
    const Conic c2345 = conicOf(coneCoefficient(m, 23.45), e, L);
    m.ConeCoef2345 = c2345.k;
    m.ConicTerm = c2345.T;
    m.ConicB2345 = c2345.b;
    m.AsymCoefA = c2345.a;
    m.ConicC2345 = c2345.c;
    m.ZodiacLimit2345 = c2345.eccentricity;
    m.AsymCopyA = c2345.b;
    m.AsymCopyB = c2345.a;
    m.AsymCopyC = c2345.c;
    const Conic c20 = conicOf(coneCoefficient(m, 20), e, L);
    m.SetupTemp1 = c20.k;
    m.ConicB20 = c20.b;
    m.ConicA20 = c20.a;
    m.ConicC20 = c20.c;
    const Conic c115 = conicOf(coneCoefficient(m, 11.5), e, L);
    m.ConeTemp = c115.k;
    m.ConicB115 = c115.b;
    m.ConicA115 = c115.a;
    m.ConicC115 = c115.c;

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

void PrepareHourConicsLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (m.LatDegrees == 0 || m.LatDegrees == 90 || m.StyleElevRad == 0) return;
    // The day circle of declination 90 - latitude, which grazes the horizon: every Italian and
    // Babylonian hour circle touches it.
    const double a = std::sin(m.LatRad);
    const double latitude = std::atan(checkedDiv(a, checkedSqrt(1 - a * a)));
    const double k = sq(std::tan(latitude));
    const double e = m.SetupAngleB;
    const double L = m.StyleLength;
    const double T = sq(std::sin(e)) - k * sq(std::cos(e));
    m.ItalBabCoefA = checkedDiv(-2 * L * std::tan(e), T);
    m.ItalBabCoefB = checkedDiv(1, T);
    m.ItalBabCoefC = checkedDiv(sq(checkedDiv(L, std::cos(e))), T);
}

void NormalizeSubstyleAngleLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (m.StyleElevRad < 0)
        m.SubstyleAngle = (m.Pi - std::fabs(m.SubstyleAngle)) * numeric::sgn(m.WallDeclRad);
}

}  // namespace dials::vertical2d
