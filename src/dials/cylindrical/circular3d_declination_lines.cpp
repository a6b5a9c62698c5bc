// Declination lines of the circular cylinder by 3D analytic geometry: the cone of the sun's
// rays of declination +-d through the style tip, its axis the axis of the world, meets the
// vertical line of the surface at chord x where q2 y^2 + q1 y + q0 = 0; the two roots lie one
// on the line of +d and one on the line of -d, drawn in the pair's colour.

#include <cmath>

#include "dials/cylindrical/circular3d_procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

struct DeclinationPass {
    double declinationDeg;
    int colour;
};

// The month lines are computed a thousandth of a degree off 20 and 11.5.
constexpr DeclinationPass kPasses[] = {{23.45, 12}, {20.001, 13}, {11.501, 11}};

}  // namespace

void DrawCylDeclinationLines3D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const ChordFrame f = ChordFrame::from(m);
    const double sinPhi = std::sin(f.phi), cosPhi = std::cos(f.phi);
    const double sinD = std::sin(f.D), cosD = std::cos(f.D);

    for (const DeclinationPass& pass : kPasses) {
        const double t = std::tan(pass.declinationDeg * m.Pi / 180);
        const double K = 1 / (t * t);  // cot^2 of the declination
        const numeric::Colour colour = shell::LineColor(ctx, pass.colour);
        sweepChord(ctx, [&](double x) {
            if (!f.shadowReaches(x)) return;
            const double w = f.L + f.depth(x);
            const double q2 = cosPhi * cosPhi - K * sinPhi * sinPhi;
            const double q1 = 2 * sinPhi * cosPhi * (1 + K) * (x * sinD - w * cosD);
            const double q0 =
                x * x * (cosD * cosD + sinD * sinD * (sinPhi * sinPhi - K * cosPhi * cosPhi)) +
                w * w * (sinD * sinD + cosD * cosD * (sinPhi * sinPhi - K * cosPhi * cosPhi)) +
                2 * x * sinD * cosD * cosPhi * cosPhi * (1 + K) * w;
            const double delta = q1 * q1 - 4 * q2 * q0;
            if (!(delta >= 0)) return;
            const double root = std::sqrt(delta);
            // Each root on its own: one that cannot be computed leaves the other drawn.
            numeric::skip([&] {
                plotChordPoint(ctx, x, numeric::checkedDiv(-q1 - root, 2 * q2), colour);
            });
            numeric::skip([&] {
                plotChordPoint(ctx, x, numeric::checkedDiv(-q1 + root, 2 * q2), colour);
            });
        });
    }
}

}  // namespace dials::cylindrical
