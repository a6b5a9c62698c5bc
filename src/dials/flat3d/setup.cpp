// The input readers of the programme. The southern hemisphere is folded onto the northern one:
// the latitude is taken by its absolute value and the declination, the reclination and the
// longitude correction are multiplied by the hemisphere sign, so that the geometry is always
// that of a northern place. Nothing here skips a failure: it throws to the caller of the run.

#include <cmath>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "dials/flat3d/procedures.h"
#include "geometry/sky.h"
#include "geometry/stored_pi.h"
#include "numeric/checked.h"
#include "numeric/tolerance.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"

namespace dials::flat3d {

namespace {

using numeric::checkedDiv;
using numeric::checkFinite;

enum class FreeVariable { X, Y };

// tan(degrees)^-2: the coefficient of the cone of sun rays of that declination.
double coneCoefficient(const shell::Module1& m, double degrees) {
    const double t = std::tan(degrees * m.Pi / 180);
    return checkedDiv(1, t * t);
}

void setupInclinedDial(shell::Context& ctx, FreeVariable variable) {
    const shell::InputRecord& in = ctx.inputs;
    shell::Module1& m = ctx.m;

    m.HourStep = checkedDiv(15, in.number("TxtHour"));
    m.PointStep = checkFinite(in.number("txt_Definition") / 100);
    m.Pi = kStoredPi;
    m.ConeCoef2345 = coneCoefficient(m, kSolsticeDeg);
    m.ConeCoef20 = coneCoefficient(m, 20);
    m.ConeCoef115 = coneCoefficient(m, 11.5);

    m.LatDegrees = std::fabs(in.number("txtLAT"));
    m.LatAbsDeg = m.LatDegrees * m.HemisphereSign;
    m.LatRad = checkFinite(m.LatDegrees * m.Pi / 180);
    m.ColatRad = m.Pi / 2 - m.LatRad;
    const double latitudeTested = variable == FreeVariable::X ? m.LatAbsDeg : m.LatDegrees;
    if (latitudeTested == 0) m.HemisphereSign = 1;
    m.WorkFlag = m.HemisphereSign;
    const int hemisphere = numeric::sgn(m.HemisphereSign);

    const double zone = in.number("TxtFuso");
    m.LonDegrees = in.number("txtLON");
    m.LonAbsDeg = std::fabs(m.LonDegrees);
    m.LonCorrRad =
        checkFinite((-15 * zone - m.EastSign * m.LonAbsDeg) * hemisphere * m.Pi / 180);

    m.DeclDegrees = shell::typedDeclination(in);
    m.WallDeclRad = checkFinite(m.DeclDegrees * m.Pi / 180 * hemisphere);
    // Typed +-90 is the horizontal dial facing up in both hemispheres: 90 here.
    m.ReclDeg = shell::typedReclination(in, m.HemisphereSign) * m.HemisphereSign;
    m.ReclRad = checkFinite(m.ReclDeg * m.Pi / 180);
    // The horizontal plane's declination means nothing: its u axis points east.
    if (m.ReclDeg == 90 || m.ReclDeg == -90) m.WallDeclRad = 0;

    m.StyleLengthD = in.number("txtStilo");
    m.StyleLength3D = m.StyleLengthD;
    const double S = m.StyleLength3D;
    const double D = m.WallDeclRad;
    const double R = m.ReclRad;
    // The style tip stands S out of the face.
    const Face face = Face::declining(D, R);
    const Vec3 tip = S * face.out;
    m.PlaneCoefX = tip.x;
    m.PlaneCoefY = tip.y;
    m.PlaneCoefZ = tip.z;

    // For a plane perpendicular to the polar axis the sine is 1, which rounding may overshoot.
    const double s = face.polarElevationSine(m.LatRad);
    m.SideSign = 1;
    m.InclinedPlaneFlag = 1;
    m.StyleElevRad = shell::ArcSin(m, numeric::clampRoundedSine(s));
    m.StyleElevDeg = m.StyleElevRad * 180 / m.Pi;
}

}  // namespace

void SetupInclinedDialVarX(shell::Context& ctx) { setupInclinedDial(ctx, FreeVariable::X); }

void SetupInclinedDialVarY(shell::Context& ctx) { setupInclinedDial(ctx, FreeVariable::Y); }

}  // namespace dials::flat3d
