// Declination lines of the circular cylinder by spherical trigonometry: the path of the tip's
// shadow on days of fixed declination, hour angles -120 to 120 degrees, each a run of separate
// points. The parts where the sun is below the horizon, where the shadow ray misses the section
// or (convex) lies beyond the convex limit are dropped by the projection.

#include "dials/cylindrical/cyl_spherical_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/step_loop.h"

namespace dials::cylindrical {

namespace {

struct DeclLine {
    double declination;  // degrees
    int colour;
};

void drawDeclLine(shell::Context& ctx, const DeclLine& line) {
    shell::Module1& m = ctx.m;
    for (double H : numeric::StepRange(-120, 120, 0.05)) {
        m.SunDecl = line.declination;
        PlotCylSphSun(ctx, H * m.Pi / 180, m.SunDecl * m.Pi / 180, line.colour);
    }
}

}  // namespace

void DrawCylSphDeclLinesSouth(shell::Context& ctx) {
    SetCylSphSide(ctx);
    for (const DeclLine line :
         {DeclLine{-kInnerSolsticeFineDeg, 12}, {-20.001, 13}, {-11.5001, 11}})
        drawDeclLine(ctx, line);
}

void DrawCylSphDeclLinesNorth(shell::Context& ctx) {
    SetCylSphSide(ctx);
    for (const DeclLine line : {DeclLine{kInnerSolsticeFineDeg, 12}, {20.01, 13}, {11.501, 11}})
        drawDeclLine(ctx, line);
}

}  // namespace dials::cylindrical
