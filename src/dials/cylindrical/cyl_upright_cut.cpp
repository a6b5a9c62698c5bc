// The curves of the unrolled circular cylinder: each laid with the one curve sampler and plotted
// where the sun of its point stands above the horizon; and the cut of a plane through the tip that
// stands upright (the plane of the equator at the equator), which no sweep across the surface
// gives a height, laid by heights from the tip's level down to the plot's bottom edge.

#include "dials/cylindrical/cyl_shared.h"
#include "dials/plot_line.h"
#include "numeric/checked.h"

namespace dials::cylindrical {

void layDevelopedCurve(shell::Context& ctx, const CurveAt& curve, const CurveRange& range,
                       const SunKept& keep, numeric::Colour colour) {
    shell::Module1& m = ctx.m;
    // A point no real sun of the line casts is no point of the curve: where the line's sun
    // reaches the horizon, or leaves the part of its plane the line keeps, the curve ends, and
    // the sampler lays that end as any other.
    plotCurve(
        ctx.ixPlot1(), colour,
        [&](double t) -> std::optional<DialPoint> {
            const std::optional<DialPoint> p = curve(t);
            if (!p) return std::nullopt;
            // The sun of the point: from it to the tip.
            const Vec3 sun = CylinderShadow::sunAt(
                CylinderShadow::from(m).towardsTipFromGeneratrix(p->x / m.Radius), p->y);
            if (!aboveHorizon(sun) || !keep(sun)) return std::nullopt;
            return p;
        },
        range, m.PointStep);
}

bool everySunKept(const Vec3&) { return true; }

void DrawUprightCut(shell::Context& ctx, const Vec3& normal,
                    const std::function<bool(double psi)>& onDial, numeric::Colour colour) {
    if (!standsUpright(normal)) return;
    shell::Module1& m = ctx.m;
    // The plot's depth below the tip's level.
    const double depth = -plotBox(ctx.ixPlot1()).bottom;
    const CylinderShadow shadow = CylinderShadow::from(m);
    // The plane passes on a generatrix on either side of the one its trace is nearest the tip
    // at: one curve each.
    for (const bool first : {true, false})
        layDevelopedCurve(
            ctx,
            [&](double y) -> std::optional<DialPoint> {
                const std::optional<double> psi = shadow.turnOfPlaneAt(normal, y, m.Pi, first);
                if (!psi || !onDial(*psi) || !shadow.reaches(*psi)) return std::nullopt;
                return DialPoint{numeric::checkFinite(m.Radius * *psi), y};
            },
            {0, -depth, -m.PointStep, false}, everySunKept, colour);
}

}  // namespace dials::cylindrical
