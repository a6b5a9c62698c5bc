#pragma once
// A flat dial face in the world frame (x east, y north, z up): its axes, the carrying of points
// between the world and the dial, and the shadow of a style tip standing out of it.
//
// A face declining by D (radians, west positive: 0 faces due south, 90 degrees due west) and
// reclined by R (radians: 0 a vertical wall, 90 degrees the horizontal plane facing up) has
//   right = (cos D, -sin D, 0)                       the dial's x, horizontal,
//   up    = (sin D sin R, cos D sin R, cos R)        the dial's y, up the line of greatest slope,
//   out   = (-sin D cos R, -cos D cos R, sin R)      out of the face, towards the tip.
// Dial coordinates are metres along right and up from the foot of the perpendicular style.

#include <cmath>

#include "dials/dial_point.h"
#include "dials/vec3.h"
#include "numeric/checked.h"

namespace dials {

struct Face {
    Vec3 right, up, out;

    static Face declining(double D, double R) {
        const double sinD = std::sin(D), cosD = std::cos(D);
        const double sinR = std::sin(R), cosR = std::cos(R);
        return {{cosD, -sinD, 0},
                {sinD * sinR, cosD * sinR, cosR},
                {-sinD * cosR, -cosD * cosR, sinR}};
    }

    // The world point of a dial point (on the face through the origin).
    Vec3 world(const DialPoint& p) const { return p.x * right + p.y * up; }
    // The dial coordinates of a world vector: its components along right and up (for a point of
    // the face, its dial point).
    DialPoint dialOf(const Vec3& w) const { return {dot(w, right), dot(w, up)}; }

    // The shadow of the tip standing `length` out of the face from the origin (length * out), for
    // the sun in the direction `sun`: where the ray from the tip away from the sun meets the
    // face. Throws numeric::NumericFailure when the sun lies in the face's plane or the point is
    // not finite. The point is a shadow only for a sun in front of the face (dot(sun, out) > 0
    // for a positive length).
    DialPoint shadow(double length, const Vec3& sun) const {
        const double reach = numeric::checkedDiv(length, dot(sun, out));
        return {numeric::checkFinite(-reach * dot(sun, right)),
                numeric::checkFinite(-reach * dot(sun, up))};
    }
};

}  // namespace dials
