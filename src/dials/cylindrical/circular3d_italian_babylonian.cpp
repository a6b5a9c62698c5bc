// Italian and Babylonian hours of the circular cylinder by 3D analytic geometry. The suns of
// one Italian (Babylonian) hour lie on a great circle, the horizon turned about the polar axis
// by the angle A; the plane of that circle through the style tip cuts the cylinder at height
// N / M at chord x. A = 0 is the horizon itself for both families. Of the cut, each line keeps
// the half its own suns cast (HourPlaneHalf::ofTurnedHorizon, the turn -A towards the west): the
// other half holds the suns of the other family's hour of the same number, and the sun stands
// above the horizon: A = 0, the horizon itself, is no line. A turned horizon that stands
// almost upright is laid down the surface by the curve sampler.

#include <cmath>
#include <optional>

#include "dials/cylindrical/circular3d_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

void drawFamily(shell::Context& ctx, double from, double to, int colourIndex, bool settingHalf) {
    shell::Module1& m = ctx.m;
    const ChordFrame f = ChordFrame::from(m);
    const double sinPhi = std::sin(f.phi), cosPhi = std::cos(f.phi), tanPhi = std::tan(f.phi);
    const double sinD = std::sin(f.D), cosD = std::cos(f.D);
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);

    numeric::countedLoop(m.HourCounter, from, to, 15, [&](double A) {
        const double turn = A * m.Pi / 180;
        const HourPlaneHalf half = HourPlaneHalf::ofTurnedHorizon(f.phi, westward(turn), m.Pi, settingHalf);
        m.HourAngleRad = turn;
        const double sinA = std::sin(turn), cosA = std::cos(turn);
        const double M = sinPhi * tanPhi + cosPhi * cosA;
        layChordCurve(
            ctx,
            [&](double x) -> std::optional<double> {
                const double N = x * (sinD * sinPhi - sinD * sinPhi * cosA - cosD * sinA) +
                                 (f.depth(x) + f.L) * (sinPhi * cosD * cosA - sinD * sinA - cosD * sinPhi);
                return numeric::checkedDiv(N, M);
            },
            [&](const Vec3& sun) { return half.onOwnHalf(sun); }, colour);
    });
}

}  // namespace

void DrawCylItalianHours3D(shell::Context& ctx) { drawFamily(ctx, 0, 180, 12, true); }

void DrawCylBabylonianHours3D(shell::Context& ctx) { drawFamily(ctx, -180, 0, 13, false); }

}  // namespace dials::cylindrical
