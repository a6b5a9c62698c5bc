// Declination lines: the intersection of the dial plane with the double cone of sun rays through
// the style tip around the polar axis, (d.p)^2 = sin^2(delta) |d|^2, d the direction from a
// point of the plane to the tip and p the polar axis. Its two nappes are the lines of +delta and
// -delta, so one quadratic gives both lines of a pair. The cone is cut along the dial's own
// axes: for each abscissa u across the plot area (a whole multiple of the line step) the
// quadratic in the ordinate v, and for each ordinate v across it the quadratic in u, so that every
// part of the curve inside the plot area is drawn as densely as the straight lines, whatever its
// direction and whichever world coordinate the programme's free variable steps elsewhere. A
// point is the shadow of the sun that stands in the direction from it to the tip, which is
// always in front of the plane (on the side of the tip); it is drawn only when that sun is above
// the horizon, that is when the point lies lower than the tip: the rest of the conic is a curve
// no shadow ever touches. Written with sin^2(delta) the quadratic holds where a coefficient
// vanishes (a conic degenerating where the latitude equals the declination, a horizontal plane).

#include <array>
#include <cmath>

#include "dials/flat3d/dial_line.h"
#include "dials/flat3d/plane.h"
#include "dials/flat3d/procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "shell/helpers.h"

namespace dials::flat3d {

namespace {

using numeric::checkedDiv;

struct ConePair {
    double degrees;
    int colour;
};

constexpr std::array<ConePair, 3> kConePairs{{{23.45, 12}, {20, 13}, {11.5, 11}}};

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

// a + k b.
WorldPoint add(const WorldPoint& a, double k, const WorldPoint& b) {
    return {a.X + k * b.X, a.Y + k * b.Y, a.Z + k * b.Z};
}

double dot(const WorldPoint& a, const WorldPoint& b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }

// The cone of the pair sin^2(delta) = s2 cut along the line A - t B of directions to the tip
// (A the direction from the line's point t = 0, B the line's own direction): the quadratic in t.
Quadratic coneAlong(const WorldPoint& A, const WorldPoint& B, const WorldPoint& pole, double s2) {
    const double Ap = dot(A, pole), Bp = dot(B, pole);
    return {Bp * Bp - s2 * dot(B, B), -2 * (Ap * Bp - s2 * dot(A, B)), Ap * Ap - s2 * dot(A, A)};
}

// Both variables draw the three pairs alike: the tip's coordinates are saved for the technical
// data; each pair is cut along every abscissa, then every ordinate, of the plot area; each root
// is drawn when its sun is above the horizon; then the eccentricities are kept.
void drawConePairs(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.PlaneCoefSaveY = m.PlaneCoefY;
    m.PlaneCoefSaveZ = m.PlaneCoefZ;
    const PlaneGeometry g = PlaneGeometry::from(m);
    const WorldPoint tip{g.X0, g.Y0, g.Z0};
    const WorldPoint pole{0, std::cos(g.phi), std::sin(g.phi)};
    const WorldPoint ax = g.worldOf({1, 0}), ay = g.worldOf({0, 1});
    plot::PlotSurface& plot = ctx.ixPlot1();
    const auto& pairs = kConePairs;
    std::array<numeric::Colour, 3> colours{};
    std::array<double, 3> sines{};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        colours[i] = shell::LineColor(ctx, pairs[i].colour);
        const double s = std::sin(pairs[i].degrees * m.Pi / 180);
        sines[i] = s * s;
    }

    // The plot area in dial coordinates (the plot's y is -v).
    const double left = -plot.ShiftX(), right = plot.QuadranteL() - plot.ShiftX();
    const double bottom = plot.ShiftY() - plot.QuadranteH(), top = plot.ShiftY();
    // One sweep: the dial axis `stepped` through the area from `from` to `to`, the quadratic
    // solved along the other axis.
    auto sweep = [&](double from, double to, bool stepU) {
        const WorldPoint& stepped = stepU ? ax : ay;
        const WorldPoint& solved = stepU ? ay : ax;
        const long first = static_cast<long>(std::ceil(from / kLineStep));
        const long last = static_cast<long>(std::floor(to / kLineStep));
        for (long k = first; k <= last; ++k) {
            const double at = static_cast<double>(k) * kLineStep;
            const WorldPoint A = add(tip, -at, stepped);
            for (std::size_t i = 0; i < pairs.size(); ++i) {
                forEachRoot(coneAlong(A, solved, pole, sines[i]), [&](double root) {
                    // The direction to the tip rises: the sun is above the horizon.
                    if (!(A.Z - root * solved.Z > 0)) return;
                    plotSolvedPoint(plot, colours[i], [&] {
                        return stepU ? DialPoint{at, root} : DialPoint{root, at};
                    });
                });
            }
        }
    };
    sweep(left, right, true);
    sweep(bottom, top, false);
    storeDeclinationEccentricities(m);
}

}  // namespace

void DrawDeclinationLinesX(shell::Context& ctx) { drawConePairs(ctx); }

void DrawDeclinationLinesY(shell::Context& ctx) { drawConePairs(ctx); }

}  // namespace dials::flat3d
