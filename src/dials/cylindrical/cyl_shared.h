#pragma once
// Procedures that every cylindrical programme shares: the side of the cylinder and the style,
// the style-tip geometry with the reference generatrix, the noon generatrix, the horizon, the
// mark of the style foot, the triangle of the style and the plan of the circular section.
//
// Frame (circular section): vertical axis, radius m.Radius, m.SideSign -1 concave (dial inside)
// or +1 convex (outside). The style stands on the reference generatrix facing the wall
// declination m.WallDeclRad (west +), horizontal and normal to the surface; its foot is the
// origin of dial coordinates. Points are drawn on the unrolled surface at (u, -y): u the arc
// from the reference generatrix, y the height above the horizontal through the foot.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/plot_curve.h"
#include "dials/plot_mark.h"
#include "dials/plot_segment.h"
#include "numeric/palette.h"
#include "shell/context.h"

namespace dials::cylindrical {

// The run every circular programme shares: refuses the southern hemisphere; then, with the busy
// cursor up, titles the plot, reads the place, the wall and the style, then the side
// (SetCylinderSide), draws the reference generatrix (ComputeCylGnomonGeometry), draws the
// programme's features and says when no shadow of the tip falls on the plot. A numerical
// failure leaves the run (Run reports it), the busy cursor restored on the way out.
void runCircularCylinder(shell::Context& ctx, const std::string& title,
                         const std::function<void()>& features);

// A cylinder's drawing gives its segments in plot coordinates (x across, y downward); a segment
// reaching far off (the style's triangle at the pole, the plan of a parabola of all but no width)
// is recorded as the plot area shows it (dials::plotSegment).
inline void xLineNearTheFoot(plot::PlotSurface& plot, double x1, double y1, double x2, double y2,
                             numeric::Colour colour) {
    dials::plotSegment(plot, {x1, -y1}, {x2, -y2}, colour);
}
// Whether a mark (a label, a numeral, a small circle) at the point, in plot coordinates, is
// drawn: the point lies in the plot area (dials::markInArea).
inline bool markInTheArea(const plot::PlotSurface& plot, double x, double y) {
    return dials::markInArea(plot, {x, -y});
}

// Every curve of the 3D, parametric and projective programmes is sampled with m.PointStep: a
// step of 0 (an empty or zero "Definition") throws numeric::NumericFailure(InvalidStep), which
// stops the run before any curve with the message Run gives.
void CheckDrawingStep(const shell::Module1& m);

// Reads the Concave / Convex option (Option3D2) into m.SideSign. Draws nothing.
void SetCylinderSide(shell::Context& ctx);

// Draws the reference generatrix (u = SideSign * Radius * WallDeclRad) and, where the meridian
// plane through the style tip cuts the section, writes m.TipOffset, m.StyleHypotenuse and
// m.StyleElevDeg; otherwise they keep their values. (Run refuses a radius of 0 or below before
// any programme runs.)
void ComputeCylGnomonGeometry(shell::Context& ctx);

// The noon generatrix: the vertical line on which the tip's shadow falls at true noon; in the
// tropics a concave dial has a second one, south of the tip, for the summer sun north of the
// zenith (beyond the polar circle, for the midnight sun). Writes m.TipOffset (signed),
// m.NoonLineAngle and m.CentreX of the first (see NoonCuts::primary) where there is one.
void DrawCylNoonLine(shell::Context& ctx);

// Draws the lines of the noon cuts in dark red, each over the heights its noon shadows reach
// (noonShadowHeights) within the plot area, from its lower end up (or, fromTop, from its upper
// end down); returns the developed abscissa of the primary cut, none where there is none.
std::optional<double> DrawNoonGeneratrices(shell::Context& ctx, const NoonCuts& cuts,
                                           bool fromTop);
// One of them: the vertical at developed abscissa x of the cut `distance` from the tip, north of
// it or south of it. The parabolic dial's noon generatrix too.
void DrawNoonCut(shell::Context& ctx, double x, double distance, bool north, bool fromTop);

// Lays a curve of the unrolled circular cylinder with the one curve sampler (dials::layCurve):
// curve(t) its point (developed abscissa, height up from the tip's level) at the parameter t,
// none where it has none (where the tip's shadow cannot reach, for one), the points no more
// than m.PointStep apart along it; plots those whose sun stands above the horizon and that
// keep(sun) accepts (the sun of the point: the direction from it to the tip). The others are no
// points of the curve:
// where the line's sun reaches the horizon or leaves what keep accepts, the curve ends, and its
// range names those ends where they are known (CurveRange::ends).
using SunKept = std::function<bool(const Vec3& sun)>;
void layDevelopedCurve(shell::Context& ctx, const CurveAt& curve, const CurveRange& range,
                       const SunKept& keep, numeric::Colour colour);
// For a line every point of whose curve a sun of it casts (the equinoctial, a declination line).
bool everySunKept(const Vec3& sun);

// The height (up from the tip's level) of a curve on the vertical line whose horizontal offset
// to the tip is h, none where it has none.
using HeightAtOffset = std::function<std::optional<double>(const Vec3& h)>;

// How the 3D, parametric, projective and parabolic programmes lay a curve across the
// generatrices, each by the parameter of its own sweep: lay draws the points of the curve of
// these heights whose sun stands above the horizon and that keep accepts, the curve ending
// besides at the parameters `ends`; sunEnds gives the parameters at which these suns cast the
// tip's shadow, coneTouchingEnds those at which the lines of declination +-delta turn back (the
// generatrices on the vertical planes through the tip that touch their cone). planeCut, where
// given, lays the cut of the plane through the tip with this normal in the programme's own form;
// else it is laid at the plane's height over each offset (planeHeightAt).
struct GeneratrixSweep {
    using Lay = std::function<void(const HeightAtOffset& height, const SunKept& keep,
                                   numeric::Colour colour, const std::vector<double>& ends)>;
    Lay lay;
    std::function<std::vector<double>(const std::vector<Vec3>& suns)> sunEnds;
    std::function<std::vector<double>(double delta)> coneTouchingEnds;
    std::function<void(const Vec3& normal, const SunKept& keep, numeric::Colour colour,
                       const std::vector<double>& ends)>
        planeCut = {};
};
// A sweep of the circular cylinder, whose parameters are the turns of the generatrices about the
// axis (CylinderShadow::shadowTurns and coneTouchingTurns), with this lay.
GeneratrixSweep circularSweep(shell::Context& ctx, GeneratrixSweep::Lay lay);

// The cut of the plane through the tip with this normal (GeneratrixSweep::planeCut), the points
// keep accepts, the line ending where the suns endSuns cast the tip's shadow (cyl_geometry.h
// names them).
void layPlaneCut(const GeneratrixSweep& sweep, const Vec3& normal, const SunKept& keep,
                 numeric::Colour colour, const std::vector<Vec3>& endSuns);
// The line of an hour: the cut of its hour plane, the points the half keeps, ending where
// planeLineEndSuns says (otherHalfKept: where the line keeps the real suns of the other half).
void layHourLine(shell::Context& ctx, const GeneratrixSweep& sweep, const HourPlaneHalf& half,
                 bool otherHalfKept, numeric::Colour colour);

// The Italian (italian) or Babylonian hours. The suns of one such hour lie on the horizon turned
// about the polar axis (turnedHorizonNormal); its plane through the tip cuts the cylinder in the
// hour's line. The thirteen turns run towards the east from fromDeg to fromDeg + 180 degrees by
// 15 (the count left in counter), each turnedBy radians more; each line keeps the half of its
// plane its own suns cast, where they stand above the horizon (HourPlaneHalf::ofTurnedHorizon:
// the other half holds the suns of the other family's hour of the same number, and the horizon
// itself is no line). A turned horizon standing almost upright is laid down the surface by the
// curve sampler. Italian lines in colour 12, Babylonian in 13.
void drawTurnedHorizons(shell::Context& ctx, const GeneratrixSweep& sweep, double& counter,
                        bool italian, double fromDeg, double turnedBy);

// A sun of a line: its hour angle (radians, afternoon positive) and declination (radians).
struct SunOnLine {
    double tau;
    double delta;
};
// The true sun at 12:00 of the zone's mean time on the day of mean longitude `day` (degrees) of
// the system's sun series, as the analemmas draw it.
SunOnLine meanNoonSun(const shell::Module1& m, double day);

// A declination line of a table: the declination in degrees and the palette colour.
struct DeclinationLine {
    double degrees;
    palette::Index colour;
};
// The pairs of declination lines: the cone of the sun's rays of declination +delta and -delta
// through the tip, about the polar axis, meets each vertical line at two heights, one on either
// line of the pair, drawn in its colour (CylinderShadow::coneCrossings, exact also where the
// latitude equals delta and the vertical lies on the cone). Each root a curve of its own (one
// that cannot be computed leaves the other drawn), both ending where they meet and where the sun
// rises and sets. The pairs of the solstices (kSolsticeDeg) in light red, of the declination
// `month` in light magenta and of `zodiac` in light cyan (a programme's own constants, a hair off
// 20 and 11.5 degrees).
void drawDeclinationLines(shell::Context& ctx, const GeneratrixSweep& sweep, double month,
                          double zodiac);

// The cut of the plane through the tip with this normal where it stands upright
// (standsUpright), which no sweep across the surface gives a height: by heights from the tip's
// level down to the plot's bottom edge, on the generatrices the programme unrolls (onDial) and
// the tip's shadow reaches, the points whose sun stands above the horizon. Nothing where the
// plane does not stand upright.
void DrawUprightCut(shell::Context& ctx, const Vec3& normal,
                    const std::function<bool(double psi)>& onDial, numeric::Colour colour);

// The horizon through the foot of the style, across the plot's width.
void DrawCylHorizonLine(shell::Context& ctx);

// The mark of the style foot: a filled 1 cm circle and its centre point (3D, spherical,
// projective programmes), or the same circle drawn point by point (parabolic, parametric).
void DrawStyleFootCircle(shell::Context& ctx);
void DrawStyleFootPoints(shell::Context& ctx);

// The triangle of the style standing on the horizon at the noon generatrix, and the
// perpendicular style folded into the development. Writes m.TipOffset, m.NoonLineAngle and
// m.CentreX where the triangle exists.
void DrawStyleTriangleDeveloped(shell::Context& ctx);
// The perpendicular style of length L folded down from the foot into the development, and the
// tick that marks its end (where the end lies in the plot area).
void DrawFoldedStyle(shell::Context& ctx, double L);

// The plan of the circular section below the development, north up: circle, style foot and
// tip, generic gnomon, declination sector, "North", "d" and the table of the triangle's lengths.
void DrawCylSectionAndTriangle(shell::Context& ctx);

}  // namespace dials::cylindrical
