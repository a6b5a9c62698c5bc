// Declination lines: the intersection of the dial plane with the double cone of sun rays through
// the style tip around the polar axis, K (d.p)^2 = |d|^2 - (d.p)^2 with K = 1 / tan^2(delta).
// Its two nappes are the lines of +delta and -delta, so one quadratic gives both lines of a pair.
// A point is the shadow of the sun that stands in the direction from it to the tip, which is
// always in front of the plane (on the side of the tip); it is drawn only when that sun is above
// the horizon, that is when the point lies lower than the tip: the rest of the conic is a curve
// no shadow ever touches.

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

// The real roots of a r^2 + b r + c = 0, each computed in the form that stays exact when the
// other grows without bound: q = -(b + sgn(b) sqrt(disc)) / 2 gives the roots q / a and c / q.
// A leading coefficient that vanishes (a conic degenerating where the latitude equals the
// declination) leaves the finite root c / q = -c / b exact and makes q / a fail. Calls
// use(root) for (-b + sqrt(disc)) / (2a) first, then for (-b - sqrt(disc)) / (2a); a root that
// cannot be computed is left out, and a negative discriminant gives none.
template <class Use>
void forEachRoot(const Quadratic& q, Use&& use) {
    double discriminant = 0;
    if (!numeric::assignOrSkip(discriminant, [&] {
            return numeric::checkFinite(q.b * q.b - 4 * q.a * q.c);
        }))
        return;
    if (discriminant < 0) return;
    const double root = std::sqrt(discriminant);
    const double half = -(q.b + (q.b < 0 ? -root : root)) / 2;
    // With b >= 0, half / a is the root with -sqrt(disc); with b < 0 the one with +sqrt(disc).
    const auto viaA = [&] { return checkedDiv(half, q.a); };
    const auto viaC = [&] { return checkedDiv(q.c, half); };
    double r = 0;
    if (q.b < 0) {
        if (numeric::assignOrSkip(r, viaA)) use(r);
        if (numeric::assignOrSkip(r, viaC)) use(r);
    } else {
        if (numeric::assignOrSkip(r, viaC)) use(r);
        if (numeric::assignOrSkip(r, viaA)) use(r);
    }
}

// Both variables draw the three pairs alike: the tip's coordinates are saved for the technical
// data; for each value t of the free variable (-1 to 1 by 0.002) and each cone pair, each root
// of quadraticAt(t, K) is the world height heightOf(root), drawn as the dial point
// pointAt(t, height) when it lies below the tip; then the eccentricities are kept.
template <class QuadraticAt, class HeightOf, class PointAt>
void drawConePairs(shell::Context& ctx, QuadraticAt&& quadraticAt, HeightOf&& heightOf,
                   PointAt&& pointAt) {
    shell::Module1& m = ctx.m;
    m.PlaneCoefSaveY = m.PlaneCoefY;
    m.PlaneCoefSaveZ = m.PlaneCoefZ;
    const double tipHeight = m.PlaneCoefZ;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const auto pairs = conePairs(m);
    std::array<numeric::Colour, 3> colours{};
    for (std::size_t i = 0; i < pairs.size(); ++i)
        colours[i] = shell::LineColor(ctx, pairs[i].colour);

    for (double t : numeric::StepRange(-1, 1, 0.002)) {
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            forEachRoot(quadraticAt(t, pairs[i].K), [&](double root) {
                const double Z = heightOf(root);
                if (!(Z < tipHeight)) return;  // the sun of this point is not above the horizon
                plotSolvedPoint(plot, colours[i], [&] { return pointAt(t, Z); });
            });
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
        [](double Z) { return Z; }, [&](double x, double Z) { return g.fromX(x, Z); });
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
        [&](double r) { return r + Z0; }, [&](double y, double Z) { return g.fromY(y, Z); });
}

}  // namespace dials::flat3d
