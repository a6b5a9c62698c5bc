// Set-up of the parametric cylinder, and its noon generatrix.

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/param_procedures.h"
#include "dials/geometry_names.h"

namespace dials::cylindrical {

void SetCylParam(shell::Module1& m) { m.CylParam = -m.Radius * m.SideSign; }

void DrawCylNoonLineParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    // Where the meridian plane through the tip cuts the cylinder on the side the noon sun's
    // shadow reaches (two generatrices on a concave dial in the tropics).
    const std::optional<double> x = DrawNoonGeneratrices(ctx, noonShadowCuts(m), true);
    if (x) m.GeneratrixAbscissa = *x;
}

}  // namespace dials::cylindrical
