// Hour lines of the circular cylinder by 3D analytic geometry: for each hour angle H the plane
// through the style tip that contains the polar axis and the sun of H (the shared sky's hour
// plane of westward(H)) cuts the cylinder; at chord x its height is the plane's over that
// generatrix (planeHeightAt). The line of true noon is left to the noon generatrix. Of the cut,
// the points the hour plane's half keeps are drawn. A line a little off true noon stands almost
// upright: the curve sampler lays it down the surface as densely as across it. Then the Italian
// and Babylonian hours (drawTurnedHorizons): the horizon turned from 0 to 180 degrees towards
// the east, and from -180 to 0; the turn 0, the horizon itself, is no line of either.

#include "dials/cylindrical/circular3d_procedures.h"
#include "dials/cylindrical/cyl_shared.h"
#include "dials/six_oclock.h"
#include "geometry/face.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawCylHourLines3D(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const double E = shell::ticked(ctx, "ck_Etna") ? 1 : 0;
    const ChordFrame f = ChordFrame::from(m);

    // The elevation of the polar axis over the plane tangent at the foot, counted positive where
    // the axis's southern end leaves the face towards the tip: minus the face's own sine.
    numeric::assignOrSkip(m.StyleElevRad, [&] {
        return shell::ArcSin(m, -Face::declining(f.D, 0).polarElevationSine(f.phi));
    });

    const GeneratrixSweep sweep = chordSweep(ctx);
    const bool bothSixes = loopDrawsBothSixOClockLines(m.HourStep);
    numeric::countedLoop(m.HourCounter, -90, 90, m.HourStep, [&](double counter) {
        const numeric::Colour colour = shell::LineColor(ctx, hourLineColourIndex(counter, false));
        const double H = counter * m.Pi / 180 + E * m.ZoneCorrRad;
        // The hour angle of the line being drawn stays in the shared record while it is drawn.
        m.HourAngleRad = H;
        // The line of true noon is the noon generatrix (DrawCylNoonLine).
        if (isNoon(H)) return;
        const bool otherHalfDrawn = bothSixes && isSixOClock(counter);
        layHourLine(ctx, sweep, HourPlaneHalf(f.phi, westward(H), m.Pi, otherHalfDrawn),
                    !otherHalfDrawn, colour);
    });
}

void DrawCylItalianHours3D(shell::Context& ctx) {
    drawTurnedHorizons(ctx, chordSweep(ctx), ctx.m.HourCounter, true, 0, 0);
}

void DrawCylBabylonianHours3D(shell::Context& ctx) {
    drawTurnedHorizons(ctx, chordSweep(ctx), ctx.m.HourCounter, false, -180, 0);
}

}  // namespace dials::cylindrical
