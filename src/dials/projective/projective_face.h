#pragma once
// What the former and the latter projective programmes read and draw alike, straight from the
// dial's face: both read the plane into the same shared variables.

#include "geometry/face.h"
#include "shell/context.h"
#include "shell/module1.h"

namespace dials::projective {

// Reads the hour step, the stored Pi, the latitude, the wall's declination (folded onto the same
// wall within -180..180), the reclination and the perpendicular style into the shared variables.
// An hour fraction of 0 throws numeric::NumericFailure and stops the run.
void ReadProjectivePlane(shell::Context& ctx);

// The dial's face in the world frame (x east, y north, z up): declining WallDeclRad (west
// positive) and reclined ReclRad, its right and up the dial's axes from the foot of the style,
// its out the side of the tip. A sun seen in the dial's axes is (dot(sun, right), dot(sun, up),
// dot(sun, out)); Face::shadow casts the tip.
inline geometry::Face dialFace(const shell::Module1& m) {
    return geometry::Face::declining(m.WallDeclRad, m.ReclRad);
}

// Where the plane of the equator through the tip cuts the dial, laid across the whole plot area
// by the shared sampler, whatever its direction and however far the centre lies (the sun of the
// equinox, by day or by night, casts the tip's shadow on the whole line). A style perpendicular
// to the plane has its equinoctial at infinity: nothing is drawn.
void DrawEquinoctialProj(shell::Context& ctx);

// The horizon, the line of the dial level with the tip, across the plot area.
void DrawHorizonProj(shell::Context& ctx);

}  // namespace dials::projective
