#include "dials/projective/projective_sweep.h"

#include <cmath>
#include <optional>

namespace dials::projective {

void laySweepThroughInfinity(const CurveAt& curve, const CurveAt& far, double half, double step,
                             const PlotBox& box, const CurveVisit& visit) {
    // A curve that ends on a point it reaches from several parameters (the turn of a conic,
    // conicRootsToTheTurn) gives that point once.
    std::optional<DialPoint> last;
    const CurveVisit once = [&](double t, const DialPoint& p) {
        if (last && last->x == p.x && last->y == p.y) return;
        last = p;
        visit(t, p);
    };
    layCurve(curve, {-half, half, step, true}, kLineStep, box, once);
    const double outer = 1 / half;
    layCurve(far, {-outer, outer, step, true}, kLineStep, box, [&](double s, const DialPoint& p) {
        if (std::fabs(s) < outer) once(s == 0 ? INFINITY : 1 / s, p);
    });
}

}  // namespace dials::projective
