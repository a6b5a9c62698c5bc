// The straight lines of the tangent plane's dial carried onto the cylinder (hour, equinoctial and
// substyle lines), and the meridian line: the vertical where the meridian plane through the
// style tip cuts the cylinder.

#include <cmath>

#include "dials/cylindrical/cyl_projective_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/six_oclock.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using numeric::checkedDiv;

void DrawCylProjHourLines(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double E = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    const double R = m.CylParam;
    const double L = m.StyleLength;
    const double a = m.SetupAngleA;
    const double b = m.SetupAngleB;
    const bool bothSixes = loopDrawsBothSixOClockLines(m.HourStep);

    numeric::countedLoop(m.HourCounter, -90, 90, m.HourStep, [&](double H) {
        // The counter runs positive in the afternoon, against the shared rule's: the morning's
        // six o'clock line is the one coloured alone.
        const palette::Index colourIndex = hourLineColourIndex(-H, false);
        // The hour angle from the tangent dial's substyle, and the hour line's angle from it.
        const double tau = m.SubstyleHour + H * m.Pi / 180 - E * m.ZoneCorrRad;
        const double theta = std::atan(std::sin(b) * std::tan(tau));
        // A south-facing wall's six o'clock line in local time is the level line through the
        // dial's centre (in standard time it is turned like every other line).
        const bool level = H == -90 && m.WallDeclRad == 0 && E * m.ZoneCorrRad == 0;
        // The hour angle from the meridian, positive in the afternoon, and the half of its
        // plane's cut the line keeps.
        const bool otherHalfDrawn = bothSixes && isSixOClock(H);
        const HourPlaneHalf half(m.LatRad, H * m.Pi / 180 - E * m.ZoneCorrRad, m.Pi,
                                 otherHalfDrawn);
        const Vec3 normal = hourPlaneNormal(m.LatRad, half.hourAngle());
        // The line of true noon stands upright on the tangent plane, where no abscissa lays it
        // (every sun of it casts its shadow on one generatrix): it is the meridian line.
        if (standsUpright(normal)) return;
        auto ordinate = [&](double t) {
            if (level) return L * std::tan(m.LatRad);
            // (L / cos b) tan tau - P tan theta, with P = L tan b and tan theta = sin b tan tau,
            // is L cos b tan tau: formed so, it keeps its digits where the polar style stands
            // almost normal to the plane (cos b small, near the equator on a wall facing south
            // or north), where the two terms are large and almost equal.
            return checkedDiv(t * (std::tan(theta) * std::sin(a) - std::cos(a)) +
                                  L * std::cos(b) * std::tan(tau),
                              std::tan(theta) * std::cos(a) + std::sin(a));
        };
        const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
        // A line a little off true noon runs almost upright on the tangent plane: the curve
        // sampler lays it down the cylinder as densely as across it.
        layTangentPlaneLine(
            ctx, -5 * R, 5 * R, colour, ordinate, [&](const Vec3& sun) { return half.keeps(sun); },
            planeLineEndSuns(m.LatRad, normal, half, !otherHalfDrawn, m.Pi));
    });
}

void DrawCylProjEquinoctial(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double R = m.CylParam;
    const double a = m.SetupAngleA;
    layTangentPlaneLine(
        ctx, -5 * R, 5 * R, shell::LineColor(ctx, palette::kLightBlue),
        [&](double t) { return t * std::tan(a) - checkedDiv(m.PlaneCoefY, std::cos(a)); },
        everySunKept, horizonSuns(celestialPole(m.LatRad)));
    // At the equator the plane of the equator stands upright: its cut is drawn by heights, on
    // every generatrix of the strip about the foot it cuts, wherever the shadow reaches them (its
    // rays from the tip run parallel to the tangent plane on a concave wall facing due south or
    // north).
    DrawUprightCut(ctx, celestialPole(m.LatRad), [](double) { return true; },
                   shell::LineColor(ctx, palette::kLightBlue));
}

void DrawCylProjSubstyleLine(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    // At the equator, and on a wall facing due south or north, the substyle is the vertical
    // through the foot.
    if (m.LatRad == 0 || m.DeclDecimal == 0 || m.DeclDecimal == 180) return;
    const double R = m.CylParam;
    const double a = m.SetupAngleA;
    // Of the cut, what the hour line of the substyle's hour keeps.
    const HourPlaneHalf half = substyleHalf(m.LatRad, m.WallDeclRad, m.Pi);
    layTangentPlaneLine(
        ctx, -R, R, shell::LineColor(ctx, palette::kLightBlue),
        [&](double t) { return checkedDiv(-t, std::tan(a)); },
        [&](const Vec3& sun) { return half.keeps(sun); }, substyleEndSuns(m.LatRad, half, m.Pi));
}

void DrawCylProjMeridianLine(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.PlaneCoefX = (m.StyleLength * m.SideSign + m.Radius) * std::sin(m.WallDeclRad);
    DrawCylNoonLine(ctx);
}

}  // namespace dials::cylindrical
