// The horizon through the foot of the style, across the plot's width, and the mark of the style's
// foot at the origin of the unrolled dial: a filled circle of 1 cm and its centre, drawn as one
// circle or point by point.

#include "dials/cylindrical/cyl_shared.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

constexpr double kFootRadius = 0.01;

}  // namespace

// The circle as 402 points, lower and upper half at each abscissa, then the centre.
void DrawStyleFootPoints(shell::Context& ctx) {
    plot::PlotSurface& plot = ctx.ixPlot1();
    for (double x : numeric::StepRange(-kFootRadius, kFootRadius, 0.0001)) {
        numeric::skip([&] {
            const double h = numeric::checkedSqrt(kFootRadius * kFootRadius - x * x);
            plot.xPset(x, -h, shell::LineColor(ctx, palette::kLightGrey));
            plot.xPset(x, h, shell::LineColor(ctx, palette::kLightGrey));
        });
    }
    plot.xPset(0, 0, shell::LineColor(ctx, palette::kLightRed));
}

void DrawCylHorizonLine(shell::Context& ctx) {
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.xLine(-plot.ShiftX(), 0, plot.ShiftX(), 0, shell::LineColor(ctx, palette::kGreen));
}

void DrawStyleFootCircle(shell::Context& ctx) {
    plot::PlotSurface& plot = ctx.ixPlot1();
    if (markInTheArea(plot, 0, 0))
        plot.xCircle(0, 0, kFootRadius, shell::LineColor(ctx, palette::kLightGrey),
                     shell::LineColor(ctx, palette::kLightGrey));
    plot.xPset(0, 0, shell::LineColor(ctx, palette::kLightRed));
}

}  // namespace dials::cylindrical
