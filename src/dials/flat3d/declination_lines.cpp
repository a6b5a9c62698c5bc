// Declination lines: the intersection of the dial plane with the double cone of sun rays through
// the style tip around the polar axis, K (d.p)^2 = |d|^2 - (d.p)^2 with K = 1 / tan^2(delta).
// Its two nappes are the lines of +delta and -delta, so one quadratic gives both lines of a pair.
// No test is made of the sun being up or in front of the plane: every real point is sent.

#include <array>
#include <cmath>

#include "dials/flat3d/plane.h"
#include "dials/flat3d/procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::flat3d {

namespace {

using numeric::checkedDiv;

struct ConePair {
    double K;
    int colour;
};

std::array<ConePair, 3> conePairs(const shell::Module1& m) {
    return {{{m.ConeCoef2345, 12}, {m.ConeCoef20, 13}, {m.ConeCoef115, 11}}};
}

struct Quadratic {
    double a, b, c;
};

// Plots the points of the real roots of a r^2 + b r + c = 0, the larger root first; toPoint
// turns a root into its dial point. A negative discriminant gives no point.
template <class ToPoint>
void plotRoots(plot::PlotSurface& plot, numeric::Colour colour, const Quadratic& q,
               ToPoint&& toPoint) {
    double discriminant = 0;
    if (!numeric::assignOrSkip(discriminant, [&] {
            return numeric::checkFinite(q.b * q.b - 4 * q.a * q.c);
        }))
        return;
    if (discriminant < 0) return;
    const double root = std::sqrt(discriminant);
    for (double sign : {1.0, -1.0}) {
        plotSolvedPoint(plot, colour,
                        [&] { return toPoint(checkedDiv(-q.b + sign * root, 2 * q.a)); });
    }
}

// Both variables draw the three pairs alike: the tip's coordinates are saved for the technical
// data; for each value t of the free variable (-1 to 1 by 0.002) and each cone pair, the roots
// of quadraticAt(t, K) become the dial points pointAt(t, root); then the eccentricities are kept.
template <class QuadraticAt, class PointAt>
void drawConePairs(shell::Context& ctx, QuadraticAt&& quadraticAt, PointAt&& pointAt) {
    shell::Module1& m = ctx.m;
    m.PlaneCoefSaveY = m.PlaneCoefY;
    m.PlaneCoefSaveZ = m.PlaneCoefZ;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const auto pairs = conePairs(m);
    std::array<numeric::Colour, 3> colours{};
    for (std::size_t i = 0; i < pairs.size(); ++i)
        colours[i] = shell::LineColor(ctx, pairs[i].colour);

    for (double t : numeric::StepRange(-1, 1, 0.002)) {
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            plotRoots(plot, colours[i], quadraticAt(t, pairs[i].K),
                      [&](double root) { return pointAt(t, root); });
        }
    }
    storeDeclinationEccentricities(m);
}

}  // namespace

void DrawDeclinationLinesX(shell::Context& ctx) {
    const PlaneGeometry g = PlaneGeometry::from(ctx.m);
    const double X0 = g.X0, Y0 = g.Y0, Z0 = g.Z0;
    const double sf = std::sin(g.phi), cf = std::cos(g.phi);
    const double sinD = std::sin(g.D), cosD = std::cos(g.D), tanR = std::tan(g.R);
    drawConePairs(
        ctx,
        [&](double x, double K) {
            const double A1 = cf * cf - K * sf * sf;
            const double A2 = sf * sf - K * cf * cf;
            const double W = x * sinD + Y0 * cosD;
            return Quadratic{
                cosD * cosD * A1 + tanR * tanR * A2 - 2 * cosD * tanR * (1 + K) * sf * cf,
                -2 * Z0 * cosD * cosD * A1 + 2 * sf * cf * cosD * (1 + K) * W +
                    2 * cosD * tanR * Z0 * (1 + K) * sf * cf - 2 * tanR * A2 * W,
                cosD * cosD * A1 * Z0 * Z0 -
                    2 * cosD * (x * Z0 * sinD + Y0 * Z0 * cosD) * (1 + K) * sf * cf +
                    A2 * W * W + (x - X0) * (x - X0) * cosD * cosD};
        },
        [&](double x, double Z) { return g.fromX(x, Z); });
}

void DrawDeclinationLinesY(shell::Context& ctx) {
    const PlaneGeometry g = PlaneGeometry::from(ctx.m);
    const double X0 = g.X0, Y0 = g.Y0, Z0 = g.Z0;
    const double sf = std::sin(g.phi), cf = std::cos(g.phi);
    const double sinD = std::sin(g.D), cosD = std::cos(g.D), tanR = std::tan(g.R);
    // The roots are heights above the style tip, r = Z - Z0.
    drawConePairs(
        ctx,
        [&](double y, double K) {
            const double across = y * cosD + X0 * sinD;
            return Quadratic{
                sinD * sinD * (cf * cf - K * sf * sf) + tanR * tanR,
                2 * (Z0 * tanR * tanR - tanR * across -
                     sinD * sinD * sf * cf * (y - Y0) * (1 + K)),
                tanR * tanR * Z0 * Z0 + y * y * cosD * cosD + X0 * X0 * sinD * sinD -
                    2 * Z0 * tanR * across + 2 * X0 * y * sinD * cosD +
                    sinD * sinD * (y - Y0) * (y - Y0) * (sf * sf - K * cf * cf)};
        },
        [&](double y, double r) { return g.fromY(y, r + Z0); });
}

}  // namespace dials::flat3d
