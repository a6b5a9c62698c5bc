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

#include "dials/cylindrical/cyl_shared.h"
#include "numeric/palette.h"
#include "shell/context.h"
#include "shell/module1.h"

namespace dials::cylindrical {

// Keeps the radius in m.CylParam and computes the tangent plane's dial. A numerical failure
// throws numeric::NumericFailure and stops the run (no dial is drawn at stale values).
void InitCylProjective(shell::Context& ctx);

// The tangent-plane point (t, y) carried onto the cylinder (x its developed abscissa, y its
// height); none when its ray misses the section. Throws numeric::NumericFailure where it cannot
// be computed (a curve has no point there).
std::optional<DialPoint> ProjectTangentPlanePoint(const shell::Module1& m, double t, double y);

// Lays the tangent-plane line of ordinate(t) for t from `from` to `to` (the curve sampler, from
// steps of the point step; on the abscissae whose rays fall on the generatrices within the plot
// area's width), each point carried onto the cylinder; draws those whose sun stands above the
// horizon and that keep(sun) accepts, up to the suns it ends at (endSuns). A point whose ordinate
// cannot be computed, or whose ray misses the section, is left out.
void layTangentPlaneLine(shell::Context& ctx, double from, double to, numeric::Colour colour,
                         const std::function<double(double t)>& ordinate, const SunKept& keep,
                         const std::vector<Vec3>& endSuns);

// The tangent plane's abscissa as a sweep of the lines the programmes share: the heights over the
// vertical line of each abscissa, from -5 to 5 radii, carried onto the cylinder along the rays.
GeneratrixSweep tangentAbscissaSweep(shell::Context& ctx);

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
