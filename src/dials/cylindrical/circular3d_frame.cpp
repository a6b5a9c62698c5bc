// The chord frame of the circular cylinder by 3D analytic geometry: depth, reach of the shadow,
// the sweep over the chord and the plotting of a point on the unrolled surface.

#include <cmath>

#include "dials/cylindrical/circular3d_procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

double ChordFrame::depth(double x) const {
    return s * R - s * numeric::checkedSqrt(R * R - x * x);
}

bool ChordFrame::shadowReaches(double x) const {
    // The surface's normal at chord x, towards the side of the dial, is proportional to
    // (s x, sqrt(R^2 - x^2)) in (across, towards the tip); the tip lies at (-x, L + z) from the
    // point. The tip's shadow falls there only when the two point the same way.
    const double c = numeric::checkedSqrt(R * R - x * x);
    return -s * x * x + c * (L + depth(x)) > 0;
}

Vec3 ChordFrame::towardsTip(double x, double y) const {
    // Across the tangent plane: (cos D, -sin D, 0); the face's direction: (-sin D, -cos D, 0).
    const double w = L + depth(x);
    return {-x * std::cos(D) - w * std::sin(D), x * std::sin(D) - w * std::cos(D), -y};
}

void sweepChord(const shell::Context& ctx, const std::function<void(double x)>& body) {
    const double R = ctx.m.Radius;
    for (double x : numeric::StepRange(-R, R, ctx.m.PointStep)) numeric::skip([&] { body(x); });
}

void plotChordPoint(shell::Context& ctx, double x, double y, numeric::Colour colour) {
    const shell::Module1& m = ctx.m;
    plotTurnPoint(ctx, shell::ArcSin(m, numeric::checkedDiv(x, m.Radius)), y, colour);
}

void plotTurnPoint(shell::Context& ctx, double psi, double y, numeric::Colour colour) {
    shell::Module1& m = ctx.m;
    const double u = numeric::checkFinite(m.Radius * psi);
    if (numeric::checkFinite(y) > 0) return;
    m.DevelopedAbscissa = u;
    ctx.ixPlot1().xPset(u, -y, colour);
}

std::function<bool(double psi)> withinChordFrame(const shell::Module1& m) {
    const double quarter = m.Pi / 2;
    return [quarter](double psi) { return std::fabs(psi) <= quarter; };
}

}  // namespace dials::cylindrical
