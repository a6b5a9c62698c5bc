// The vertical lines that every parabolic dial carries: the generatrix through the vertex of the
// section, the noon generatrix (where the meridian plane through the tip cuts the surface, the
// shadow of the tip at true noon), and a dotted circle round the foot of the style; and the cut of
// a plane through the tip that stands upright, drawn along its generatrices by heights.

#include <cmath>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/parabolic_procedures.h"
#include "dials/plot_line.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawParabolicGeneratrices(shell::Context& ctx, const ParabolicFrame& f) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double H = plot.ShiftY();
    // The noon generatrix stands straight along the axis from the tip: sample X = xt.
    const bool noonKnown = numeric::assignOrSkip(
        m.GeneratrixAbscissa, [&] { return f.A(f.xt + f.u0) - f.Au0; });
    const double vertex = -f.Au0;
    plot.xLine(vertex, -H, vertex, H, shell::LineColor(ctx, 1));
    // A tip behind the surface casts no shadow on it: then there is no noon line either.
    if (noonKnown && f.tipOnDialSide)
        plot.xLine(m.GeneratrixAbscissa, -H, m.GeneratrixAbscissa, H, shell::LineColor(ctx, 4));
}

void DrawParabolicUprightCut(shell::Context& ctx, const ParabolicFrame& f,
                             const Vec3& normal, double from, double to,
                             const std::function<bool(double X, double height)>& keep,
                             numeric::Colour colour) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    // The plot's depth below the tip's level.
    const double depth = -plotBox(plot).bottom;
    if (!standsUpright(normal, depth, m.PointStep)) return;
    for (double height : numeric::StepRange(0, -depth, -m.PointStep)) {
        const numeric::QuadraticRoots X = f.planeAt(normal, height);
        for (const std::optional<double>& x : {X.minus, X.plus})
            numeric::skip([&] {
                if (!x || *x < from || *x > to || !f.lit(*x, height) || !keep(*x, height)) return;
                m.DevelopedAbscissa = f.xi(*x);
                plot.xPset(m.DevelopedAbscissa, -height, colour);
            });
    }
}

void DrawParabolicFootCircle(shell::Context& ctx) {
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour rim = shell::LineColor(ctx, 7);
    constexpr double r2 = 0.01 * 0.01;
    for (double x : numeric::StepRange(-0.5, 0.5, 0.0001)) {
        if (r2 - x * x < 0) continue;
        const double r = numeric::checkedSqrt(r2 - x * x);
        plot.xPset(x, -r, rim);
        plot.xPset(x, r, rim);
    }
    plot.xPset(0, 0, shell::LineColor(ctx, 12));
}

}  // namespace dials::cylindrical
