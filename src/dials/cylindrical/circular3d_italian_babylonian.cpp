// Italian and Babylonian hours of the circular cylinder by 3D analytic geometry. The suns of
// one Italian (Babylonian) hour lie on a great circle, the horizon turned about the polar axis
// by the angle A (the shared sky's turned horizon of westward(A)); the plane of that circle
// through the style tip cuts the cylinder at chord x at the plane's height over that generatrix
// (planeHeightAt). A = 0 is the horizon itself for both families. Of the cut, each line keeps
// the half its own suns cast (HourPlaneHalf::ofTurnedHorizon, the turn -A towards the west): the
// other half holds the suns of the other family's hour of the same number, and the sun stands
// above the horizon: A = 0, the horizon itself, is no line. A turned horizon that stands
// almost upright is laid down the surface by the curve sampler.

#include <optional>

#include "dials/cylindrical/circular3d_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

void drawFamily(shell::Context& ctx, double from, double to, int colourIndex, bool settingHalf) {
    shell::Module1& m = ctx.m;
    const ChordFrame f = ChordFrame::from(m);
    const numeric::Colour colour = shell::LineColor(ctx, colourIndex);

    numeric::countedLoop(m.HourCounter, from, to, 15, [&](double A) {
        const double turn = A * m.Pi / 180;
        const HourPlaneHalf half =
            HourPlaneHalf::ofTurnedHorizon(f.phi, westward(turn), m.Pi, settingHalf);
        const Vec3 normal = turnedHorizonNormal(f.phi, westward(turn));
        layChordCurve(
            ctx, [&](double x) { return planeHeightAt(normal, f.towardsTip(x, 0)); },
            [&](const Vec3& sun) { return half.onOwnHalf(sun); }, colour,
            f.shadowTurns(planeLineEndSuns(f.phi, normal, half, false, m.Pi), m.Pi));
    });
}

}  // namespace

void DrawCylItalianHours3D(shell::Context& ctx) { drawFamily(ctx, 0, 180, 12, true); }

void DrawCylBabylonianHours3D(shell::Context& ctx) { drawFamily(ctx, -180, 0, 13, false); }

}  // namespace dials::cylindrical
