// Hour lines of the circular cylinder by 3D analytic geometry: for each hour angle H the plane
// through the style tip that contains the polar axis and the sun of H cuts the cylinder; at
// chord x its height is N / M. The line of true noon is left to the noon generatrix. Of the cut,
// the points the hour plane's half keeps are drawn (the shared sky's, of hour angle westward(H)). A line
// a little off true noon stands almost upright: the curve sampler lays it down the surface as
// densely as across it.

#include <cmath>
#include <optional>

#include "dials/cylindrical/circular3d_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

namespace {

int hourColour(double counter) {
    if (counter == 90) return 9;
    if (counter == 0) return 12;
    return 7;
}

}  // namespace

void DrawCylHourLines3D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double E = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    ctx.ixPlot1();
    const ChordFrame f = ChordFrame::from(m);
    const double cosD = std::cos(f.D), cosPhi = std::cos(f.phi);

    numeric::assignOrSkip(m.StyleElevRad, [&] {
        return std::atan(numeric::checkedDiv(
            cosPhi * cosD, numeric::checkedSqrt(1 - cosD * cosD * cosPhi * cosPhi)));
    });

    const bool bothSixes = loopDrawsBothSixOClockLines(m.HourStep);
    numeric::countedLoop(m.HourCounter, -90, 90, m.HourStep, [&](double counter) {
        const numeric::Colour colour = shell::LineColor(ctx, hourColour(counter));
        m.HourAngleRad = counter * m.Pi / 180 + E * m.ZoneCorrRad;
        const double H = m.HourAngleRad;
        if (H == 0) return;
        const HourPlaneHalf half(f.phi, westward(H), m.Pi, bothSixes && isSixOClock(counter));
        const double sinPhi = std::sin(f.phi), tanH = std::tan(H), tanD = std::tan(f.D);
        const double M = tanH * cosPhi * cosD + cosPhi * std::sin(f.D) * tanH * tanD;
        layChordCurve(
            ctx,
            [&](double x) -> std::optional<double> {
                const double z = f.depth(x);
                const double N =
                    (f.L + z) * (tanD + tanH * sinPhi) + x * (1 - sinPhi * tanH * tanD);
                return numeric::checkedDiv(N, M);
            },
            [&](const Vec3& sun) { return half.keeps(sun); }, colour);
    });
}

}  // namespace dials::cylindrical
