#pragma once
// The shadow of the tip of a perpendicular style on a flat face for the sun of an hour angle and
// a declination, with the two terms of the projection the programmes keep.
//
// The sun of hour angle H and declination delta is projected as s = equatorPoint(H) +
// tan(delta) pole, its direction divided by cos(delta). The terms, read off the face's vectors,
// are those of the spherical-trigonometry formulas of a declining and reclining plane:
//   polar       = pole . out, the sine of the polar axis's elevation over the face
//                 (Face::polarElevationSine);
//   denominator = s . out = equatorPoint(H) . out + tan(delta) polar, the cosine of the sun's
//                 angle to the face's normal over cos(delta): positive for a sun in front of
//                 the face, 0 for a sun in its plane;
//   point       = Face::shadow of s, -length (s . right, s . up) / denominator.

#include <optional>

#include "geometry/dial_point.h"
#include "geometry/face.h"

namespace geometry {

struct SunProjection {
    double polar = 0;
    double denominator = 0;
    // None where the sun lies in the face's plane (a denominator of 0) or a coordinate is not
    // finite.
    std::optional<DialPoint> point;
};

// The projection through the tip standing `length` out of `face` of the sun of hour angle H
// (radians, west positive) and declination delta (radians) at the latitude phi. The point is
// the tip's shadow only for a sun in front of the face; for a sun behind it, it is the shadow of
// the opposite sun (H + 180 degrees, -delta).
SunProjection projectSun(const Face& face, double phi, double H, double delta, double length);

}  // namespace geometry
