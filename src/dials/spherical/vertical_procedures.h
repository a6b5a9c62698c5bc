#pragma once
// The procedures of the vertical dial by spherical trigonometry. They take no arguments but the
// context: they read the inputs and the shared variables that ReadInputsVertSph fills and draw
// on ctx.ixPlot1().
//
// Dial coordinates are metres in the wall, origin at the foot of the perpendicular style, x to
// the right of a viewer facing the wall and y upward; a point (x, y) goes to the plot as (x, -y).
// Every point is the shadow of the style tip for one hour angle t (radians, 0 at apparent noon,
// afternoon positive) and one declination of the sun: the sun's azimuth A (from the south, west
// positive) and altitude h by spherical trigonometry, then x = s tan(A - D) and
// y = -s tan(h) / cos(A - D). The latitude is used with its sign and the wall's declination D
// is measured from the south, so one set of formulas serves both hemispheres.
//
// A point whose computation fails (a zero divisor, an arc sine argument rounded past 1) is not
// drawn; the rest of its line goes on. A sweep whose step cannot advance (a Definition of 0)
// draws nothing.

#include <functional>
#include <optional>
#include <vector>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "dials/plot_curve.h"
#include "geometry/sky.h"
#include "dials/spherical/spherical.h"
#include "geometry/vec3.h"
#include "numeric/skip.h"
#include "shell/context.h"

namespace dials::spherical {

// Noon line through the dial centre (always drawn), hour lines, horizon.
void PlotNoonLineVertSph(shell::Context& ctx);
void PlotHourLinesVertSph(shell::Context& ctx);
void PlotHorizonVertSph(shell::Context& ctx);

// Declination lines: the tropics (+-kInnerSolsticeDeg), +-20.001, +-11.5001; the optional line of
// txtlineofdeclination (only when ckLineoptional is ticked); the equinoctial; the substyle.
void PlotNorthDeclinationLinesVertSph(shell::Context& ctx);
void PlotSouthDeclinationLinesVertSph(shell::Context& ctx);
void PlotOptionalDeclinationLineVertSph(shell::Context& ctx);
void PlotEquinoctialLineVertSph(shell::Context& ctx);
void PlotSubstyleLineVertSph(shell::Context& ctx);

// Triangle of the style laid into the wall, and the vertical through the centre.
void PlotStyleTriangleVertSph(shell::Context& ctx);

// Italian hours (from sunset) and Babylonian hours (from sunrise), with their numbers on the
// summer tropic line.
void PlotItalianHoursVertSph(shell::Context& ctx);
void LabelItalianHoursVertSph(shell::Context& ctx);
void PlotBabylonianHoursVertSph(shell::Context& ctx);
void LabelBabylonianHoursVertSph(shell::Context& ctx);

// Temporary (unequal) hours and their numbers.
void PlotTemporaryHoursVertSph(shell::Context& ctx);
void LabelTemporaryHoursVertSph(shell::Context& ctx);

// The analemma of 12:00 mean time of the zone's standard meridian.
void PlotAnalemmaVertSph(shell::Context& ctx);

// Roman numerals along the declination line of txtlineofdeclination, and the zodiac signs.
void PlotRomanNumeralsVertSph(shell::Context& ctx);
void PlotZodiacSigns(shell::Context& ctx);

// Where the numerals and the signs go, as the two procedures above place them (and with the same
// writes to SunDecl and HourAngleRad); the procedures draw a glyph at each place.
struct NumeralPlace {
    int hour;     // 1..12
    double x, y;  // dial coordinates
};
std::vector<NumeralPlace> RomanNumeralPlacesVertSph(shell::Context& ctx);

enum class ZodiacSign {
    Aries, Libra, Cancer, Capricorn, Gemini, Taurus, Pisces, Aquarius, Sagittarius, Scorpio,
    Virgo, Leo
};
struct ZodiacPlace {
    ZodiacSign sign;
    double x, y;  // dial coordinates
};
struct ZodiacLayout {
    double rotationDeg = 0;            // one turn for every sign
    std::vector<ZodiacPlace> places;   // in drawing order, only the signs that are drawn
};
ZodiacLayout ZodiacLayoutVertSph(shell::Context& ctx);

namespace vsph {

// The sun seen from the wall: azimuth from the south, west positive, and altitude (radians).
struct SunPlace {
    double A;
    double h;
};

// The shadow of the style tip, whether the sun shines on the face of the wall, and the sun of the
// point: the direction from the point to the tip in the world frame (x east, y north, z up).
struct WallPoint {
    double x, y;
    bool inFront;  // cos(A - D) > 0
    Vec3 sun;

    // A shadow that falls on the dial: the sun in front of the wall, and the sun of the point
    // above the horizon (geometry::aboveHorizon; a sun on the horizon casts no shadow).
    bool drawn() const { return inFront && aboveHorizon(sun); }
};

// The sun for hour angle t and declination deltaRad by spherical trigonometry; throws
// numeric::NumericFailure where the azimuth's divisor is 0 or the altitude's sine is past 1.
SunPlace sunPlace(const shell::Module1& m, double t, double deltaRad);
// The same for the declination 0; on the equator itself (LatRad exactly 0), where the azimuth's
// quotient is 0 / 0, the sun runs along the prime vertical: A = +-pi/2, h = pi/2 - |t|.
SunPlace equinoxSunPlace(const shell::Module1& m, double t);
// The shadow of the tip for that sun; stores its altitude in HourAngleRad first.
WallPoint onWall(shell::Module1& m, const SunPlace& sun);

// ShadowPointVertSph: the shadow of the tip for hour angle t and declination deltaDeg (degrees);
// none when its computation fails. The altitude goes to HourAngleRad.
std::optional<WallPoint> ShadowPointVertSph(shell::Module1& m, double t, double deltaDeg);
// The same at declination 0 with the equator's own sun (equinoxSunPlace).
std::optional<WallPoint> EquinoxShadowPointVertSph(shell::Module1& m, double t);

// A line of the dial as the shadows at(t) give it, and the curve of it for the shared sampler
// (layLine): the point of at(t) where it falls on the dial (WallPoint::drawn).
using LinePointAt = std::function<std::optional<WallPoint>(double t)>;
CurveAt curveOf(LinePointAt at);

// The hour angle t (radians) of the hour line of the clock's hour angle `hour` (degrees): with
// standard-meridian time (ck_Etna ticked) moved by ZoneCorrRad, so that the line of noon is that
// of the zone's noon.
double clockHourAngle(const shell::Context& ctx, double hour);

// The hour line of the hour angle t (radians): the shadows of its suns over the declinations of
// the year (degrees) at the programme's step, each point writing its declination to SunDecl.
LinePointAt hourLineAt(shell::Module1& m, double t);
CurveRange hourLineSweep(const shell::Module1& m);

// The wall as a face of the world frame. Its centre (geometry::Face::centre) lies at infinity
// where the polar axis lies in the wall's plane: a wall facing due east or west, or any wall at a
// pole.
Face wallFace(const shell::Module1& m);

}  // namespace vsph

}  // namespace dials::spherical
