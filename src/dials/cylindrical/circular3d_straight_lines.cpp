// The equinoctial and substyle lines of the circular cylinder by 3D analytic geometry.
//
// Equinoctial: the plane of the equator through the style tip cut by the cylinder.
// Substyle: the plane through the tip that holds the polar axis and the surface's normal at the
// foot; since that plane contains the normal, its cut at chord x has the height of the
// tangent plane's substyle line, -x tan(phi) / sin D, whatever the depth.

#include <cmath>

#include "dials/cylindrical/circular3d_procedures.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawCylEquinoctialLine3D(shell::Context& ctx) {
    const ChordFrame f = ChordFrame::from(ctx.m);
    const numeric::Colour colour = shell::LineColor(ctx, 9);
    const double sinD = std::sin(f.D), cosD = std::cos(f.D), tanPhi = std::tan(f.phi);
    sweepChord(ctx, [&](double x) {
        if (!f.shadowReaches(x)) return;
        const double y =
            numeric::checkedDiv(sinD * x - cosD * f.depth(x) - f.L * cosD, tanPhi);
        plotChordPoint(ctx, x, y, colour);
    });
}

void DrawCylSubstyleLine3D(shell::Context& ctx) {
    const ChordFrame f = ChordFrame::from(ctx.m);
    const numeric::Colour colour = shell::LineColor(ctx, 9);
    const double sinD = std::sin(f.D), tanPhi = std::tan(f.phi);
    sweepChord(ctx, [&](double x) {
        if (!f.shadowReaches(x)) return;
        plotChordPoint(ctx, x, numeric::checkedDiv(-x * tanPhi, sinD), colour);
    });
}

}  // namespace dials::cylindrical
