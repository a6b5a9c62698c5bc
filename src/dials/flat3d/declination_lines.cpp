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

// The eccentricities of the three conics, kept for the technical data.
void storeEccentricities(shell::Module1& m) {
    const PlaneGeometry g = PlaneGeometry::from(m);
    // The sine of the style elevation: +-1 on a plane perpendicular to the polar axis, where
    // rounding may overshoot it (the conics are then circles, of eccentricity 0).
    const double c = clampRoundedSine(
        (std::cos(g.phi) * std::cos(g.D) - std::sin(g.phi) * std::tan(g.R)) * std::cos(g.R));
    auto store = [&](double& target, double degrees) {
        numeric::assignOrSkip(target, [&] {
            return checkedDiv(numeric::checkedSqrt(1 - c * c),
                              std::sin(degrees * m.Pi / 180));
        });
    };
    store(m.ZodiacLimit2345, 23.45);
    store(m.ZodiacLimit20, 20);
    store(m.ZodiacLimit115, 11.5);
}

}  // namespace

void DrawDeclinationLinesX(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.PlaneCoefSaveY = m.PlaneCoefY;
    m.PlaneCoefSaveZ = m.PlaneCoefZ;
    const PlaneGeometry g = PlaneGeometry::from(m);
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double X0 = g.X0, Y0 = m.PlaneCoefSaveY, Z0 = m.PlaneCoefSaveZ;
    const double sf = std::sin(g.phi), cf = std::cos(g.phi);
    const double sinD = std::sin(g.D), cosD = std::cos(g.D), tanR = std::tan(g.R);
    const auto pairs = conePairs(m);
    std::array<numeric::Colour, 3> colours{};
    for (std::size_t i = 0; i < pairs.size(); ++i)
        colours[i] = shell::LineColor(ctx, pairs[i].colour);

    for (double x : numeric::StepRange(-1, 1, 0.002)) {
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const double K = pairs[i].K;
            const double A1 = cf * cf - K * sf * sf;
            const double A2 = sf * sf - K * cf * cf;
            const double W = x * sinD + Y0 * cosD;
            const Quadratic q{
                cosD * cosD * A1 + tanR * tanR * A2 - 2 * cosD * tanR * (1 + K) * sf * cf,
                -2 * Z0 * cosD * cosD * A1 + 2 * sf * cf * cosD * (1 + K) * W +
                    2 * cosD * tanR * Z0 * (1 + K) * sf * cf - 2 * tanR * A2 * W,
                cosD * cosD * A1 * Z0 * Z0 -
                    2 * cosD * (x * Z0 * sinD + Y0 * Z0 * cosD) * (1 + K) * sf * cf +
                    A2 * W * W + (x - X0) * (x - X0) * cosD * cosD};
            plotRoots(plot, colours[i], q, [&](double Z) { return g.fromX(x, Z); });
        }
    }
    storeEccentricities(m);
}

void DrawDeclinationLinesY(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.PlaneCoefSaveY = m.PlaneCoefY;
    m.PlaneCoefSaveZ = m.PlaneCoefZ;
    const PlaneGeometry g = PlaneGeometry::from(m);
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double X0 = g.X0, Y0 = g.Y0, Z0 = m.PlaneCoefSaveZ;
    const double sf = std::sin(g.phi), cf = std::cos(g.phi);
    const double sinD = std::sin(g.D), cosD = std::cos(g.D), tanR = std::tan(g.R);
    const auto pairs = conePairs(m);
    std::array<numeric::Colour, 3> colours{};
    for (std::size_t i = 0; i < pairs.size(); ++i)
        colours[i] = shell::LineColor(ctx, pairs[i].colour);

    // The roots are heights above the style tip, r = Z - Z0.
    for (double y : numeric::StepRange(-1, 1, 0.002)) {
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const double K = pairs[i].K;
            const double across = y * cosD + X0 * sinD;
            const Quadratic q{
                sinD * sinD * (cf * cf - K * sf * sf) + tanR * tanR,
                2 * (Z0 * tanR * tanR - tanR * across -
                     sinD * sinD * sf * cf * (y - Y0) * (1 + K)),
                tanR * tanR * Z0 * Z0 + y * y * cosD * cosD + X0 * X0 * sinD * sinD -
                    2 * Z0 * tanR * across + 2 * X0 * y * sinD * cosD +
                    sinD * sinD * (y - Y0) * (y - Y0) * (sf * sf - K * cf * cf)};
            plotRoots(plot, colours[i], q, [&](double r) { return g.fromY(y, r + Z0); });
        }
    }
    storeEccentricities(m);
}

}  // namespace dials::flat3d
