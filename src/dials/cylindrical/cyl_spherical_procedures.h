#pragma once
// The procedures of the circular cylinder by spherical trigonometry. They take the context: they
// read the inputs and the shared variables that the input reader and the shared set-up fill
// (cyl_shared.h) and draw on ctx.ixPlot1().
//
// The dial is a vertical circular cylinder of radius m.Radius; the perpendicular style of length
// m.StyleLength stands on it at its foot, on the generatrix that faces the wall declination
// m.WallDeclRad, along the radius (towards the axis when concave, away from it when convex).
// Dial coordinates are those of the unrolled surface: u the arc from the foot's generatrix
// (metres, to the right of a viewer facing the dial), y upward from the height of the foot; a
// point (u, y) goes to the plot as (u, -y). Every curve point is the shadow of the style tip
// for one hour angle and one declination of the sun, given by ProjectCylSphPoint.
//
// In this programme m.WorkFlag holds the side sign of the projection (-1 concave, +1 convex) and
// m.HourAngleRad the sun's altitude of the last point projected. Every line is laid by the
// shared curve sampler (layCylSphLine): a point whose computation fails is not drawn, the rest
// of its line goes on.

#include <functional>
#include <optional>
#include <vector>

#include "dials/cylindrical/cyl_shared.h"
#include "dials/plot_curve.h"
#include "geometry/vec3.h"
#include "shell/context.h"

namespace dials::cylindrical {

// The side sign of the projection from the Concave option: -1 when Option3D1 is set, else +1;
// stored in m.WorkFlag, set once by the driver for every procedure of the run.
void SetCylSphSide(shell::Context& ctx);

// The largest unrolled distance from the foot's generatrix at which a convex cylinder can still
// receive the shadow of the tip, (Pi / 2 - asin(R / (R + L))) * R, into m.ConvexArcLimit. A
// limit that cannot be computed (a style tip at the axis or within the section) is 0: no point
// of a convex curve is then drawn.
void ComputeConvexArcLimit(shell::Context& ctx);

// A shadow point on the unrolled cylinder, metres.
struct CylSphPoint {
    double u;
    double y;
};

// How a curve computes the sun for a projection: the general formulas, or the equinoctial
// line's own ones for the declination 0 (which also serve the equator).
enum class CylSphSun { General, Equinoctial };

// The shadow of the style tip for the hour angle tau (radians, afternoon positive) and the
// declination delta (radians), with the side sign of m.WorkFlag. Leaves the angle about the
// axis from the foot to the point in m.SolarTemp and the sun's altitude in m.HourAngleRad (each
// as far as it was computed). None when the shadow ray misses the section, when the sun of the
// point (from it to the tip) does not stand above the horizon (geometry::aboveHorizon), on a convex
// cylinder when |u| is not below m.ConvexArcLimit, or when the point cannot be computed.
std::optional<CylSphPoint> ProjectCylSphPoint(shell::Module1& m, double tau, double delta,
                                               CylSphSun sun = CylSphSun::General);

// The sun of a line at the parameter t, none where the line has none there.
using CylSphLine = std::function<std::optional<SunOnLine>(double t)>;

// Lays a line with the shared curve sampler (dials::layCurve): the shadows of its suns
// (ProjectCylSphPoint) at the parameters of the range and, between them, as many more as make
// consecutive points no more than dials::kLineStep apart in the plot area (the programme has no
// drawing definition of its own). Plots each in palette colour colourIndex.
void layCylSphLine(shell::Context& ctx, const CylSphLine& line, const CurveRange& range,
                   palette::Index colourIndex, CylSphSun sun = CylSphSun::General);

// Where a line of the programme ends between its sunrise and its sunset: the suns whose shadows
// fall on the generatrices where the tip's shadow stops reaching the surface (the tangents from
// the tip), of the line of the suns of declination delta (radians) as their hour angles, and of
// the line of the suns on the plane through the tip with this normal as their declinations; in
// the programme's degrees, as the lines are swept.
std::vector<double> reachLimitHourAngles(const shell::Module1& m, double delta);
std::vector<double> reachLimitDeclinations(const shell::Module1& m, const Vec3& normal);

// Lays the line of the day of declination delta (radians) from its sunrise to its sunset
// (geometry::semiDiurnalArc) by hour angles 0.05 degrees apart; round the clock, its midnight
// point drawn once, where the sun does not set; nothing where it does not rise.
void layCylSphDay(shell::Context& ctx, double delta, palette::Index colourIndex,
                  CylSphSun sun = CylSphSun::General);

// Hour lines with their axis labels "O", "x", "y", in local apparent time or, with ck_Etna
// ticked, in standard time: every line of the hour step, counted from -120 degrees both ways,
// through the whole turn (each clock hour once, midnight as 180), each drawn where its sun stands
// above the horizon on the days of the year.
void DrawCylSphHourLines(shell::Context& ctx);
// The shadow of the sun on the substyle's hour circle through the year; nothing at latitude 0.
void DrawCylSphSubstyleLine(shell::Context& ctx);
// The equinoctial line (declination 0).
void DrawCylSphEquinoctial(shell::Context& ctx);

// Declination lines, each a day from sunrise to sunset (layCylSphDay): the tropics
// (kInnerSolsticeFineDeg), -20.001, -11.5001 and 20.01, 11.501 degrees.
void DrawCylSphDeclLinesSouth(shell::Context& ctx);
void DrawCylSphDeclLinesNorth(shell::Context& ctx);

// Italian hours (from sunset), Babylonian hours (from sunrise) and temporary (unequal) hours.
void DrawCylSphItalianHours(shell::Context& ctx);
void DrawCylSphBabylonianHours(shell::Context& ctx);
void DrawCylSphTemporaryHours(shell::Context& ctx);

// The analemma of 12:00 standard time.
void DrawCylSphAnalemma(shell::Context& ctx);

// Roman numerals VI to XII to VI on the whole hours from -90 to 90 degrees, at the declination
// 25 degrees. The numeral routine takes the dial point (x, y) (and may move it), the base angle,
// the hour 1..12 and the quarter (the driver gives glyphs::GlyphRomanNumeral).
using CylSphNumeralGlyph =
    std::function<void(shell::Context&, double&, double&, double, int, int)>;
void DrawCylSphRomanNumerals(shell::Context& ctx, const CylSphNumeralGlyph& glyph);

}  // namespace dials::cylindrical
