// Italian and Babylonian hours of the projective cylinder. The suns of one Italian (Babylonian)
// hour lie on the horizon turned about the polar axis; on the tangent plane the cut of that
// circle's plane through the tip is the line through the point where an hour line (hour angles
// -90 to 90 by 15 degrees, in local apparent time) crosses the equinoctial line, tangent to the
// conic of the suns that graze the horizon (the cone of declination 90 degrees minus the
// latitude), the Italian line on one side of the conic and the Babylonian on the other. It is
// taken from the plane itself, which holds also at the equator, where the conic degenerates, and
// loses no digits where the polar style stands almost normal to the tangent plane. Each line is
// sampled along the tangent plane's abscissa, as the hour lines are, and carried onto the
// cylinder point by point where its own suns cast it: the half of its plane centred on that
// equinox sun (HourPlaneHalf::ofTurnedHorizon), the sun above the horizon.

#include <cmath>
#include <optional>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/plot_point.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using numeric::checkedDiv;

namespace {

// A straight line of the tangent plane as v = v0 + slope u, u the abscissa, v the ordinate.
struct TangentPlaneLine {
    double v0, slope;
};

// The cut of the plane through the tip with this normal: the points of abscissa u and ordinate v
// where u (n . e) + v n_up = L (n . f); none where it runs upright.
std::optional<TangentPlaneLine> cutOfPlane(const shell::Module1& m, const Vec3& n) {
    const double D = m.WallDeclRad;
    const double along = -n.x * std::sin(D) - n.y * std::cos(D);
    const double across = n.x * std::cos(D) - n.y * std::sin(D);
    try {
        return TangentPlaneLine{checkedDiv(m.StyleLength * along, n.z), checkedDiv(-across, n.z)};
    } catch (const numeric::NumericFailure&) {
        return std::nullopt;
    }
}

void drawItalianBabylonian(shell::Context& ctx, bool italian, int colourIndex) {
    shell::Module1& m = ctx.m;
    const double R = m.CylParam;
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);

    for (double H : numeric::StepRange(-90, 90, 15)) {
        // H is positive in the afternoon here; the turn of the horizon, towards the east.
        const double turn = -H * m.Pi / 180 + (italian ? m.Pi / 2 : -m.Pi / 2);
        const HourPlaneHalf half = HourPlaneHalf::ofTurnedHorizon(m.LatRad, westward(turn), m.Pi, italian);
        const Vec3 normal = turnedHorizonNormal(m.LatRad, westward(turn));
        const std::optional<TangentPlaneLine> line = cutOfPlane(m, normal);
        if (!line) continue;
        const std::optional<CurveRange> sweep = tangentPlaneSweep(
            ctx, -5 * R, 5 * R,
            sunAbscissae(m, planeLineEndSuns(m.LatRad, normal, half, false, m.Pi)));
        if (!sweep) continue;
        // Laid along the tangent plane's abscissa, as the hour lines are; a plane standing almost
        // upright leaves an almost upright line there, which the curve sampler lays down the
        // cylinder as densely as across it.
        layDevelopedCurve(
            ctx,
            [&](double u) -> std::optional<DialPoint> {
                const std::optional<CylProjPoint> p =
                    ProjectTangentPlanePoint(m, u, line->v0 + line->slope * u);
                if (!p) return std::nullopt;
                return DialPoint{p->x, p->h};
            },
            *sweep,
            [&](const Vec3& sun) { return half.onOwnHalf(sun); }, colour);
    }
}

}  // namespace

void DrawCylProjItalianHours(shell::Context& ctx) { drawItalianBabylonian(ctx, true, 12); }

void DrawCylProjBabylonianHours(shell::Context& ctx) { drawItalianBabylonian(ctx, false, 13); }

}  // namespace dials::cylindrical
