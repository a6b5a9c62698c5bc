#include "dials/cone_sections.h"

#include <cmath>

#include "dials/plot_point.h"
#include "dials/plot_line.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/quadratic.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials {

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
    return {{{kSolsticeDeg, shell::LineColor(ctx, palette::kLightRed)},
             {20, shell::LineColor(ctx, palette::kLightMagenta)},
             {11.5, shell::LineColor(ctx, palette::kLightCyan)}}};
}

void plotSunlitConeSections(plot::PlotSurface& plot, const ConeFrame& frame,
                            const std::array<ConeLinePair, 3>& pairs, double pi, double step) {
    if (!(step > 0) || !std::isfinite(step)) return;
    std::array<double, 3> sines{};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const double s = std::sin(pairs[i].degrees * pi / 180);
        sines[i] = s * s;
    }
    const PlotBox box = plotBox(plot);
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
                    // The point's sun, the direction from it to the tip, casts it only above
                    // the horizon. That it stands in front of the plane and within the
                    // solstices holds by construction (the tip stands in front of the plane;
                    // the declination is the line's), and asked again it would decide the
                    // solstice lines themselves by a rounding.
                    if (!aboveHorizon(A - root * solved)) return;
                    plotSolvedPoint(plot, pairs[i].colour, [&] {
                        return stepX ? DialPoint{at, root} : DialPoint{root, at};
                    });
                });
            }
        }
    };
    sweep(box.left, box.right, true);
    sweep(box.bottom, box.top, false);
}

HourLineCrossings hourLineCrossings(double c, double Wc, const FrameConic& conic) {
    // u = c (1 - w / Wc) into the conic: (Wc^2 + K c^2) w^2 + (A Wc - 2 K c^2) Wc w
    // + Wc^2 (K c^2 + B) = 0, multiplied through by Wc^2.
    const double a2 = Wc * Wc + conic.K * c * c;
    const double a1 = (conic.A * Wc - 2 * conic.K * c * c) * Wc;
    const double a0 = Wc * Wc * (conic.K * c * c + conic.B);
    const numeric::QuadraticRoots w = numeric::stableQuadraticRoots(a2, a1, a0);
    auto crossing = [&](const std::optional<double>& root) -> std::optional<DialPoint> {
        if (!root) return std::nullopt;
        const double u = c * (1 - *root / Wc);
        if (!std::isfinite(u)) return std::nullopt;
        return DialPoint{u, *root};
    };
    return {crossing(w.minus), crossing(w.plus)};
}

}  // namespace dials
