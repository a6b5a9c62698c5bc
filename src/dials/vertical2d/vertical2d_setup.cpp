// Set-up of the vertical dial by 2D analytic geometry: the style elevation e, the substyle angle
// S (from the vertical) and its hour angle, and for each pair of declination lines +-delta the
// conic that the cone of sun rays around the polar style cuts on the wall. In the frame of the
// substyle (w from the equinoctial line towards the centre, v across) that conic is
//   T w^2 + v^2 - 2 L tan(e) w + (L / cos e)^2 = 0,   T = sin^2 e - cot^2(delta) cos^2 e,
// stored divided by T as w^2 + C v^2 + A w + B = 0.

#include <cmath>
#include <optional>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "geometry/sky.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "numeric/checked.h"
#include "numeric/fold.h"
#include "numeric/rounding.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"

namespace dials::vertical2d {

namespace {

using numeric::checkedDiv;
using numeric::checkFinite;

// The polar style of the wall in the programme's sign (the declination D east positive), from
// the face and the pole taken by the colatitude: the substyle's angle S from the vertical, east
// positive (the pole laid down on the face); the elevation e of the style, whose sine,
// cos(phi) cos(D), is minus the face's elevation sine; the substyle hour from those two,
// atan(tan S / sin e). Both take the one pole: the pole of the latitude differs from it by what
// the stored Pi leaves between the latitude and the colatitude, which next to the pole is a good
// part of the colatitude itself, and a substyle taken from it turns the hour lines against the
// style (a fifth of a millimetre at the pole, drawn at 89.9999 degrees; decimetres at
// 89.99999999). On the equator the polar axis lies level: the substyle is horizontal too.
struct Style {
    double substyle, elevation, hour, elevationDeg;
};

Style styleOf(const shell::Module1& m, const Face& wall, double latitude, double phi,
              double colatitude, double D) {
    if (latitude == 0) {
        const double level = numeric::sgn(D) * m.Pi / 2;
        return {level, m.Pi / 2 - std::fabs(D), level, 0};
    }
    const Vec3 pole = celestialPoleAtColatitude(colatitude);
    const DialPoint along = wall.dialOf(pole);
    const double S = std::atan(checkedDiv(along.x, along.y));
    const double sinE = -wall.polarElevationSine(pole);
    const double e = std::atan(checkedDiv(sinE, numeric::checkedSqrt(1 - sinE * sinE)));
    const double hour = std::atan(checkedDiv(std::tan(S), std::sin(e)));
    return {S, e, hour, shell::ArcSin(m, wall.polarElevationSine(phi)) * 180 / m.Pi};
}

}  // namespace

void SetupVertical2D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const shell::InputRecord& in = ctx.inputs;

    const double latDegrees = std::fabs(in.number("txtLAT"));
    const double typedLatitude = latDegrees * m.HemisphereSign;
    const double typedDeclination = shell::typedDeclination(in);

    const double workFlag = typedLatitude == 0 ? 1 : numeric::sgn(typedLatitude);
    // The pole itself has no substyle: the latitude is taken just short of it.
    const double latitude =
        std::fabs(typedLatitude) == 90 ? 89.9999 * m.HemisphereSign : typedLatitude;
    const double phi = checkFinite(latitude * m.Pi / 180);
    const double colatitude = m.Pi / 2 - phi;
    // East positive from here on.
    const double declination = -typedDeclination;
    const double D = checkFinite(declination * m.Pi / 180);
    // The wall as a face (its declination west positive), built once.
    const Face wall = Face::declining(-D, 0);

    const double L = m.StyleLength;
    // The longitude less the zone meridian (west positive), in radians, times the hemisphere.
    const double lonCorrection = m.ZoneCorrRad * workFlag;

    const Style style = styleOf(m, wall, latitude, phi, colatitude, D);
    const double e = style.elevation;
    // A style lying in the wall (a wall facing due east or west on the equator) meets it
    // nowhere: it has no hypotenuse.
    const std::optional<double> hypotenuse =
        e != 0 ? std::optional(checkedDiv(L, std::sin(e))) : std::nullopt;

    m.LatDegrees = latDegrees;
    m.WorkFlag = workFlag;
    m.LatDecimal = latitude;
    m.LatRad = phi;
    m.DeclDegrees = typedDeclination;
    m.DeclDecimal = declination;
    m.WallDeclRad = D;
    m.LonAbsDeg = lonCorrection;
    m.SubstyleRad = style.substyle;
    m.StyleElevRad = e;
    m.SubstyleHour = style.hour;
    if (latitude != 0) {
        m.SubstyleAngle = -style.substyle;
        m.StyleElevDeg = style.elevationDeg;
    }
    if (hypotenuse) m.StyleHypotenuse = *hypotenuse;

    m.PlaneCoefY = checkFinite(L * std::tan(e));

    m.AnalemmaFlag = 1;
    if (latitude == 0 && (declination == 0 || std::fabs(declination) == 180)) m.AnalemmaFlag = 0;
}

void FinishVertical2D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    if (m.StyleElevRad < 0)  // SubstyleAngle counts the other way round here
        m.SubstyleAngle =
            -numeric::turnedPastVertical(m.SubstyleAngle, m.WallDeclRad * m.WorkFlag, m.Pi);
}

}  // namespace dials::vertical2d
