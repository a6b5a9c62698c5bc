// Declination lines: for each pair +-delta (23.45, 20 and 11.5 degrees) the conic that the cone
// of sun rays around the polar style cuts on the wall, swept across a fixed band of x and solved
// for y; every real solution is a point. Away from the equator the conic is taken in the frame of
// the substyle (u along it towards the centre, v across it, w = u + L tan e from the equinoctial):
//   T w^2 + v^2 - 2 L tan(e) w + (L / cos e)^2 = 0,   T = sin^2 e - cot^2(delta) cos^2 e,
// which is the set-up's conic multiplied by T, so that a pair whose line is a parabola (T = 0) is
// drawn too. On the equator the polar axis is horizontal and the cone is written directly. A point
// is drawn only where the sun of that day stands above the horizon.

#include <array>
#include <cmath>

#include "dials/vertical2d/vertical2d_geometry.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

using numeric::checkedDiv;
using numeric::checkFinite;

struct Pair {
    double coneCoef;  // 1 / tan^2(delta)
    int colour;
};

std::array<Pair, 3> pairsOf(const shell::Module1& m) {
    return {{{m.ConeCoef2345, 12}, {m.SetupTemp1, 13}, {m.ConeTemp, 11}}};
}

// The conic of one pair, with the parts that do not depend on x.
struct PairConic {
    double T = 0;        // sin^2 e - k cos^2 e
    double linear = 0;   // -2 L tan e
    double constant = 0; // (L / cos e)^2
    bool valid = false;
};

PairConic conicOf(const shell::Module1& m, double coneCoef) {
    PairConic c;
    const double e = m.StyleElevRad;
    c.valid = numeric::skip([&] {
        c.T = checkFinite(std::sin(e) * std::sin(e) - coneCoef * std::cos(e) * std::cos(e));
        c.linear = checkFinite(-2 * m.StyleLength * std::tan(e));
        const double r = checkedDiv(m.StyleLength, std::cos(e));
        c.constant = checkFinite(r * r);
    });
    return c;
}

void drawGeneral(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double s = std::sin(m.SubstyleRad), k = std::cos(m.SubstyleRad);
    const double P = m.PlaneCoefY;
    const auto pairs = pairsOf(m);
    std::array<PairConic, 3> conics;
    std::array<numeric::Colour, 3> colours{};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        conics[i] = conicOf(m, pairs[i].coneCoef);
        colours[i] = shell::LineColor(ctx, pairs[i].colour);
    }

    for (double x : numeric::StepRange(-1.953, 1.953, 0.0012)) {
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const PairConic& c = conics[i];
            if (!c.valid) continue;
            // a y^2 + b y + cc = 0, with w = x s + y k + P and v = x k - y s.
            double a = 0, b = 0, cc = 0, root = 0;
            const bool ok = numeric::skip([&] {
                a = checkFinite(c.T * k * k + s * s);
                b = checkFinite(c.T * (2 * P * k + 2 * x * k * s) - 2 * x * k * s + c.linear * k);
                cc = checkFinite(c.T * (s * s * x * x + 2 * P * x * s + P * P) + x * x * k * k +
                                 c.linear * (x * s + P) + c.constant);
                const double discriminant = checkFinite(b * b - 4 * a * cc);
                if (discriminant < 0) numeric::fail(numeric::FailureKind::NegativeSqrt);
                root = std::sqrt(discriminant);
            });
            if (!ok) continue;
            // The two roots without cancellation: q / a and cc / q. The set-up's conic is this one
            // divided by T, so its first root (-b - root) / 2a is here (-b - sgn(T) root) / 2a.
            const double q = -(b + (b < 0 ? -root : root)) / 2;
            double first = 0, second = 0;
            const bool firstIsQ = (b >= 0) == (c.T >= 0);
            const bool haveQ = numeric::assignOrSkip(firstIsQ ? first : second,
                                                     [&] { return checkedDiv(q, a); });
            const bool haveC = numeric::assignOrSkip(firstIsQ ? second : first,
                                                     [&] { return checkedDiv(cc, q); });
            const bool haveFirst = firstIsQ ? haveQ : haveC;
            const bool haveSecond = firstIsQ ? haveC : haveQ;
            if (haveFirst) m.ConicTemp1 = first;
            if (haveSecond) m.ConicTemp2 = second;
            if (haveFirst) plotSunlitPoint(plot, {x, first}, colours[i]);
            if (haveSecond) plotSunlitPoint(plot, {x, second}, colours[i]);
        }
    }
}

void drawEquator(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double D = m.WallDeclRad, L = m.StyleLength;
    if (m.DeclDecimal == 0 || std::fabs(m.DeclDecimal) == 180) m.AnalemmaFlag = 0;
    const numeric::Colour c23 = shell::LineColor(ctx, 12);
    const numeric::Colour c20 = shell::LineColor(ctx, 13);
    const numeric::Colour c11 = shell::LineColor(ctx, 11);

    for (double x : numeric::StepRange(-1, 1, 0.001)) {
        // y^2 = Q(x): the distance along the polar axis scaled by the cone, less the distance
        // across it in the horizontal plane.
        const double along = x * std::sin(D) + L * std::cos(D);
        const double across = x * std::cos(D) - L * std::sin(D);
        auto Q = [&](double coneCoef) { return coneCoef * along * along - across * across; };
        const double q23 = Q(m.ConeCoef2345), q20 = Q(m.SetupTemp1), q11 = Q(m.ConeTemp);
        if (!std::isfinite(q23) || !std::isfinite(q20) || !std::isfinite(q11)) continue;
        // Q23 >= 0 implies Q20 >= 0, which implies Q11 >= 0.
        // Of each pair, symmetric about the horizon, only the lower half is sunlit.
        if (q11 < 0) continue;
        if (q20 >= 0) {
            if (q23 >= 0) plotSunlitPoint(plot, {x, -std::sqrt(q23)}, c23);
            plotSunlitPoint(plot, {x, -std::sqrt(q20)}, c20);
        }
        plotSunlitPoint(plot, {x, -std::sqrt(q11)}, c11);
    }
}

}  // namespace

void DrawDeclinationLinesVert2D(shell::Context& ctx) {
    if (ctx.m.LatDecimal != 0)
        drawGeneral(ctx);
    else
        drawEquator(ctx);
}

}  // namespace dials::vertical2d
