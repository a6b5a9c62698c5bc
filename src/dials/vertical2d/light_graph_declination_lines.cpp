// The light graph's declination lines. Each pair +-delta is one conic of the wall, the cut of the
// double cone of sun rays through the style tip about the polar axis: its two roots along the
// substyle are the summer and the winter line. At the equator the polar axis is horizontal and
// the cone is written directly in dial coordinates. A point whose computation fails is skipped.

#include <array>
#include <cmath>

#include "dials/vertical2d/light_graph_procedures.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

using light::sq;
using numeric::checkedSqrt;

struct DeclinationPair {
    double a, b, c;  // the conic w^2 + a w + c q^2 + b = 0
    double k;        // 1 / tan^2 of the declination
    int colour;
};

std::array<DeclinationPair, 3> pairsOf(const shell::Module1& m) {
    return {{{m.AsymCoefA, m.ConicB2345, m.ConicC2345, m.ConeCoef2345, 12},
             {m.ConicA20, m.ConicB20, m.ConicC20, m.SetupTemp1, 13},
             {m.ConicA115, m.ConicB115, m.ConicC115, m.ConeTemp, 11}}};
}

// North of the equator: for each q across the substyle the two roots w of the conic.
void drawConics(shell::Context& ctx, const std::array<DeclinationPair, 3>& pairs) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const light::SubstyleFrame f = light::SubstyleFrame::from(m);
    std::array<numeric::Colour, 3> colours{};
    for (std::size_t i = 0; i < pairs.size(); ++i)
        colours[i] = shell::LineColor(ctx, pairs[i].colour);
    for (double u : numeric::StepRange(-2, 2, m.PointStep)) {
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const DeclinationPair& p = pairs[i];
            const double delta = sq(p.a) / 4 - p.b - p.c * sq(u);
            if (!std::isfinite(delta) || delta < 0) continue;
            for (double sign : {1.0, -1.0}) {
                light::plotSolvedPoint(plot, colours[i], [&] {
                    const double w = -p.a / 2 + sign * checkedSqrt(delta);
                    return f.toDial(w - f.P, u);
                });
            }
        }
    }
}

// At the equator: y^2 = k (L cos D - x sin D)^2 - (L sin D + x cos D)^2, from the angle between
// the polar axis (horizontal, towards the north) and the line from a dial point to the style
// tip. The lines of a pair lie symmetric about the horizontal through the style foot.
void drawEquatorCones(shell::Context& ctx, const std::array<DeclinationPair, 3>& pairs) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double L = m.StyleLength;
    const double sinD = std::sin(m.WallDeclRad), cosD = std::cos(m.WallDeclRad);
    std::array<numeric::Colour, 3> colours{};
    for (std::size_t i = 0; i < pairs.size(); ++i)
        colours[i] = shell::LineColor(ctx, pairs[i].colour);
    for (double t : numeric::StepRange(-1, 1, 0.01)) {
        std::array<double, 3> F{};
        bool ok = true;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            F[i] = pairs[i].k * sq(L * cosD - t * sinD) - sq(L * sinD + t * cosD);
            ok = ok && std::isfinite(F[i]);
        }
        if (!ok) continue;
        // F grows with k: where the 11.5 degree line has no point, the 20 and 23.45 degree
        // lines have none either.
        auto plotPair = [&](std::size_t i) {
            const double y = std::sqrt(F[i]);
            plot.xPset(t, -y, colours[i]);
            plot.xPset(t, y, colours[i]);
        };
        if (F[2] >= 0) {
            if (F[1] >= 0) {
                if (F[0] >= 0) plotPair(0);
                plotPair(1);
            }
            plotPair(2);
        }
    }
}

}  // namespace

void DrawDeclinationLinesLight(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.PlaneCoefY = m.StyleLength * std::tan(m.StyleElevRad);
    const auto pairs = pairsOf(m);
    if (m.LatDegrees > 0) drawConics(ctx, pairs);
    if (m.LatDegrees == 0) drawEquatorCones(ctx, pairs);
}

}  // namespace dials::vertical2d
