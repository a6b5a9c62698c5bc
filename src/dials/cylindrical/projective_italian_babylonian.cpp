// The declination lines, Italian and Babylonian hours of the projective cylinder.
//
// Declination lines: on the tangent plane, the conic that the cone of sun rays of declination
// +-delta (apex at the style tip, axis parallel to the earth's) cuts; both of its branches,
// carried onto the cylinder point by point (drawDeclinationLines). Its ordinates are found in the
// form that stays exact where the latitude equals delta (the conic a parabola) and where the
// polar style stands normal to the plane (the equator on a wall facing south or north).
//
// Italian and Babylonian hours: on the tangent plane the cut of a turned horizon's plane through
// the tip is the line through the point where an hour line (hour angles -90 to 90 by 15 degrees,
// in local apparent time) crosses the equinoctial line, tangent to the conic of the suns that
// graze the horizon, the Italian line on one side of the conic and the Babylonian on the other
// (drawTurnedHorizons). It is taken from the plane itself, which holds also at the equator, where
// the conic degenerates, and loses no digits where the polar style stands almost normal to the
// tangent plane. Each line is sampled along the tangent plane's abscissa, as the hour lines are.

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/geometry_names.h"

namespace dials::cylindrical {

void DrawCylProjDeclinationLines(shell::Context& ctx) {
    // The constants are as the dial has always drawn them, a hair off 20 and 11.5 degrees.
    drawDeclinationLines(ctx, tangentAbscissaSweep(ctx), 20.001, 11.5001);
}

// The programme keeps no count of these lines.
void DrawCylProjItalianHours(shell::Context& ctx) {
    double hour = 0;
    drawTurnedHorizons(ctx, tangentAbscissaSweep(ctx), hour, true, -90, ctx.m.Pi / 2);
}

void DrawCylProjBabylonianHours(shell::Context& ctx) {
    double hour = 0;
    drawTurnedHorizons(ctx, tangentAbscissaSweep(ctx), hour, false, -90, -ctx.m.Pi / 2);
}

}  // namespace dials::cylindrical
