// Declination lines of the circular cylinder by spherical trigonometry: the path of the tip's
// shadow on days of fixed declination, each from its sunrise to its sunset (round the clock
// where the sun does not set), laid by the curve sampler. The parts where the shadow ray misses
// the section or (convex) lies beyond the convex limit are dropped by the projection.

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/cyl_spherical_procedures.h"
#include "dials/geometry_names.h"

namespace dials::cylindrical {

void DrawCylSphDeclLinesSouth(shell::Context& ctx) {
    for (const DeclinationLine line : {DeclinationLine{-kInnerSolsticeFineDeg, palette::kLightRed},
                                       {-20.001, palette::kLightMagenta},
                                       {-11.5001, palette::kLightCyan}})
        layCylSphDay(ctx, line.degrees * ctx.m.Pi / 180, line.colour);
}

void DrawCylSphDeclLinesNorth(shell::Context& ctx) {
    for (const DeclinationLine line : {DeclinationLine{kInnerSolsticeFineDeg, palette::kLightRed},
                                       {20.01, palette::kLightMagenta},
                                       {11.501, palette::kLightCyan}})
        layCylSphDay(ctx, line.degrees * ctx.m.Pi / 180, line.colour);
}

}  // namespace dials::cylindrical
