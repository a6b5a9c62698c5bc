// The declination lines of the latter projective dial: the conics that the cones of sun rays of
// +-23.45, +-20 and +-11.5 degrees cut from the auxiliary plane, solved for w along a sweep of u
// and carried onto the dial. Where a conic does not reach a value of u its pair gets no point
// there; a point whose computation fails is not drawn.

#include <cmath>

#include "dials/projective/latter_procedures.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::projective {

void DrawDeclinationLinesProjLatter(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const latter::AuxFrame f = latter::AuxFrame::from(m);
    const struct {
        double a, b, c;
        int colour;
    } conics[] = {
        {m.ConicA2345, m.ConicB2345, m.ConicC2345, 12},
        {m.ConicA20, m.ConicB20, m.ConicC20, 13},
        {m.ConicA115, m.ConicB115, m.ConicC115, 11},
    };
    numeric::Colour colours[3];
    for (int i = 0; i < 3; ++i) colours[i] = shell::LineColor(ctx, conics[i].colour);

    for (double u : numeric::StepRange(-m.XLoopHalf, m.XLoopHalf, 0.005)) {
        for (int i = 0; i < 3; ++i) {
            const auto& k = conics[i];
            // w^2 + a w + b + c u^2 = 0.
            const double r = k.a * k.a / 4 - k.b - k.c * u * u;
            if (!(r >= 0)) continue;
            const double root = std::sqrt(r);
            const auto p1 = latter::solvePoint([&] { return f.fromUW(u, -k.a / 2 + root); });
            const auto p2 = latter::solvePoint([&] { return f.fromUW(u, -k.a / 2 - root); });
            if (p1) latter::plotDialPoint(plot, *p1, colours[i]);
            if (p2) latter::plotDialPoint(plot, *p2, colours[i]);
        }
    }
}

}  // namespace dials::projective
