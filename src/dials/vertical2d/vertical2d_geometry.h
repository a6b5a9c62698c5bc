#pragma once
// Geometry shared by the procedures of the vertical dial by 2D analytic geometry.
//
// The equinoctial frame: origin where the substyle crosses the equinoctial line, X along the
// equinoctial, Y along the substyle towards the centre. On the equinoctial the hour line of hour
// angle h (counted from the substyle) crosses at X = (L / cos e) tan h.

#include <cmath>

#include "dials/dial_point.h"
#include "dials/vec3.h"
#include "dials/vertical2d/wall_lines.h"
#include "numeric/checked.h"
#include "plot/plot_surface.h"
#include "shell/module1.h"

namespace dials::vertical2d {

// Latitude inside the band where the day circle grazing the horizon is defined and off the
// equator: where the Italian and Babylonian hours exist.
inline bool italBabBand(const shell::Module1& m) {
    return m.LatDecimal > -66.55 && m.LatDecimal < 66.55 && m.LatDecimal != 0;
}

// The dial point of the equinoctial-frame point (X, Y), with substyle angle S and the distance P
// from the style foot to the equinoctial along the substyle. Throws when a coordinate is not
// finite.
inline DialPoint fromEquinoctial(double X, double Y, double S, double P) {
    const double sinS = std::sin(S), cosS = std::cos(S);
    return {numeric::checkFinite(X * cosS + Y * sinS - P * sinS),
            numeric::checkFinite(-X * sinS + Y * cosS - P * cosS)};
}

inline void plotDialSegment(plot::PlotSurface& plot, const DialPoint& a, const DialPoint& b,
                            numeric::Colour colour) {
    plot.xLine(a.x, -a.y, b.x, -b.y, colour);
}

// The wall in the world frame of the northern place whose dial this programme draws: for a
// southern latitude the drawing is that of the northern latitude |phi| on the mirrored wall,
// with the sun at the opposite hour angle and declination. Hour angles here are those of that
// northern dial, west positive.
struct NorthernWall {
    Vec3 axisX;      // dial x, horizontal, to the right of a viewer facing the wall
    Vec3 axisY;      // dial y, up
    Vec3 tip;        // the tip of the perpendicular style
    Vec3 pole;       // the celestial north pole
    Vec3 meridian;   // the equator's point on the meridian above the horizon
    Vec3 west;

    static NorthernWall from(const shell::Module1& m);

    Vec3 world(const DialPoint& p) const { return p.x * axisX + p.y * axisY; }
    // Unit vector towards the sun of an hour angle (west positive) and a declination, radians.
    Vec3 sun(double hourAngle, double declination) const;
    // The zenith turned about the polar axis by rho (hour angle sense): the normal of the
    // horizon's great circle with every hour angle moved on by rho.
    Vec3 turnedZenith(double rho) const;
    // The hour line through the centre of the hour angles hourAngle +- 90 degrees: the shadows
    // of the suns within six hours of hourAngle lie on its side onLowerSide.
    LineEquation withinSixHours(double hourAngle) const;
};

}  // namespace dials::vertical2d
