// Set-up of the vertical dial by 2D analytic geometry: the style elevation e, the substyle angle
// S (from the vertical) and its hour angle, and for each pair of declination lines +-delta the
// conic that the cone of sun rays around the polar style cuts on the wall. In the frame of the
// substyle (w from the equinoctial line towards the centre, v across) that conic is
//   T w^2 + v^2 - 2 L tan(e) w + (L / cos e)^2 = 0,   T = sin^2 e - cot^2(delta) cos^2 e,
// stored divided by T as w^2 + C v^2 + A w + B = 0.

#include <cmath>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "geometry/sky.h"
#include "dials/vertical2d/vertical2d_geometry.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"

namespace dials::vertical2d {

namespace {

using numeric::checkedDiv;
using numeric::checkFinite;

struct ConicCells {
    double& A;
    double& B;
    double& C;
};

// The cone coefficient 1 / tan^2(delta) of a declination in degrees.
double coneCoefficient(const shell::Module1& m, double degrees) {
    const double t = std::tan(degrees * m.Pi / 180);
    return checkedDiv(1, t * t);
}

// The conic of one pair of declination lines. Where T is 0 the line is a parabola and has no
// coefficients in this form: they are left alone, and the declination lines, which work from T
// itself, still draw it.
void storeConic(const shell::Module1& m, double coneCoef, ConicCells cells) {
    const double e = m.StyleElevRad, L = m.StyleLength;
    const double T = std::sin(e) * std::sin(e) - coneCoef * std::cos(e) * std::cos(e);
    numeric::assignOrSkip(cells.B, [&] {
        const double r = checkedDiv(L, std::cos(e));
        return checkedDiv(r * r, T);
    });
    numeric::assignOrSkip(cells.A, [&] { return checkedDiv(-2 * L * std::tan(e), T); });
    numeric::assignOrSkip(cells.C, [&] { return checkedDiv(1, T); });
}

}  // namespace

void SetupVertical2D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const shell::InputRecord& in = ctx.inputs;

    m.LatDegrees = std::fabs(in.number("txtLAT"));
    m.LatDecimal = m.LatDegrees * m.HemisphereSign;
    m.LatRad = checkFinite(m.LatDegrees * m.Pi / 180);

    m.DeclDegrees = shell::typedDeclination(in);
    m.DeclDecimal = m.DeclDegrees;
    m.WallDeclRad = checkFinite(m.DeclDecimal * m.Pi / 180);

    m.HourStep = checkedDiv(15, in.number("TxtHour"));

    m.LatAbsDeg = m.LatDecimal;
    m.WorkFlag = m.LatDecimal == 0 ? 1 : numeric::sgn(m.LatDecimal);
    // The pole itself has no substyle: the latitude is taken just short of it.
    if (m.LatDecimal == 90 || m.LatDecimal == -90) m.LatDecimal = 89.9999 * m.HemisphereSign;
    m.LatRad = checkFinite(m.LatDecimal * m.Pi / 180);
    m.ColatRad = m.Pi / 2 - m.LatRad;

    // East positive from here on.
    m.DeclDecimal = -m.DeclDecimal;
    m.WallDeclRad = checkFinite(m.DeclDecimal * m.Pi / 180);
    // The wall as a face (its declination west positive): minus its elevation sine,
    // cos(phi) cos(D), is the sine of the programme's style elevation, which takes the pole by
    // the colatitude.
    const Face wall = Face::declining(-m.WallDeclRad, 0);
    m.HourAngleRad = -wall.polarElevationSine(celestialPoleAtColatitude(m.ColatRad));

    m.StyleLength = in.number("txtStilo");

    // The longitude less the zone meridian (west positive), in radians, times the hemisphere.
    const double zone = in.number("TxtFuso");
    m.LonAbsDeg = checkFinite((-15 * zone - m.EastSign * m.LonAbsDeg) * m.Pi / 180 * m.WorkFlag);

    const double D = m.WallDeclRad;
    if (m.LatDecimal == 0) {
        // On the equator the polar axis is horizontal: the substyle is horizontal too.
        m.SubstyleRad = numeric::sgn(D) * m.Pi / 2;
        m.StyleElevRad = m.Pi / 2 - std::fabs(D);
        m.SubstyleHour = numeric::sgn(D) * m.Pi / 2;
    } else {
        // The substyle's angle from the vertical, east positive: the polar axis laid on the wall.
        const DialPoint along = wall.substyleDirection(m.LatRad);
        m.SubstyleRad = std::atan(checkedDiv(along.x, along.y));
        m.SetupAngleA = m.SubstyleRad;
        m.SubstyleAngle = -m.SubstyleRad;
        const double h = m.HourAngleRad;  // cos(phi) cos(D), the sine of the style elevation
        m.StyleElevRad = std::atan(checkedDiv(h, numeric::checkedSqrt(1 - h * h)));
        m.SetupAngleB = m.StyleElevRad;
        m.SubstyleHour =
            std::atan(checkedDiv(std::tan(m.SubstyleRad), std::sin(m.StyleElevRad)));
        m.StyleElevDeg = shell::ArcSin(m, wall.polarElevationSine(m.LatRad)) * 180 / m.Pi;
    }
    const double e = m.StyleElevRad, L = m.StyleLength;
    m.StyleHypotenuse = checkedDiv(L, std::sin(e));

    m.ConeCoef2345 = coneCoefficient(m, kSolsticeDeg);
    storeConic(m, m.ConeCoef2345, {m.ConicA2345, m.ConicB2345, m.ConicC2345});
    m.SetupTemp1 = coneCoefficient(m, 20);
    storeConic(m, m.SetupTemp1, {m.ConicA20, m.ConicB20, m.ConicC20});
    m.ConeTemp = coneCoefficient(m, 11.5);
    storeConic(m, m.ConeTemp, {m.ConicA115, m.ConicB115, m.ConicC115});

    m.PlaneCoefY = checkFinite(L * std::tan(e));

    m.AnalemmaFlag = 1;
    if (m.LatDecimal == 0 && (m.DeclDecimal == 0 || std::fabs(m.DeclDecimal) == 180))
        m.AnalemmaFlag = 0;
}

void ComputeConicsVert2D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (!italBabBand(m)) return;
    const double e = m.StyleElevRad, L = m.StyleLength;
    m.PlaneCoefY = checkFinite(L * std::tan(e));
    // The conic of declination 90 - |phi|: the day circle that touches the horizon.
    const double tanPhi = std::tan(m.LatRad);
    m.CentreHeight = std::sin(e) * std::sin(e) - tanPhi * tanPhi * std::cos(e) * std::cos(e);
    // Where that conic is a parabola (T0 = 0) it has no coefficients in this form; the Italian
    // and Babylonian hours work from T0 itself.
    const double T0 = m.CentreHeight;
    numeric::assignOrSkip(m.ItalBabCoefA, [&] { return checkedDiv(-2 * L * std::tan(e), T0); });
    numeric::assignOrSkip(m.ItalBabCoefB, [&] { return checkedDiv(1, T0); });
    numeric::assignOrSkip(m.ItalBabCoefC, [&] {
        const double r = checkedDiv(L, std::cos(e));
        return checkedDiv(r * r, T0);
    });
}

void FinishVertical2D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (m.StyleElevRad < 0)
        m.SubstyleAngle =
            (std::fabs(m.SubstyleAngle) - m.Pi) * numeric::sgn(m.WallDeclRad) * m.WorkFlag;
}

}  // namespace dials::vertical2d
