// The input readers of the programme. The southern hemisphere is folded onto the northern one:
// the latitude is taken by its absolute value and the declination, the reclination and the
// longitude correction are multiplied by the hemisphere sign, so that the geometry is always
// that of a northern place. Nothing here skips a failure: it throws to the caller of the run.

#include <cmath>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "dials/flat3d/procedures.h"
#include "geometry/stored_pi.h"
#include "numeric/checked.h"
#include "numeric/tolerance.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"
#include "shell/input_check.h"
#include "shell/read_place_and_wall.h"

namespace dials::flat3d {

namespace {

using numeric::checkFinite;

// Both variables read the inputs alike.
void setupInclinedDial(shell::Context& ctx) {
    const shell::InputRecord& in = ctx.inputs;
    shell::Module1& m = ctx.m;
    const double pi = kStoredPi;

    const double hourStep = numeric::checkedDiv(15, in.number("TxtHour"));
    // The programme greys the definition out and reads it only for its lines of equal altitude:
    // elsewhere the box is not parsed, whatever it holds, and the drawing step keeps its value.
    const double pointStep = shell::runReads(ctx, "txt_Definition")
                                 ? checkFinite(in.number("txt_Definition") / 100)
                                 : m.PointStep;

    // The place folded onto the north: the latitude's absolute value; at the equator the
    // hemisphere is the northern one.
    const double latitude = std::fabs(in.number("txtLAT"));
    const double phi = checkFinite(latitude * pi / 180);
    const int hemisphereSign = latitude == 0 ? 1 : m.HemisphereSign;
    const int hemisphere = numeric::sgn(hemisphereSign);

    const double zone = in.number("TxtFuso");
    const double longitude = in.number("txtLON");
    const double lonCorrection =
        checkFinite((-15 * zone - m.EastSign * std::fabs(longitude)) * hemisphere * pi / 180);

    const double declination = shell::typedDeclination(in);
    double D = checkFinite(declination * pi / 180 * hemisphere);
    // Typed +-90 is the horizontal dial facing up in both hemispheres: 90 here.
    const double reclination = shell::typedReclination(in, hemisphereSign) * hemisphereSign;
    const double R = checkFinite(reclination * pi / 180);
    // The horizontal plane's declination means nothing: its u axis points east.
    if (reclination == 90 || reclination == -90) D = 0;

    // The style tip stands S out of the face; the polar style's elevation over it, whose sine
    // is 1 for a plane perpendicular to the polar axis, which rounding may overshoot.
    const double S = in.number("txtStilo");
    const Face face = Face::declining(D, R);
    const Vec3 tip = S * face.out;
    const double elevationSine = face.polarElevationSine(phi);

    m.HourStep = hourStep;
    m.PointStep = pointStep;
    m.Pi = pi;
    m.LatDegrees = latitude;
    m.LatRad = phi;
    m.HemisphereSign = hemisphereSign;
    m.WorkFlag = hemisphereSign;
    m.LonAbsDeg = std::fabs(longitude);
    m.LonCorrRad = lonCorrection;
    m.DeclDegrees = declination;
    m.WallDeclRad = D;
    m.ReclDeg = reclination;
    m.ReclRad = R;
    m.StyleLength3D = S;
    m.PlaneCoefX = tip.x;
    m.PlaneCoefY = tip.y;
    m.PlaneCoefZ = tip.z;
    m.SideSign = 1;
    m.StyleElevRad = shell::ArcSin(m, numeric::clampRoundedSine(elevationSine));
    m.StyleElevDeg = m.StyleElevRad * 180 / pi;
}

}  // namespace

void SetupInclinedDialVarX(shell::Context& ctx) { setupInclinedDial(ctx); }

void SetupInclinedDialVarY(shell::Context& ctx) { setupInclinedDial(ctx); }

}  // namespace dials::flat3d
