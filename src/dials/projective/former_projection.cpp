// The projective map of the former programme: a point of the reference plane carried onto the
// dial plane by the central projection from the style tip, and the laying of a curve's image.

#include <cmath>

#include "dials/plot_curve.h"
#include "dials/plot_line.h"
#include "dials/projective/former_procedures.h"
#include "dials/projective/projective_sweep.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/skip.h"

namespace dials::projective::former {

using numeric::checkedDiv;
using numeric::checkFinite;

DialPoint projectToDial(const shell::Module1& m, double x, double z, double w) {
    const double D = m.WallDeclRad, R = m.ReclRad;
    const double a = m.StyleLengthD * std::cos(m.LatRad);  // the tip in front of the plane
    const double b = m.StyleLengthD * std::sin(m.LatRad);  // its foot below O
    // For the point (x, z) = (X' / w, Z' / w), with S its height above that foot,
    // q = 1 - x tan D / a, t = x tan D / q, r = tan R / (q cos D) and p = r - a / S, the map is
    // u = ((a b / S - a) - t) / p and e = x (u + b) / S. Here S, q and r are taken multiplied
    // by w (S = Z' + b w, q = w - X' tan D / a, r = tan R / (q cos D)), and a + t as the a w / q
    // it equals: u = a (b - S / q) / (S r - a), e = X' (b r - a / q) / (S r - a). So a point
    // level with the tip (S = 0, on the horizon) is carried to the dial's horizon like any
    // other, and a point however far off keeps its digits, up to the point at infinity (w = 0).
    const double S = z + b * w;
    const double q = w - checkedDiv(x * std::tan(D), a);
    const double r = checkedDiv(std::tan(R), q * std::cos(D));
    const double den = S * r - a;
    const double u = checkedDiv(a * (b - checkedDiv(S, q)), den);
    const double e = checkedDiv(x * (b * r - checkedDiv(a, q)), den);
    const double X = -(checkedDiv(e, std::cos(D)) + u * std::tan(R) * std::tan(D));
    const double Y = checkedDiv(u, std::cos(R));
    return {checkFinite(X), checkFinite(Y)};
}

std::optional<DialPoint> tryProjectToDial(const shell::Module1& m, double x, double z,
                                          double w) {
    return solvePoint([&] { return projectToDial(m, x, z, w); });
}

double horizonHeight(const shell::Module1& m) {
    // The tip stands |L| out of the plane, so the line level with it lies |L| tan R up the slope
    // from the foot. Formed from the style alone, it stays exact where the centre lies far off
    // (a plane near the polar axis), whose height the polar style's terms would cancel.
    return numeric::checkFinite(std::fabs(m.StyleLength) * std::tan(m.ReclRad));
}

void layReferenceCurve(shell::Context& ctx, const ReferenceCurve& curve,
                       const ReferenceCurve& far, numeric::Colour colour, bool sunlitOnly) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const Face face = dialFace(m);
    // The sampler works in dial coordinates from the foot (fromCentre).
    const auto onDial = [&](const ReferenceCurve& c) -> CurveAt {
        return [&](double t) -> std::optional<geometry::DialPoint> {
            const std::optional<ReferencePoint> r = c(t);
            if (!r) return std::nullopt;
            const auto p = tryProjectToDial(m, r->x, r->z, r->w);
            if (!p) return std::nullopt;
            return fromCentre(m, *p);
        };
    };
    laySweepThroughInfinity(onDial(curve), onDial(far), m.XLoopHalf, 0.005, plotBox(plot),
                            [&](double, const geometry::DialPoint& p) {
                                if (sunlitOnly && !aboveHorizon(face.sunOf(m.StyleLength, p)))
                                    return;
                                dials::plotDialPoint(plot, p, colour);
                            });
}

}  // namespace dials::projective::former
