// The declination lines of the projective cylinder: on the tangent plane, the conic that the
// cone of sun rays of declination +-delta (apex at the style tip, axis parallel to the earth's)
// cuts; both of its branches, carried onto the cylinder point by point. Its ordinates are found
// in the form that stays exact where the latitude equals delta (the conic a parabola) and where
// the polar style stands normal to the plane (the equator on a wall facing south or north).

#include <cmath>
#include <optional>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/plot_point.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

struct DeclinationPass {
    double declinationDeg;
    int colourIndex;
};

// The constants are as the dial has always drawn them, a hair off 20 and 11.5 degrees.
constexpr DeclinationPass kPasses[] = {{kSolsticeDeg, 12}, {20.001, 13}, {11.5001, 11}};

}  // namespace

void DrawCylProjDeclinationLines(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double R = m.CylParam;
    const CylinderShadow shadow = CylinderShadow::from(m);

    for (const DeclinationPass& pass : kPasses) {
        const double delta = pass.declinationDeg * m.Pi / 180;
        const numeric::Colour colour = shell::LineColor(ctx, pass.colourIndex);

        // Each of the conic's two ordinates at abscissa t, where the vertical line of the
        // tangent plane meets the cone of the suns of declination +-delta, a curve of its own.
        std::vector<double> ends = coneTouchingAbscissae(m, delta);
        const std::vector<double> risings =
            sunAbscissae(m, risingAndSettingSuns(m.LatRad, delta));
        ends.insert(ends.end(), risings.begin(), risings.end());
        const std::optional<CurveRange> sweep = tangentPlaneSweep(ctx, -5 * R, 5 * R, ends);
        if (!sweep) continue;
        for (const bool minus : {true, false})
            layDevelopedCurve(
                ctx,
                [&](double t) -> std::optional<DialPoint> {
                    const numeric::QuadraticRoots y =
                        shadow.coneCrossings(shadow.towardsTipFromTangentLine(t), delta);
                    const std::optional<double> ordinate = minus ? y.minus : y.plus;
                    if (!ordinate) return std::nullopt;
                    const std::optional<TangentPlaneRay> ray = projectTangentAbscissa(m, t);
                    if (!ray) return std::nullopt;
                    return DialPoint{ray->x, heightOnCylinder(*ray, *ordinate)};
                },
                *sweep, everySunKept, colour);
    }
}

}  // namespace dials::cylindrical
