// The vertical lines that every parabolic dial carries: the generatrix through the vertex of the
// section, the noon generatrix (where the meridian plane through the tip cuts the surface, the
// shadow of the tip at true noon, over the heights the noon shadows of the year reach), and a
// dotted circle round the foot of the style; the laying of a curve over the samples of the
// section, and the cut of a plane through the tip that stands upright, laid by heights.

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/parabolic_procedures.h"
#include "dials/plot_curve.h"
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
    xLineNearTheFoot(plot, vertex, -H, vertex, H, shell::LineColor(ctx, palette::kBlue));
    // A tip behind the surface casts no shadow on it: then there is no noon line either. The
    // noon shadows fall north of the tip, TipOffset from it, from the noon sun south of the
    // zenith; a sun north of it casts its shadow away from the surface.
    if (noonKnown && f.tipOnDialSide)
        DrawNoonCut(ctx, m.GeneratrixAbscissa, m.TipOffset, true, false);
}

GeneratrixSweep parabolicSweep(shell::Context& ctx, const ParabolicFrame& f, double from,
                               double to) {
    GeneratrixSweep sweep;
    sweep.lay = [&ctx, f, from, to](const HeightAtOffset& height, const SunKept& keep,
                                    numeric::Colour colour, const std::vector<double>& ends) {
        const double step = ctx.m.PointStep;
        CurveRange range{from, to, step};
        range.ends = f.reachLimits();
        range.ends.insert(range.ends.end(), ends.begin(), ends.end());
        // A point no real sun of the line casts is no point of the curve: its ends there are
        // laid as any other.
        plotCurve(
            ctx.ixPlot1(), colour,
            [&](double X) -> std::optional<DialPoint> {
                if (!f.reaches(X)) return std::nullopt;
                const std::optional<double> z = height(f.towardsTip(X, 0));
                if (!z || !f.lit(X, *z) || !keep(f.towardsTip(X, *z))) return std::nullopt;
                return DialPoint{f.xi(X), *z};
            },
            range, step);
    };
    sweep.sunEnds = [f](const std::vector<Vec3>& suns) { return f.shadowSamples(suns); };
    sweep.coneTouchingEnds = [f](double delta) { return f.coneTouchingSamples(delta); };
    return sweep;
}

void DrawParabolicUprightCut(shell::Context& ctx, const ParabolicFrame& f,
                             const Vec3& normal, double from, double to,
                             numeric::Colour colour) {
    if (!standsUpright(normal)) return;
    const double step = ctx.m.PointStep;
    // The plot's depth below the tip's level.
    const double depth = -plotBox(ctx.ixPlot1()).bottom;
    // Each root of the plane's quadratic over the samples a curve of its own, by heights.
    for (const bool minus : {true, false}) {
        auto sampleAt = [&](double height) -> std::optional<double> {
            const numeric::QuadraticRoots X = f.planeAt(normal, height);
            const std::optional<double> x = minus ? X.minus : X.plus;
            if (!x || *x < from || *x > to || !f.reaches(*x)) return std::nullopt;
            return x;
        };
        plotCurve(
            ctx.ixPlot1(), colour,
            [&](double height) -> std::optional<DialPoint> {
                const std::optional<double> x = sampleAt(height);
                if (!x || !f.lit(*x, height)) return std::nullopt;
                return DialPoint{f.xi(*x), height};
            },
            {0, -depth, -step, false}, step);
    }
}

void DrawParabolicFootCircle(shell::Context& ctx) {
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour rim = shell::LineColor(ctx, palette::kLightGrey);
    constexpr double r2 = 0.01 * 0.01;
    for (double x : numeric::StepRange(-0.5, 0.5, 0.0001)) {
        if (r2 - x * x < 0) continue;
        const double r = numeric::checkedSqrt(r2 - x * x);
        plot.xPset(x, -r, rim);
        plot.xPset(x, r, rim);
    }
    plot.xPset(0, 0, shell::LineColor(ctx, palette::kLightRed));
}

}  // namespace dials::cylindrical
