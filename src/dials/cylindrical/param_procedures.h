#pragma once
// The procedures of the circular cylinder as a set of points, by the parametric method. Each
// takes the context: it reads the inputs and the shared variables that the input reader, the
// set-up and ComputeCylGnomonGeometry (cyl_shared.h) fill, and draws on ctx.ixPlot1().
//
// The method. The cylinder is a set of vertical generatrices, one for each section angle t: the
// azimuth of the direction the dial face looks to there, from the south, positive to the east
// (the style foot's generatrix is t = -D for the wall declination D, west positive). Along each
// generatrix the vertical plane tangent to the cylinder carries a vertical dial of its own; where
// a curve of that dial crosses the generatrix is one point of the curve on the cylinder. With
// m.CylParam = -SideSign * Radius and L the style:
//   theta = -D - t          the turn from the foot's generatrix,
//   g = (L - CylParam) cos theta + CylParam   the tip's distance from the tangent plane,
//   w = (L - CylParam) sin theta              the offset of the tip's foot on it,
//   A  the substyle's angle from the vertical, e the polar style's elevation over the plane,
//   u = CylParam * theta    the developed abscissa of the generatrix, theta
//                           taken within half a turn of the foot's generatrix.
// In the tangent plane, at the height y on the generatrix: X = y cos A - w sin A + p along the
// substyle from the equinoctial line (p = g tan e), Z = y sin A + w cos A across it. Points go
// to the plot as (u, -y), y upward from the level of the tip. Hour angles are positive towards
// the east (before noon); the shared sky takes them through westward().
//
// Only the points a real sun casts are drawn: on generatrices the tip's shadow can reach (the tip
// in front of the tangent plane, g > 0: on a convex cylinder a band about the foot) and whose sun
// stands above the horizon (geometry::aboveHorizon); of an hour plane's cut, the half HourPlaneHalf
// keeps. A point whose own computation fails is not drawn; the rest of its curve goes on. Every
// curve is laid by the curve sampler: no two of its consecutive points lie more than the point
// step apart, however steeply it runs across the generatrices.

#include <functional>
#include <optional>
#include <vector>

#include "dials/cylindrical/cyl_shared.h"
#include "numeric/palette.h"
#include "shell/context.h"
#include "shell/module1.h"

namespace dials::cylindrical {

// m.CylParam, from the side (SetCylinderSide) and the radius.
void SetCylParam(shell::Module1& m);

// The noon generatrix, where the meridian plane through the tip cuts the cylinder and a noon
// shadow falls (two on a concave dial in the tropics, see NoonCuts); its developed abscissa (the
// first one's) in m.GeneratrixAbscissa.
void DrawCylNoonLineParam(shell::Context& ctx);

// Equinoctial line, hour lines (local apparent time, or standard time with ck_Etna ticked) and
// substyle line.
void DrawCylEquinoctialParam(shell::Context& ctx);
void DrawCylHourLinesParam(shell::Context& ctx);
void DrawCylSubstyleParam(shell::Context& ctx);

// Declination lines (+-23.45, +-20.01, +-11.501 degrees), Italian hours with the curve they
// touch, Babylonian hours.
void DrawCylDeclinationLinesParam(shell::Context& ctx);
void DrawCylItalianHoursParam(shell::Context& ctx);
void DrawCylBabylonianHoursParam(shell::Context& ctx);

namespace param {

// One generatrix and its tangent plane.
struct Generatrix {
    double theta = 0;
    double A = 0;
    double e = 0;
    double g = 0;
    double w = 0;
    double u = 0;
};

// The generatrix of section angle t for the wall declination D (radians), A (within 0..360
// degrees) and e taken from the tangent plane's face (the sine of e is cos t cos(latitude)); it
// writes no shared cell. Throws numeric::NumericFailure where a quantity cannot be computed.
Generatrix generatrixAt(const shell::Module1& m, double D, double t);

// The height (up from the tip's level) of a curve on the generatrix, none where it has none.
using GeneratrixHeight = std::function<std::optional<double>(const Generatrix& gen)>;

// Lays the curve of these heights over the section angle through a whole turn (the curve
// sampler, from steps of the point step; on a cylinder of more than a metre over the
// generatrices within the plot area's width, no more than the point step of arc apart), on the
// generatrices the tip's shadow can reach; a generatrix whose height cannot be computed has no
// point. Draws the points whose sun stands above the horizon and that keep(sun) accepts
// (layDevelopedCurve). The curve ends where the shadow stops reaching the surface, and at the
// generatrices of `turnEnds` (turns about the axis from the foot's) where its heights cease.
void layGeneratrixCurve(shell::Context& ctx, double D, const GeneratrixHeight& height,
                        const SunKept& keep, numeric::Colour colour,
                        const std::vector<double>& turnEnds = {});

// The generatrices as a sweep of the lines the programmes share (layGeneratrixCurve at the
// heights over each generatrix's offset to the tip, for the folded wall declination).
GeneratrixSweep generatrixSweep(shell::Context& ctx);

}  // namespace param

}  // namespace dials::cylindrical
