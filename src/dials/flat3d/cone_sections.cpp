#include "dials/flat3d/cone_sections.h"

#include <cmath>

#include "dials/dial_point.h"
#include "numeric/quadratic.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::flat3d {

namespace {


struct Quadratic {
    double a, b, c;
};

// Calls use(root) for each real root of a r^2 + b r + c = 0 that can be formed (exact also where
// a vanishes, a degenerate conic).
template <class Use>
void forEachRoot(const Quadratic& q, Use&& use) {
    const numeric::QuadraticRoots roots = numeric::stableQuadraticRoots(q.a, q.b, q.c);
    for (const std::optional<double>& root : {roots.minus, roots.plus})
        if (root) use(*root);
}

// The cone sin^2(delta) = s2 along the directions A - t B to the tip (A the direction from the
// point t = 0 of a line of the plane, B the line's direction): the quadratic in t.
Quadratic coneAlong(const Vec3& A, const Vec3& B, const Vec3& pole, double s2) {
    const double Ap = dot(A, pole), Bp = dot(B, pole);
    return {Bp * Bp - s2 * dot(B, B), -2 * (Ap * Bp - s2 * dot(A, B)), Ap * Ap - s2 * dot(A, A)};
}

}  // namespace

std::array<ConeLinePair, 3> declinationLinePairs(const shell::Context& ctx) {
    return {{{23.45, shell::LineColor(ctx, 12)},
             {20, shell::LineColor(ctx, 13)},
             {11.5, shell::LineColor(ctx, 11)}}};
}

void plotSunlitConeSections(plot::PlotSurface& plot, const ConeFrame& frame,
                            const std::array<ConeLinePair, 3>& pairs, double pi, double step) {
    if (!(step > 0) || !std::isfinite(step)) return;
    std::array<double, 3> sines{};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const double s = std::sin(pairs[i].degrees * pi / 180);
        sines[i] = s * s;
    }
    // The plot area in dial coordinates (the plot's y is -v).
    const double left = -plot.ShiftX(), right = plot.QuadranteL() - plot.ShiftX();
    const double bottom = plot.ShiftY() - plot.QuadranteH(), top = plot.ShiftY();
    // One sweep: the dial axis `stepped` through the area from `from` to `to`, each quadratic
    // solved along the other axis.
    auto sweep = [&](double from, double to, bool stepX) {
        const Vec3& stepped = stepX ? frame.axisX : frame.axisY;
        const Vec3& solved = stepX ? frame.axisY : frame.axisX;
        for (double k : numeric::StepRange(std::ceil(from / step), std::floor(to / step), 1)) {
            const double at = k * step;
            const Vec3 A = frame.tip - at * stepped;
            for (std::size_t i = 0; i < pairs.size(); ++i) {
                forEachRoot(coneAlong(A, solved, frame.pole, sines[i]), [&](double root) {
                    // The direction to the tip rises: the sun is above the horizon.
                    if (!(A.z - root * solved.z > 0)) return;
                    plotSolvedPoint(plot, pairs[i].colour, [&] {
                        return stepX ? DialPoint{at, root} : DialPoint{root, at};
                    });
                });
            }
        }
    };
    sweep(left, right, true);
    sweep(bottom, top, false);
}

}  // namespace dials::flat3d
