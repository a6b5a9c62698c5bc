// The equivalent vertical dial of an inclined or horizontal plane: the place (latitude f1,
// longitude difference lambda) at which the same plane is a vertical wall, and the wall's
// declination d1 there, as the user types them to draw the plane's dial as a vertical one.
//
// The list works in its own frame: south of the equator it folds the place to the north, which
// mirrors the sky north to south. That mirror keeps east and west and every hour angle, and
// turns latitudes and declinations of the sun over; an azimuth A from the south becomes 180 - A.
// The values are found in that frame and carried back to the real place here.

#include <cmath>
#include <string>

#include "geometry/face.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/fold.h"
#include "numeric/palette.h"
#include "numeric/rounding.h"
#include "numeric/tolerance.h"
#include "shell/helpers.h"
#include "shell/technical_data_list.h"

namespace shell::technical_data {

namespace {

struct Equivalent {
    double latitude = 0;     // f1, degrees, rounded as shown
    double declination = 0;  // d1, degrees, as typed at that place, rounded as shown
    double longitude = 0;    // lambda, degrees, rounded as shown
};

// An angle in degrees, rounded as the list shows it, within (-180, 180].
double shownAngle(double degrees) {
    return numeric::foldKeepingUpperEnd(numeric::roundHalfEven(degrees, 5), 180);
}

// The place whose zenith is the plane's line of greatest slope (up): there the plane stands
// vertical, facing where its normal (out) points. With the pole p of the list's frame:
// - the latitude f1 is the elevation of up over the equator, asin(p . up);
// - the longitude difference lambda is the hour angle (west positive) of up, the hour angle
//   of the equivalent place's meridian: typed as the longitude with the standard meridian's
//   time of zone 0, it turns the vertical dial's hours into the plane's;
// - the wall's azimuth from the south, west positive, follows from out's components along that
//   place's east and north, which are p . right and p . out over cos f1; d1 is that azimuth,
//   or 180 less it south of the equator, where the typed declination counts from the north.
// At a pole every wall holds the axis and only the sum of d1 and lambda tells the hours: the
// values are those the planes next to this one tend to on the side where the style stands out
// of the plane (p . out > 0). Their wall faces away from the place's noon (azimuth 180) and
// their up leans off the axis away from out at the north pole, towards it at the south pole.
Equivalent equivalentVertical(DataList& list) {
    Module1& m = list.m;
    const int hs = m.HemisphereSign;
    const geometry::Face face = list.face();
    const geometry::Vec3 pole = geometry::celestialPole(m.LatRad);
    const double sinF1 = dot(pole, face.up);
    const double f1 = hs * ArcSin(m, numeric::clampRoundedSine(sinF1));
    Equivalent eq;
    eq.latitude = numeric::roundHalfEven(list.deg(f1), 5);

    // The equivalent vertical dial stands at a pole where the plane's line of greatest slope
    // runs along the polar axis (the axis has no component across the plane nor out of it, up to
    // the stored Pi's residue), as on a polar plane facing due south or north or on the
    // horizontal plane at the equator.
    const double across = exactZero(dot(pole, face.right));
    const double out = exactZero(face.polarElevationSine(pole));
    const bool atPole = across == 0 && out == 0;
    const double azimuth = atPole ? m.Pi : std::atan2(across == 0 ? 0.0 : -across, -out);
    const double realAzimuth = hs > 0 ? azimuth : m.Pi - azimuth;
    const double d1 = eq.latitude >= 0 ? realAzimuth : m.Pi - realAzimuth;
    eq.declination = shownAngle(list.deg(d1));

    const geometry::Vec3 meridian = atPole ? -numeric::sgn(sinF1) * face.out : face.up;
    const double west = exactZero(-meridian.x);
    const double towardsNoon = exactZero(dot(meridian, geometry::equatorPoint(m.LatRad, 0)));
    eq.longitude = shownAngle(list.deg(std::atan2(west, towardsNoon)));
    return eq;
}

void writeHorizontalPlane(DataList& list) {
    const Module1& m = list.m;
    list.plot.setForeColor(numeric::rgb(235, 105, 18));
    list.line("Equivalent vertical dial :");
    // The horizontal plane stands vertical where its up, the meridian's horizon point on the
    // side of the raised pole, is the zenith: at the colatitude, in the same hemisphere, facing
    // d1 180 (at the equator that place is the pole, where 180 is what the planes next to it
    // tend to).
    list.line("latitude f1 =  " + rounded(m.HemisphereSign * list.deg(m.Pi / 2 - m.LatRad), 5));
    list.line("declination d1 =  " + plain(180));
    list.line("reclination =  0");
    list.line("ordinate of horizon =  inf. ");
    list.line("height of the style  =  " + plain(list.deg(m.LatRad)));
}

void writeInclinedPlane(DataList& list) {
    const Equivalent eq = equivalentVertical(list);
    list.line("");
    list.plot.setForeColor(numeric::rgb(235, 105, 18));
    list.line("Equivalent vertical dial :");
    list.line("latitude f1 =  " + plain(eq.latitude));
    list.line("declination d1 =  " + plain(eq.declination));
    list.line("reclination =  0");
    list.line("longitude lambda =  " + plain(eq.longitude));
    list.line("click off analemma");
    list.line("click on SM time");
    list.line("select ST Zone = 0");
}

}  // namespace

void writeEquivalentVertical(DataList& list) {
    Module1& m = list.m;
    if (m.ReclDeg == 0) return;
    m.ReclRad = list.rad(m.ReclDeg);
    if (!list.planeProgramme()) return;

    if (std::fabs(m.ReclDeg) == 90)
        writeHorizontalPlane(list);
    else
        writeInclinedPlane(list);
    list.plot.setForeColor(numeric::rgb(255, 255, 255));
}

}  // namespace shell::technical_data
