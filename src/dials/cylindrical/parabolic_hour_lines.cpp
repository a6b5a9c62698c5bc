// Hour, substyle and equinoctial lines of the parabolic dial: each is the cut of the cylinder by
// a plane through the tip (the shared sky's hour plane, which holds the polar axis, or the plane
// of the equator), so over each sample of the section its height is the plane's over that
// generatrix (planeHeightAt).
//
// The angle h of an hour plane is taken in the frame of the convex side, where the axis
// coordinate Q runs north. On the concave side Q runs south, which turns the plane of angle h
// into that of -h: there the line of loop value H is the hour angle -H (west positive), and the
// standard-meridian correction is taken with the side sign so that it moves every line the same
// way on both sides.
//
// An hour plane holds the suns of its hour and those twelve hours away. The half lit by the
// line's own hour is its hour line; a point of the other half is kept only where that other sun
// is a real one (above the horizon, within the solstices), and not at all when the loop draws the
// other half itself: the lines of -90 and +90 lie in one plane, and each then keeps its own half
// (the shared sky's HourPlaneHalf).

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/parabolic_procedures.h"
#include "dials/six_oclock.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::cylindrical {

void DrawParabolicHourLines(shell::Context& ctx, const ParabolicFrame& f) {
    shell::Module1& m = ctx.m;
    const bool bothSixes = loopDrawsBothSixOClockLines(m.HourStep);
    // Samples X from -1 to 1.5 of each hour plane through the tip, keeping the points a real sun
    // casts (see the file's head): lit, and kept by the plane's half. A plane a little off the
    // meridian stands almost upright: the curve sampler lays it down the surface as densely as
    // across it.
    const GeneratrixSweep sweep = parabolicSweep(ctx, f, -1, 1.5);
    numeric::countedLoop(m.HourAngleRad, -90, 90, m.HourStep, [&](double H) {
        m.HourLoop = H * m.Pi / 180 - f.E * (f.s * f.Z0);
        // The line of true noon is the noon generatrix.
        if (isNoon(m.HourLoop)) return;
        const bool otherHalfDrawn = bothSixes && isSixOClock(H);
        layHourLine(ctx, sweep, HourPlaneHalf(f.phi, f.s * m.HourLoop, m.Pi, otherHalfDrawn),
                    !otherHalfDrawn, shell::LineColor(ctx, hourLineColourIndex(H, false)));
    });
}

void DrawParabolicSubstyleLine(shell::Context& ctx, const ParabolicFrame& f) {
    const HourPlaneHalf half = substyleHalf(f.phi, ctx.m.WallDeclRad, ctx.m.Pi);
    // At declination 0 the substyle is the noon generatrix.
    if (half.hourAngle() == 0) return;
    layHourLine(ctx, parabolicSweep(ctx, f, -1, 1.5), half, true,
                shell::LineColor(ctx, palette::kLightBlue));
}

void DrawParabolicEquinoctialLine(shell::Context& ctx, const ParabolicFrame& f) {
    const numeric::Colour colour = shell::LineColor(ctx, palette::kLightBlue);
    const Vec3 pole = celestialPole(f.phi);
    // Every sun of the equator is one of the year.
    layPlaneCut(parabolicSweep(ctx, f, -1, 1.5), pole, everySunKept, colour, horizonSuns(pole));
    // At the equator the plane of the equator stands upright: its cut is drawn by heights.
    DrawParabolicUprightCut(ctx, f, pole, -1, 1.5, colour);
}

}  // namespace dials::cylindrical
