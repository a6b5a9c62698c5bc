// Declination lines of the circular cylinder by 3D analytic geometry: the cone of the sun's
// rays of declination +-d through the style tip, its axis the axis of the world, meets the
// vertical line of the surface at chord x at two heights, one on the line of +d and one on the
// line of -d, drawn in the pair's colour (CylinderShadow::coneCrossings, exact also at the
// latitude d, where the vertical lies on the cone and one of them runs off to infinity). Each
// root is laid as a curve of its own; where the two meet, the line turns back across the chord:
// the generatrices of those turns are known (CylinderShadow::coneTouchingTurns), and the curve
// sampler lays each root up to them.

#include <cmath>

#include "dials/cylindrical/circular3d_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

struct DeclinationPass {
    double declinationDeg;
    int colour;
};

// The month lines are computed a thousandth of a degree off 20 and 11.5.
constexpr DeclinationPass kPasses[] = {{kSolsticeDeg, 12}, {20.001, 13}, {11.501, 11}};

}  // namespace

void DrawCylDeclinationLines3D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const ChordFrame f = ChordFrame::from(m);
    const CylinderShadow shadow = CylinderShadow::from(m);

    for (const DeclinationPass& pass : kPasses) {
        const double delta = pass.declinationDeg * m.Pi / 180;
        const numeric::Colour colour = shell::LineColor(ctx, pass.colour);
        // Each root a curve of its own: one that cannot be computed leaves the other drawn.
        // Both end where they meet, and where the sun rises and sets.
        std::vector<double> turns = shadow.coneTouchingTurns(delta, m.Pi);
        const std::vector<double> risings =
            shadow.shadowTurns(risingAndSettingSuns(f.phi, delta), m.Pi);
        turns.insert(turns.end(), risings.begin(), risings.end());
        for (const bool minus : {true, false})
            layChordCurve(
                ctx,
                [&](double x) {
                    const numeric::QuadraticRoots heights =
                        shadow.coneCrossings(f.towardsTip(x, 0), delta);
                    return minus ? heights.minus : heights.plus;
                },
                everySunKept, colour, turns);
    }
}

}  // namespace dials::cylindrical
