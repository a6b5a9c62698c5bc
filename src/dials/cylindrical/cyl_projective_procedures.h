#pragma once
// The procedures of the circular cylinder by the projective method. Each takes the context: it
// reads the inputs and the shared variables that the input reader, the shared set-up
// (cyl_shared.h) and InitCylProjective fill, and draws on ctx.ixPlot1().
//
// The method. The vertical plane that touches the cylinder along the generatrix of the style
// foot carries an ordinary vertical dial of the wall's declination whose perpendicular style is
// the cylinder's style. Tangent-plane coordinates: origin at the foot, t horizontal to the right
// of a viewer facing the dial, y upward. That dial has its substyle at the angle a
// (m.SetupAngleA) from the vertical, its polar style at the elevation b (m.SetupAngleB), its
// equinoctial line at m.PlaneCoefY = L tan b from the foot along the substyle, and the hour
// angle of its substyle in m.SubstyleHour (hour angles positive in the afternoon). Every point of
// it is carried onto the cylinder along the ray from the style tip, and the cylinder is unrolled:
// x the arc from the foot's generatrix, h the height above the foot; a point goes to the plot as
// (x, -h) where its sun stands above the horizon.
// Every line is laid by the curve sampler (layDevelopedCurve).
//
// A point whose own computation fails is not drawn; the rest of its line goes on.

#include <functional>
#include <optional>
#include <vector>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/plot_curve.h"
#include "numeric/palette.h"
#include "shell/context.h"
#include "shell/module1.h"

namespace dials::cylindrical {

// Reads the hour fraction, style and definition again, keeps the radius in m.CylParam and
// computes the tangent plane's dial. A numerical failure throws numeric::NumericFailure and
// stops the run (no dial is drawn at stale values).
void InitCylProjective(shell::Context& ctx);

// Where the ray from the tip through the tangent-plane abscissa t meets the section: k the ray's
// parameter there (the tip at 0, the tangent plane at 1), m = k t the tangential coordinate of
// that point measured from the foot, x its developed abscissa.
struct TangentPlaneRay {
    double k = 0;
    double m = 0;
    double x = 0;
};

// The ray of abscissa t; none when it misses the section. The point taken is the one the tip's
// shadow falls on: on a concave dial where the ray leaves the section forward, on a convex one
// the first meeting. Throws numeric::NumericFailure where it cannot be computed.
std::optional<TangentPlaneRay> projectTangentAbscissa(const shell::Module1& m, double t);

// The sweep of the tangent plane's abscissa from..to at the point step, for a line carried onto
// the cylinder: its ends where the rays from the tip stop meeting the section (the tangents from
// the tip, beyond which projectTangentAbscissa has none), and `more` besides; narrowed to the
// abscissae whose rays fall on the generatrices within the plot area's width (a cylinder far
// wider than it is laid over the part it shows). None where no ray falls there.
std::optional<CurveRange> tangentPlaneSweep(shell::Context& ctx, double from, double to,
                                            const std::vector<double>& more = {});

// The tangent-plane abscissae on the vertical planes through the tip that touch the double cone
// of the suns of declination +-delta (verticalsTouchingCone): where the two ordinates of the
// cone's conic meet and its line turns back.
std::vector<double> coneTouchingAbscissae(const shell::Module1& m, double delta);
// The tangent-plane abscissae of the shadows of these suns, of those in front of the tangent
// plane (the others the programme does not carry): where the lines that end at them end.
std::vector<double> sunAbscissae(const shell::Module1& m, const std::vector<Vec3>& suns);

// The height on the cylinder of the tangent-plane point of ordinate y whose ray is `ray`.
double heightOnCylinder(const TangentPlaneRay& ray, double y);

// A point of the unrolled cylinder, metres: x developed abscissa, h height (upward).
struct CylProjPoint {
    double x = 0;
    double h = 0;
};

// The tangent-plane point (t, y) carried onto the cylinder; none when its ray misses the section
// or when it cannot be computed.
std::optional<CylProjPoint> ProjectTangentPlanePoint(const shell::Module1& m, double t, double y);

// Hour lines (local apparent time, or standard time with ck_Etna ticked), the equinoctial line,
// the substyle line and the meridian line (the vertical of true noon where the meridian plane
// through the tip cuts the section and a noon shadow falls, as DrawCylNoonLine; it also keeps
// the tip's distance from the meridian plane through the axis in m.PlaneCoefX).
void DrawCylProjHourLines(shell::Context& ctx);
void DrawCylProjEquinoctial(shell::Context& ctx);
void DrawCylProjSubstyleLine(shell::Context& ctx);
void DrawCylProjMeridianLine(shell::Context& ctx);

// Declination lines of the sun: +-23.45, +-20.001 and +-11.5001 degrees.
void DrawCylProjDeclinationLines(shell::Context& ctx);

// Italian hours (counted from sunset) and Babylonian hours (from sunrise); nothing at latitude 0.
void DrawCylProjItalianHours(shell::Context& ctx);
void DrawCylProjBabylonianHours(shell::Context& ctx);

// The analemma of mean noon on the standard meridian. Leaves m.Pi at 3.1415926536.
void DrawCylProjAnalemma(shell::Context& ctx);

}  // namespace dials::cylindrical
