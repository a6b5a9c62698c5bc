// The declination lines of the latter projective dial: the conics that the cones of sun rays of
// +-23.45, +-20 and +-11.5 degrees cut from the auxiliary plane, solved for w as functions of u
// and carried onto the dial, each root laid by the shared curve sampler over every u, through
// the point at infinity. Where a conic does not
// reach a value of u its pair gets no point there; a point whose computation fails is not drawn,
// and neither is a point whose shadow only a sun below the horizon would cast. The conics are
// solved scaled by T, so that they stay exact where the latitude equals a line's declination (a
// parabola) and near it.

#include <optional>

#include "dials/cone_sections.h"
#include "dials/plot_curve.h"
#include "dials/plot_line.h"
#include "dials/projective/latter_procedures.h"
#include "dials/projective/projective_sweep.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "dials/projective/projective_conic.h"
#include "shell/helpers.h"

namespace dials::projective {

void DrawDeclinationLinesProjLatter(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const latter::AuxFrame f = latter::AuxFrame::from(m);

    // Each root is a curve of its own, laid by the shared sampler: it ends where the pair stops
    // reaching a value of u, and runs steeply against u near there and where the projection
    // stretches it.
    const PlotBox box = plotBox(plot);
    for (const ConeLinePair& pair : declinationLinePairs(ctx)) {
        const ScaledConic k = latter::scaledConic(m.Pi * pair.degrees / 180, f.B, f.H);
        // w1 = -a / 2 + root first, then w2 = -a / 2 - root.
        for (const bool plus : {true, false}) {
            // Nothing where this pair does not reach u; its turn within a step of the sweep past
            // its end.
            const CurveAt root = [&](double u) -> std::optional<DialPoint> {
                const auto w = conicRootToTheTurn(k, u, 0.005, plus);
                if (!w) return std::nullopt;
                return solvePoint([&] { return f.fromUW(w->at, w->root); });
            };
            // The abscissa u = 1 / s: (1, W) = s (u, w), and s v = W - s W0.
            const CurveAt far = [&](double s) -> std::optional<DialPoint> {
                const auto W = conicRootAtReciprocal(k, s, 0.005, plus);
                if (!W) return std::nullopt;
                return solvePoint(
                    [&] { return f.fromSubstyle(1, W->root - f.W0 * W->at, W->at); });
            };
            laySweepThroughInfinity(root, far, kSweepHalf, 0.005, box,
                                    [&](double, const DialPoint& p) {
                                        if (latter::sunAboveHorizon(m, p))
                                            plotDialPoint(plot, p, pair.colour);
                                    },
                                    {}, {}, conicTurns(k));
        }
    }
}

}  // namespace dials::projective
