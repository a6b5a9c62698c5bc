#pragma once
// The projection the sky lines share: the shadow of the style tip on a flat dial for a sun of
// hour angle H (radians, 0 at noon, positive towards the west) and declination delta (radians),
// in the dial coordinates of the programmes by spherical trigonometry (metres from the foot of
// the perpendicular style; the point (x, y) goes to the plot as (x, -y) in the north).

#include "numeric/palette.h"
#include "plot/plot_surface.h"
#include "shell/module1.h"

namespace dials::sky_lines {

struct SkyPlane {
    double phi = 0;     // latitude, radians
    double D = 0;       // declination of the plane, radians
    double beta = 0;    // the plane's angle from the horizontal: Pi / 2 - reclination
    double length = 0;  // the perpendicular style, metres
};

struct SkyPoint {
    double x = 0;
    double y = 0;
};

// Stores the two terms of the projection in m.PointX (sin phi cos beta - sin beta cos phi cos D)
// and m.PointY (its denominator), then returns the point. Throws numeric::NumericFailure when
// the denominator is 0 (the sun's direction parallel to the plane) or a result is not finite;
// m.PointY keeps its previous value when its own computation failed.
SkyPoint projectSun(shell::Module1& m, const SkyPlane& plane, double H, double delta);

// Whether the sun of the last projectSun stands in front of the plane, so that the point is the
// shadow it really casts and not the point of the opposite direction. hemisphere is +1 for a
// latitude not below 0 and -1 south of the equator, where the sky lines compute in a frame
// turned over east to west and draw (-x, y).
inline bool sunInFront(const shell::Module1& m, double hemisphere) {
    return hemisphere * m.PointY > 0;
}

// Whether the sun of hour angle H and declination delta at the latitude phi (radians) stands
// above the horizon (dials::aboveHorizon).
bool sunAboveHorizon(double phi, double H, double delta);

// Whether the point of the last projectSun is a shadow a real sun casts: its sun stands above
// the horizon and in front of the plane. Every sky line draws only such points.
inline bool castByRealSun(const shell::Module1& m, double hemisphere, double phi, double H,
                          double delta) {
    return sunInFront(m, hemisphere) && sunAboveHorizon(phi, H, delta);
}

// Sends a sky-line point to the plot: (x, -y) in the north, (-x, y) in the south.
void plotSkyPoint(plot::PlotSurface& plot, const SkyPoint& p, double hemisphere,
                  numeric::Colour colour);

}  // namespace dials::sky_lines
