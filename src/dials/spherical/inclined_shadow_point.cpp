// The central projection of the sun through the tip of the perpendicular style onto a plane of
// declination D (west positive) and reclination z (from the vertical), and the rule by which the
// programme places the projected point: where the sun of the point stands above the horizon,
// reflected through the foot in the south.

#include <cmath>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "dials/plot_line.h"
#include "geometry/sky.h"
#include "dials/spherical/inclined_procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "shell/helpers.h"

namespace dials::spherical {

namespace {

// The terms of the projection, in the order the programme computes them. i is the angle between
// the plane and the horizon.
struct Projection {
    double A;    // sin(phi) cos(i) - sin(i) cos(phi) cos(D): the polar term
    double Den;  // B + A tan(delta); Den cos(delta) is the cosine of the sun's angle to the normal
    double Nx;
    double Ny;
};

Projection project(const shell::Module1& m, double H, double delta) {
    const double phi = m.LatRad, D = m.WallDeclRad;
    const double i = m.Pi / 2 - m.ReclRad;
    const double A = std::sin(phi) * std::cos(i) - std::sin(i) * std::cos(phi) * std::cos(D);
    const double B = std::sin(D) * std::sin(i) * std::sin(H) +
                     (std::sin(i) * std::sin(phi) * std::cos(D) + std::cos(i) * std::cos(phi)) *
                         std::cos(H);
    const double tanDelta = std::tan(delta);
    const double Den = B + A * tanDelta;
    const double Nx =
        std::cos(D) * std::sin(H) - (std::cos(H) * std::sin(phi) - tanDelta * std::cos(phi)) *
                                        std::sin(D);
    const double Ny =
        std::cos(i) * std::sin(D) * std::sin(H) -
        (std::sin(i) * std::cos(phi) - std::cos(i) * std::sin(phi) * std::cos(D)) * std::cos(H) -
        (std::cos(i) * std::cos(phi) * std::cos(D) + std::sin(i) * std::sin(phi)) * tanDelta;
    return {A, Den, Nx, Ny};
}

}  // namespace

ShadowPoint ShadowPointSpherical(shell::Module1& m, double H, double delta) {
    const Projection p = project(m, H, delta);
    m.PointX = p.A;
    m.PointY = p.Den;
    const double L = m.StyleLength;
    return {numeric::checkedDiv(numeric::checkedMul(L, p.Nx), p.Den),
            numeric::checkedDiv(numeric::checkedMul(L, p.Ny), p.Den)};
}

bool SunInFront(const shell::Module1& m, double H, double delta) {
    const double side = m.HorizontalFlag == 1 ? (m.ReclRad > 0 ? 1 : -1) : m.HemisphereSign;
    return project(m, H, delta).Den * side > 0;
}

double HorizonLimit(const shell::Module1& m) {
    return numeric::checkedMul(m.StyleLength, std::tan(m.ReclRad));
}

Vec3 SunOfPoint(const shell::Module1& m, double X, double Y) {
    const Vec3 s = Face::declining(m.WallDeclRad, m.ReclRad).sunOf(m.StyleLength, {X, Y});
    if (m.LatRad >= 0) return s;
    // The tip behind the plane (-s), the figure turned east for west (x -> -x).
    return {s.x, -s.y, -s.z};
}

std::optional<DialPoint> DrawnSunPointSpherical(shell::Module1& m, double H, double delta,
                                                bool litOnly) {
    if (litOnly && !SunInFront(m, H, delta)) return std::nullopt;
    const ShadowPoint p = ShadowPointSpherical(m, H, delta);
    const DialPoint at{numeric::checkFinite(p.X), numeric::checkFinite(p.Y)};
    if (!aboveHorizon(SunOfPoint(m, at.x, at.y))) return std::nullopt;
    if (m.LatRad >= 0) return at;
    return DialPoint{-at.x, -at.y};
}

void LayLineSpherical(shell::Context& ctx, const CurveRange& range, int c, const CurveAt& at) {
    // What can leave the sampler is its range refusing the step, before the first point.
    numeric::skip(
        [&] { plotCurve(ctx.ixPlot1(), shell::LineColor(ctx, c), at, range, kLineStep); });
}

Face PlaneFaceSpherical(const shell::Module1& m) {
    return Face::declining(m.WallDeclRad, m.ReclRad);
}

bool CentreAtInfinitySpherical(const shell::Module1& m) {
    return PlaneFaceSpherical(m).meetsAtInfinity(celestialPole(m.LatRad));
}

}  // namespace dials::spherical
