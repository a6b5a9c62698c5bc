// The declination lines of the latter projective dial: the conics that the cones of sun rays of
// +-23.45, +-20 and +-11.5 degrees cut from the auxiliary plane, solved for w along a sweep of u
// and carried onto the dial. Where a conic does not reach a value of u its pair gets no point
// there; a point whose computation fails is not drawn, and neither is a point whose shadow only
// a sun below the horizon would cast. The conics are solved scaled by T, so that they stay exact
// where the latitude equals a line's declination (a parabola) and near it.

#include "dials/projective/latter_procedures.h"
#include "dials/sky.h"
#include "dials/projective/projective_conic.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

void DrawDeclinationLinesProjLatter(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const latter::AuxFrame f = latter::AuxFrame::from(m);
    const struct {
        latter::ScaledConic conic;
        int colour;
    } lines[] = {
        {latter::scaledConic(m.Pi * kSolsticeDeg / 180, f.B, f.H), 12},
        {latter::scaledConic(m.Pi * 20.0 / 180, f.B, f.H), 13},
        {latter::scaledConic(m.Pi * 11.5 / 180, f.B, f.H), 11},
    };
    numeric::Colour colours[3];
    for (int i = 0; i < 3; ++i) colours[i] = shell::LineColor(ctx, lines[i].colour);

    for (double u : numeric::StepRange(-m.XLoopHalf, m.XLoopHalf, 0.005)) {
        for (int i = 0; i < 3; ++i) {
            const latter::ScaledConic& k = lines[i].conic;
            const auto w = conicRoots(k.T, k.b, k.c + u * u, k.discriminant(u));
            if (!w) continue;
            // w1 = -a / 2 + root first, then w2 = -a / 2 - root.
            for (const auto& root : {w->plus, w->minus}) {
                if (!root) continue;
                const auto p = latter::solvePoint([&] { return f.fromUW(u, *root); });
                if (p && latter::sunAboveHorizon(m, *p)) latter::plotDialPoint(plot, *p, colours[i]);
            }
        }
    }
}

}  // namespace dials::projective
