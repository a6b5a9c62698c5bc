#pragma once
// The procedures of the declining-reclining (or horizontal) dial by spherical trigonometry. They
// take the context: they read the inputs and the shared variables that PrepareSphericalData
// fills and draw on ctx.ixPlot1().
//
// Dial coordinates are metres in the plane, origin at the foot of the perpendicular style, X to
// the right of a viewer facing the dial, Y up the plane's line of greatest slope (on a
// horizontal plane X east, Y north). Every point is the central projection of the sun through
// the style tip. In the southern hemisphere the formulas take the latitude with its sign and the
// point is drawn reflected through the foot of the style (see DrawnSunPointSpherical).
//
// A point whose projection fails (the sun's direction parallel to the plane) is left out and the
// line goes on; a failure outside the points (an absurd input) leaves the procedure and stops
// the run, which Run contains.

#include <functional>
#include <optional>

#include "dials/plot_point.h"
#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "geometry/sky.h"
#include "dials/plot_curve.h"
#include "dials/spherical/spherical.h"
#include "geometry/vec3.h"
#include "glyphs/glyphs.h"
#include "shell/context.h"

namespace dials::spherical {

// The shadow of the style tip for the hour angle H (radians, afternoon positive) and the sun's
// declination delta (radians), geometry::projectSun on the plane given by its angle to the
// horizon (Face::decliningFromHorizon, Pi / 2 - ReclRad); none when the projection's
// denominator is 0. Writes nothing.
std::optional<geometry::DialPoint> ShadowPointSpherical(const shell::Module1& m, double H,
                                                        double delta);

// Whether the sun of (H, delta) shines on the face of the dial that the programme draws: the
// projection's denominator has the sign of the hemisphere (in the south the formulas work on the
// other face of the typed plane and the points are reflected); on a horizontal plane, whose
// reclination names the face turned up, the sun above the horizon. Where it does not, the
// projected point is the shadow of the opposite sun, (H + Pi, -delta). Writes nothing.
bool SunInFront(const shell::Module1& m, double H, double delta);

// The sun of the dial point (X, Y) as the formulas give it (before the southern reflection): the
// direction from the point drawn to the style tip, in the world frame (x east, y north, z up) of
// the dial as it stands. In the north the plane of WallDeclRad and ReclRad with the tip in front
// of it; in the south the formulas work on the other face of that plane, the tip behind it, and
// the point drawn reflected through the foot is the shadow there of the sun turned east for west
// (hour angle -H), so that sun is returned.
geometry::Vec3 SunOfPoint(const shell::Module1& m, double X, double Y);

// The dial point drawn for the sun (H, delta): its shadow point (X, Y) in the northern
// hemisphere (and the equator), the reflection (-X, -Y) in the southern; none when the projection
// fails, when the sun of the point is not above the horizon (geometry::aboveHorizon of SunOfPoint: a
// point cast by a sun on the horizon, as the Babylonian hour 0, the Italian hour 24 or a sun
// setting in the plane, is not drawn) or, if `litOnly`, when the sun does not shine on the dial
// (SunInFront: the shadow of the opposite sun, which the projection gives for a sun behind the
// plane, is not a point of the line).
std::optional<geometry::DialPoint> DrawnSunPointSpherical(shell::Module1& m, double H, double delta,
                                                       bool litOnly);

// The plane as a face of the world frame, as the formulas see it (the latitude with its sign).
geometry::Face PlaneFaceSpherical(const shell::Module1& m);
// The face whose dial axes the points are drawn on: the plane itself in the north; in the south,
// where the drawn points are the plane's reflected through the foot and the formulas' sky is
// turned half round about the east, the face declining 180 degrees - D and reclining -R.
geometry::Face DrawnFaceSpherical(const shell::Module1& m);

// Degrees to add to the hour angle of an hour of local apparent time to have the same hour of
// the zone's standard time (ck_Etna ticked): the zone meridian of TxtFuso less the longitude of
// txtLON, both west positive; 0 when ck_Etna is not ticked.
double StandardTimeShiftDeg(const shell::Context& ctx);

// Hour lines, in local apparent time or, with ck_Etna ticked, in the time of the zone meridian.
void DrawSphericalHourLines(shell::Context& ctx);
// The hour line of the hour angle H (radians, as the formulas take it): the dial points drawn
// for its suns over the declinations of the year (degrees, each written to SunDecl), swept over
// kHourLineSweepSpherical.
CurveAt HourLineSpherical(shell::Module1& m, double H);
inline constexpr CurveRange kHourLineSweepSpherical{-kInnerSolsticeDeg, kInnerSolsticeDeg, 0.05};
// The equinoctial line (declination 0).
void DrawSphericalEquinoctial(shell::Context& ctx);
// The substyle: the hour line through the foot of the style, drawn whole.
void DrawSphericalSubstyle(shell::Context& ctx);
// The horizon line across the plot.
void DrawSphericalHorizon(shell::Context& ctx);

// The numeral routine: (x, y) the dial point, moved by the routine to where it centred the
// numeral; baseAngle, hour 1..12, quarter.
using NumeralGlyph = std::function<void(shell::Context&, double&, double&, double, int, int)>;
// Roman numerals of the whole hours along the declination typed in txtlineofdeclination.
void DrawSphericalRomanNumerals(shell::Context& ctx,
                                const NumeralGlyph& glyph = glyphs::GlyphRomanNumeral);

// The triangle of the style laid into the plane, and the plot vertical through the centre.
void DrawSphericalStyleTriangle(shell::Context& ctx);

// The solstice, month and optional declination lines.
void DrawSphericalDeclinationLines(shell::Context& ctx);

// Italian, Babylonian and temporary hours; each tests its own check box.
void DrawSphericalItalianHours(shell::Context& ctx);
void DrawSphericalBabylonianHours(shell::Context& ctx);
void DrawSphericalTemporaryHours(shell::Context& ctx);

// The analemma of 12:00 mean time of the zone meridian; tests ck_Lemniscate itself.
void DrawSphericalAnalemma(shell::Context& ctx);

}  // namespace dials::spherical
