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

namespace dials::projective::former {

ReferenceProjection::ReferenceProjection(const shell::Module1& m)
    : face_(dialFace(m)),
      towardsCentre_(m.StyleLengthD * celestialPole(m.LatRad)),
      towardsEquinoctial_(m.StyleLengthD * std::cos(m.LatRad) *
                          Vec3{0, 1, -numeric::checkedDiv(1, std::tan(m.LatRad))}),
      style_(m.StyleLength) {}

DialPoint ReferenceProjection::operator()(const ReferencePoint& r) const {
    return face_.shadow(style_, ray(r));
}

double ReferenceProjection::across(const ReferencePoint& r) const { return dot(ray(r), face_.out); }

void layReferenceCurve(shell::Context& ctx, const ReferenceCurve& curve,
                       const ReferenceCurve& far, numeric::Colour colour, bool sunlitOnly,
                       const std::vector<double>& ends) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const Face face = dialFace(m);
    const ReferenceProjection project(m);
    const auto onDial = [&](const ReferenceCurve& c) -> CurveAt {
        return [&](double t) -> std::optional<geometry::DialPoint> {
            const std::optional<ReferencePoint> r = c(t);
            if (!r) return std::nullopt;
            return solvePoint([&] { return project(*r); });
        };
    };
    const auto across = [&](const ReferenceCurve& c) -> CurveAcross {
        return [&](double t) -> std::optional<double> {
            const std::optional<ReferencePoint> r = c(t);
            if (!r) return std::nullopt;
            return project.across(*r);
        };
    };
    laySweepThroughInfinity(onDial(curve), onDial(far), kSweepHalf, 0.005, plotBox(plot),
                            [&](double, const geometry::DialPoint& p) {
                                if (sunlitOnly && !aboveHorizon(face.sunOf(m.StyleLength, p)))
                                    return;
                                dials::plotDialPoint(plot, p, colour);
                            },
                            across(curve), across(far), ends);
}

}  // namespace dials::projective::former
