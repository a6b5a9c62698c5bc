// Set-up of the former projective programme: the inputs, the signed polar style, the conics of
// the declination lines on the reference plane, and the angles of the equivalent vertical plane
// (turning the sky by F about the east-west axis makes the dial a vertical plane of declination
// g at latitude lat + F).

#include <cmath>

#include "dials/projective/former_procedures.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"

namespace dials::projective {

using numeric::checkedDiv;

namespace {

double squared(double x) { return x * x; }

// cot^2 of an angle in radians.
double coneCoefficient(double angleRad) { return checkedDiv(1, squared(std::tan(angleRad))); }

// The conic y^2 + alpha y + beta + gamma x^2 = 0 in which the cone of sun rays of declination
// +-d (k = cot^2 d) meets the reference plane, y measured up from its equinoctial line.
// Returns T = cos^2(lat) - k sin^2(lat).
double setConic(const shell::Module1& m, double k, double& alpha, double& beta, double& gamma) {
    const double phi = m.LatRad;
    const double s = m.StyleLengthD;
    const double T = squared(std::cos(phi)) - k * squared(std::sin(phi));
    alpha = checkedDiv(checkedDiv(-2 * s * std::cos(phi), std::tan(phi)), T);
    beta = checkedDiv(checkedDiv(s * s, squared(std::tan(phi))), T);
    gamma = checkedDiv(1, T);
    return T;
}

// The substyle angle of the equivalent vertical plane, atan(sin g / tan(lat + F)). Where
// tan(lat + F) is 0 that plane stands at the equator: its substyle is horizontal, or undefined
// (0 here) for a plane facing the equator squarely, whose style is perpendicular to it.
double equivalentSubstyle(const shell::Module1& m) {
    const double sinG = std::sin(m.EquivDeclRad);
    const double t = std::tan(m.FormerTemp + m.LatRad);
    if (t == 0) return numeric::sgn(sinG) * m.Pi / 2;
    return std::atan(checkedDiv(sinG, t));
}

}  // namespace

namespace former {

double noonTiltOfEquivalentPlane(const shell::Module1& m) {
    return std::atan(numeric::checkFinite(std::sin(m.EquivDeclRad) * std::tan(m.FormerTemp)));
}

double styleElevation(const shell::Module1& m) {
    const double phi = m.LatRad, D = m.WallDeclRad, R = m.ReclRad;
    double v = std::cos(R) * std::cos(phi) * std::cos(D) - std::sin(R) * std::sin(phi);
    // A style perpendicular to the plane can come out a rounding past 1.
    if (std::fabs(v) > 1 && std::fabs(v) < 1 + 1e-12) v = numeric::sgn(v);
    return shell::ArcSin(m, v);
}

}  // namespace former

void SetupProjectiveFormer(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const shell::InputRecord& in = ctx.inputs;

    m.HourStep = checkedDiv(15, in.number("TxtHour"));
    m.Pi = 3.141592654;
    m.ConeCoef2345 = checkedDiv(1, squared(std::tan(73.6703477363 / 180)));
    const double k20 = coneCoefficient(m.Pi * 20.011 / 180);
    m.ConeCoef115 = coneCoefficient(m.Pi * 11.5 / 180);

    m.LatDegrees = in.number("txtLAT");
    m.LatRad = m.LatDegrees * m.Pi / 180;
    m.LonDegrees = in.number("txtLON");
    m.LonCorrRad = (15 - m.LonDegrees) * m.Pi / 180;
    m.DeclDegrees = m.DeclSign * in.number("txtDecl");
    m.WallDeclRad = m.DeclDegrees * m.Pi / 180;
    m.DeclDecimal = m.DeclDegrees;
    m.ReclDeg = in.number("txtReclinZ");
    m.ReclRad = m.ReclDeg * m.Pi / 180;
    m.StyleLength = in.number("txtStilo");

    const double phi = m.LatRad, D = m.WallDeclRad, R = m.ReclRad;
    // The polar style from the tip to the centre: the perpendicular style over the sine of the
    // style's elevation. Its sign tells on which side of the tip the centre lies.
    double s = std::fabs(checkedDiv(
        m.StyleLength, std::cos(D) * std::cos(phi) * std::cos(R) - std::sin(R) * std::sin(phi)));
    m.SideSign = 1;
    if (R >= m.Pi / 2) {
        s = -s;
        m.SideSign = -1;
    }
    const bool beyondPolarAxis =
        std::cos(D) < numeric::checkFinite(std::tan(R) * std::tan(phi));
    if (beyondPolarAxis) s = -s;
    if (std::fabs(D) > m.Pi / 2 && beyondPolarAxis) m.SideSign = -1;
    m.StyleLengthD = s;

    m.ConicTerm = setConic(m, m.ConeCoef2345, m.ConicA2345, m.ConicB2345, m.ConicC2345);
    setConic(m, k20, m.ConicA20, m.ConicB20, m.ConicC20);
    setConic(m, m.ConeCoef115, m.ConicA115, m.ConicB115, m.ConicC115);

    m.SetupTemp3 = checkedDiv(s, std::sin(phi));
    m.HorizonRefLength = s * std::sin(phi);

    double F = std::atan(checkedDiv(std::tan(R), std::cos(D)));
    if (R > 0 && F < 0) F = F + m.Pi;
    m.FormerTemp = F;
    m.EquivDeclRad = std::atan(numeric::checkFinite(std::tan(D) * std::cos(F)));
    m.NoonTiltRad = former::noonTiltOfEquivalentPlane(m);
    m.SubstyleRad = numeric::sgn(m.SideSign) * (equivalentSubstyle(m) + m.NoonTiltRad);
    m.StyleElevRad = former::styleElevation(m);
    m.XLoopHalf = 2;
}

}  // namespace dials::projective
