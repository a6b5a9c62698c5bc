// The light graph's declination lines. Each pair +-delta is one conic of the wall, the cut of the
// double cone of sun rays through the style tip about the polar axis: its two roots along the
// substyle are the summer and the winter line. At the equator the polar axis is horizontal and
// the cone is written directly in dial coordinates. A point is kept only where the sun of that
// day stands above the horizon (the branches above the horizontal through the tip belong to a
// sun below it); a point whose computation fails is skipped.
//
// North of the equator the conic w^2 + a w + c q^2 + b = 0 of the set-up is taken multiplied by
// T = sin^2 e - k cos^2 e,
//   T w^2 - 2 L tan(e) w + q^2 + (L / cos e)^2 = 0,
// so that it stays exact where T is 0 or nearly so (the line of a declination equal to the
// latitude on a wall facing due south, a parabola) and its roots are taken without cancellation.

#include <array>
#include <cmath>

#include "dials/vertical2d/light_graph_procedures.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

using light::sq;
using numeric::checkedDiv;

struct DeclinationPair {
    double k;  // 1 / tan^2 of the declination
    int colour;
};

std::array<DeclinationPair, 3> pairsOf(const shell::Module1& m) {
    return {{{m.ConeCoef2345, 12}, {m.SetupTemp1, 13}, {m.ConeTemp, 11}}};
}

// North of the equator: for each q across the substyle the two roots w of the conic, in the
// order w = -a / 2 + sqrt(D), then -a / 2 - sqrt(D), of the set-up's form.
void drawConics(shell::Context& ctx, const std::array<DeclinationPair, 3>& pairs) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const light::SubstyleFrame f = light::SubstyleFrame::from(m);
    const double linear = -2 * f.L * std::tan(f.e);
    const double constant = sq(f.L / std::cos(f.e));
    std::array<numeric::Colour, 3> colours{};
    std::array<double, 3> T{};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        colours[i] = shell::LineColor(ctx, pairs[i].colour);
        T[i] = sq(std::sin(f.e)) - pairs[i].k * sq(std::cos(f.e));
    }
    for (double u : numeric::StepRange(-2, 2, m.PointStep)) {
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const double c = u * u + constant;
            const double discriminant = sq(linear) - 4 * T[i] * c;
            if (!std::isfinite(discriminant) || discriminant < 0) continue;
            const double root = std::sqrt(discriminant);
            // The roots as half / T and c / half; the set-up's first root is
            // (-linear + sgn(T) root) / 2T.
            const double half = -(linear + (linear < 0 ? -root : root)) / 2;
            const bool firstIsHalf = (linear < 0) != (T[i] < 0);
            for (bool useHalf : {firstIsHalf, !firstIsHalf}) {
                const auto p = light::solvePoint([&] {
                    const double w = useHalf ? checkedDiv(half, T[i]) : checkedDiv(c, half);
                    return f.toDial(w - f.P, u);
                });
                if (p) plotSunlitPoint(plot, *p, colours[i]);
            }
        }
    }
}

// At the equator: y^2 = k (L cos D - x sin D)^2 - (L sin D + x cos D)^2, from the angle between
// the polar axis (horizontal, towards the north) and the line from a dial point to the style
// tip. The lines of a pair lie symmetric about the horizontal through the style foot; the sun
// stands above the horizon on their lower halves.
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
            plotSunlitPoint(plot, {t, -std::sqrt(F[i])}, colours[i]);
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
