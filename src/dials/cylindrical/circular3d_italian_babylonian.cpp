// Italian and Babylonian hours of the circular cylinder by 3D analytic geometry. The suns of
// one Italian (Babylonian) hour lie on a great circle, the horizon turned about the polar axis
// by the angle A; the plane of that circle through the style tip cuts the cylinder at height
// N / M at chord x. A = 0 is the horizon itself for both families. Of the cut, each line keeps
// the half its own suns cast (HourPlaneHalf::ofTurnedHorizon, the turn -A towards the west): the
// other half holds the suns of the other family's hour of the same number. A turned horizon
// that stands upright is drawn by heights.

#include <cmath>

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
        const HourPlaneHalf half = HourPlaneHalf::ofTurnedHorizon(f.phi, -turn, m.Pi, settingHalf);
        sweepChord(ctx, [&](double x) {
            m.HourAngleRad = A * m.Pi / 180;
            const double a = m.HourAngleRad;
            if (!f.shadowReaches(x)) return;
            const double N =
                x * (sinD * sinPhi - sinD * sinPhi * std::cos(a) - cosD * std::sin(a)) +
                (f.depth(x) + f.L) *
                    (sinPhi * cosD * std::cos(a) - sinD * std::sin(a) - cosD * sinPhi);
            const double M = sinPhi * tanPhi + cosPhi * std::cos(a);
            const double y = numeric::checkedDiv(N, M);
            if (half.keeps(f.towardsTip(x, y))) plotChordPoint(ctx, x, y, colour);
        });
        // Where the turned horizon stands upright (cos A = -tan^2 phi), by heights.
        DrawUprightCut(ctx, turnedHorizonNormal(f.phi, -turn), withinChordFrame(m),
                       [&](const Vec3& sun) { return half.keeps(sun); }, colour);
    });
}

}  // namespace

void DrawCylItalianHours3D(shell::Context& ctx) { drawFamily(ctx, 0, 180, 12, true); }

void DrawCylBabylonianHours3D(shell::Context& ctx) { drawFamily(ctx, -180, 0, 13, false); }

}  // namespace dials::cylindrical
