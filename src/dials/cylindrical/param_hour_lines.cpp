// Hour, substyle and equinoctial lines of the parametric cylinder: on each generatrix, the
// height where the tangent plane's line crosses it.

#include <cmath>
#include <optional>

#include "dials/cylindrical/cyl_shared.h"
#include "dials/cylindrical/param_procedures.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

using numeric::checkedDiv;
using param::AngleForm;
using param::Generatrix;

namespace {

// The parametric sweep unrolls every generatrix.
bool everyGeneratrix(double) { return true; }

// The tangent plane's line of the hour angle hourRad (from the meridian, positive to the east)
// runs through the dial's centre at the angle psi from the substyle; its height on the
// generatrix.
double hourLineHeight(shell::Module1& m, const Generatrix& gen, double hourRad) {
    const double phi = m.LatRad;
    const double A = gen.A, e = gen.e;
    m.PlaneCoefY = gen.g * std::tan(e);
    const double p = m.PlaneCoefY;
    m.SubstyleHour = -std::atan(checkedDiv(std::tan(A), std::cos(phi) * std::cos(gen.t)));
    const double psi =
        std::atan(std::cos(phi) * std::cos(gen.t) * std::tan(m.SubstyleHour + hourRad));
    const double q = checkedDiv(gen.g, std::sin(e) * std::cos(e)) * std::tan(psi);
    const double tp = std::tan(psi), tA = std::tan(A);
    return checkedDiv(-(1 - tp * tA), tp + tA) * gen.w +
           checkedDiv(q - p * tp, std::cos(A) * tp + std::sin(A));
}

// The wall declination as the curves take it: the folded degrees turned to radians.
double wallDeclination(const shell::Module1& m) { return m.DeclDecimal * m.Pi / 180; }

}  // namespace

void DrawCylHourLinesParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double k = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    m.StyleLength = ctx.inputs.number("txtStilo");
    const double D = wallDeclination(m);
    const bool bothSixes = loopDrawsBothSixOClockLines(m.HourStep);
    numeric::countedLoop(m.HourCounter, -90, 90, m.HourStep, [&](double H) {
        int colourIndex = 7;
        if (H == 0) colourIndex = 12;
        if (std::fabs(H) == 90) colourIndex = 9;
        const numeric::Colour colour = shell::LineColor(ctx, colourIndex);
        const double hour = H * m.Pi / 180 + m.ZoneCorrRad * k;
        const HourPlaneHalf half(m.LatRad, -hour, m.Pi, bothSixes && isSixOClock(H));
        param::sweepGeneratrices(ctx, D, AngleForm::Hours, [&](const Generatrix& gen) {
            const double y = hourLineHeight(m, gen, hour);
            if (half.keeps(CylinderShadow::sunAt(param::towardsTip(m, gen), y)))
                param::plotOnGeneratrix(ctx, gen, y, colour);
        });
        // An hour plane a little off true noon stands almost upright: by heights as well.
        DrawUprightHourCut(ctx, everyGeneratrix, half, colour);
    });
}

void DrawCylSubstyleParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.StyleLength = ctx.inputs.number("txtStilo");
    const double D = wallDeclination(m);
    // The hour angle of the wall's substyle; its line passes through the foot of the style.
    m.HourCounter =
        std::atan(checkedDiv(-std::tan(m.WallDeclRad), std::sin(m.LatRad))) * 180 / m.Pi;
    const double hour = m.HourCounter * m.Pi / 180;
    const numeric::Colour colour = shell::LineColor(ctx, 9);
    // Of the cut, what the hour line of the substyle's hour keeps.
    const std::optional<HourPlaneHalf> half = substyleHalf(m.LatRad, m.WallDeclRad, m.Pi);
    if (!half) return;
    param::sweepGeneratrices(ctx, D, AngleForm::Hours, [&](const Generatrix& gen) {
        const double y = hourLineHeight(m, gen, hour);
        if (half->keeps(CylinderShadow::sunAt(param::towardsTip(m, gen), y)))
            param::plotOnGeneratrix(ctx, gen, y, colour);
    });
    // On a wall facing a little off south the substyle's plane stands almost upright.
    DrawUprightHourCut(ctx, everyGeneratrix, *half, colour);
}

void DrawCylEquinoctialParam(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    m.StyleLength = ctx.inputs.number("txtStilo");
    const double D = wallDeclination(m);
    const numeric::Colour colour = shell::LineColor(ctx, 9);
    // Where the equatorial plane through the tip crosses the generatrix (X = 0).
    param::sweepGeneratrices(ctx, D, AngleForm::Hours, [&](const Generatrix& gen) {
        const double y =
            std::tan(gen.A) * gen.w - checkedDiv(gen.g * std::tan(gen.e), std::cos(gen.A));
        param::plotOnGeneratrix(ctx, gen, y, colour);
    });
    // Near the equator the plane of the equator stands upright: its cut is drawn by heights.
    DrawUprightCut(ctx, celestialPole(m.LatRad), everyGeneratrix, everySunKept, colour);
}

}  // namespace dials::cylindrical
