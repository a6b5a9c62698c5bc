#pragma once
// The projection the sky lines share: the shadow of the style tip on a flat dial for a sun of
// hour angle H (radians, 0 at noon, positive towards the west) and declination delta (radians),
// geometry::projectSun, in the dial coordinates of the programmes (metres from the foot of the
// perpendicular style; the point (x, y) goes to the plot as (x, -y) in the north).

#include <cmath>

#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "geometry/sun_projection.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"

namespace dials::sky_lines {

struct SkyPlane {
    double phi = 0;     // latitude, radians
    Face face;          // the plane
    double length = 0;  // the perpendicular style, metres

    // The plane of declination D and reclination R (radians) given by its angle to the horizon,
    // pi / 2 - R in the programme's value of pi (Face::decliningFromHorizon), as the sky lines
    // take it.
    static SkyPlane of(double phi, double D, double R, double length, double pi) {
        return {phi, Face::decliningFromHorizon(D, pi / 2 - R), length};
    }
};

// The shadow of the tip for one sun: the point, and the denominator of the projection, whose
// sign tells on which side of the plane the sun stands.
struct SkyShadow {
    DialPoint point;
    double denominator = 0;
};

// Projects the sun of (H, delta) onto the plane. Throws numeric::NumericFailure when the
// denominator is not finite or the sun lies in the plane (no point).
SkyShadow projectShadow(const SkyPlane& plane, double H, double delta);

// Whether the sun of the shadow stands in front of the plane, so that the point is the shadow it
// really casts and not the point of the opposite direction. hemisphere is +1 for a latitude not
// below 0 and -1 south of the equator, where the sky lines compute in a frame turned over east
// to west and draw (-x, y).
inline bool sunInFront(const SkyShadow& s, double hemisphere) {
    return hemisphere * s.denominator > 0;
}

// Whether the sun of hour angle H and declination delta at the latitude phi (radians) stands
// above the horizon (geometry::aboveHorizon).
bool sunAboveHorizon(double phi, double H, double delta);

// Whether the shadow of the sun of (H, delta) is one a real sun casts: its sun stands in front
// of the plane and above the horizon (whatever its declination: the sky lines bound their own
// days). Every sky line draws only such points.
inline bool inFrontAndAboveHorizon(const SkyShadow& s, double hemisphere, double phi, double H,
                                   double delta) {
    return sunInFront(s, hemisphere) && sunAboveHorizon(phi, H, delta);
}

// Sends a sky-line point to the plot: (x, -y) in the north, (-x, y) in the south.
void plotSkyPoint(plot::PlotSurface& plot, const DialPoint& p, double hemisphere,
                  numeric::Colour colour);

}  // namespace dials::sky_lines
