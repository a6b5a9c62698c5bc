// The centre of the latter projective dial: where the polar style through the tip meets the
// dial, taken from the dial's face. Formed so, it keeps its digits however far off it lies: the
// crossing of two of the auxiliary plane's hour lines, carried onto the dial, divides by a
// difference that vanishes next to a plane holding the polar axis, and by one of huge terms next
// to the level. None on a plane holding the polar axis, whose centre lies at infinity.

#include <optional>

#include "dials/projective/latter_procedures.h"
#include "shell/helpers.h"

namespace dials::projective {

bool ComputeCentreProjLatter(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const std::optional<DialPoint> centre = dialFace(m).centre(m.StyleLength, m.LatRad);
    if (!centre) return false;
    m.CentreX = centre->x;
    m.CentreY = centre->y;
    plotDialPoint(ctx.ixPlot1(), *centre, shell::LineColor(ctx, palette::kLightYellow));
    return true;
}

}  // namespace dials::projective
