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
//
// At a latitude phi the face also carries the geometry of its polar style, the line through the
// tip parallel to the polar axis (celestialPole(phi)): the elevation of that axis over the face,
// the substyle (the axis laid down on the face through the foot), the centre where the style
// meets the face, and the substyle hour.

#include <cmath>
#include <optional>

#include "geometry/dial_line.h"
#include "geometry/dial_point.h"
#include "geometry/sky.h"
#include "geometry/vec3.h"
#include "numeric/checked.h"
#include "numeric/tolerance.h"

namespace geometry {

struct Face {
    Vec3 right, up, out;

    static Face declining(double D, double R) {
        return ofSines(std::sin(D), std::cos(D), std::sin(R), std::cos(R));
    }

    // The same face given by the angle i its plane makes with the horizon (i = 90 degrees - R),
    // as a programme that measures its planes so takes them: sin i and cos i stand for cos R and
    // sin R, so that the stored Pi's right angle leaves in the face the residue it leaves in that
    // programme's own formulas.
    static Face decliningFromHorizon(double D, double i) {
        return ofSines(std::sin(D), std::cos(D), std::cos(i), std::sin(i));
    }

    // The world point of a dial point (on the face through the origin).
    Vec3 world(const DialPoint& p) const { return p.x * right + p.y * up; }
    // The dial coordinates of a world vector: its components along right and up (for a point of
    // the face, its dial point).
    DialPoint dialOf(const Vec3& w) const { return {dot(w, right), dot(w, up)}; }

    // The sun of a dial point: the direction from the point to the tip standing `length` out of
    // the face from the origin. The point is the shadow of the tip for the sun in that direction,
    // which always stands in front of the face; whether the point is drawn is a question about
    // that sun (above the horizon, of the line's hour or day), whatever sun the programme
    // computed the point from.
    Vec3 sunOf(double length, const DialPoint& p) const { return length * out - world(p); }

    // The line in which the face meets the plane through the world point `through` with the
    // normal `normal` (any length); none when the two planes are parallel or the line is not
    // finite. The line's direction has the length of out x normal.
    std::optional<DialLine> section(const Vec3& normal, const Vec3& through) const {
        // The line runs along d = out x normal; of the points on both planes (out.P = 0 and
        // normal.P = normal.through) the one nearest the origin is c (d x out) / |d|^2.
        const Vec3 d = cross(out, normal);
        const double dd = dot(d, d);
        if (!(dd > 0)) return std::nullopt;
        const double c = dot(normal, through) / dd;
        const DialLine line{dialOf(c * cross(d, out)), dialOf(d)};
        if (!std::isfinite(line.base.x) || !std::isfinite(line.base.y) ||
            !std::isfinite(line.direction.x) || !std::isfinite(line.direction.y))
            return std::nullopt;
        return line;
    }

    // Whether the line through the tip along `direction` (of any length but 0) meets the face
    // only at infinity: the direction lies in the face's plane up to what the stored Pi leaves
    // of an exact zero (its cosine with the face's normal no more than
    // numeric::kStoredPiResidue). The centre of a dial whose polar axis lies so (a wall facing
    // due east or west, a polar dial) is at infinity, and no line runs through it.
    bool meetsAtInfinity(const Vec3& direction) const {
        return std::fabs(dot(direction, out)) <= numeric::kStoredPiResidue * length(direction);
    }

    // Whether the plane through the tip with the normal `normal` (of any length but 0) meets the
    // face only at infinity: the two planes are parallel up to the same residue (the sine of
    // their angle). The meridian plane of a wall facing due east or west is so: it has no noon
    // line.
    bool parallelToPlane(const Vec3& normal) const {
        return length(cross(normal, out)) <= numeric::kStoredPiResidue * length(normal);
    }

    // The sine of the elevation of the polar axis over the face: pole . out, positive where the
    // axis rising towards the north celestial pole leaves the face on the tip's side. 0 (up to
    // rounding) on a face that holds the axis: see meetsAtInfinity.
    double polarElevationSine(double phi) const { return polarElevationSine(celestialPole(phi)); }
    // The same for the pole given as a vector (celestialPoleAtColatitude, for one).
    double polarElevationSine(const Vec3& pole) const { return dot(pole, out); }

    // The direction of the substyle on the face: the polar axis laid down on it, dialOf(pole),
    // of the length of the cosine of the elevation (no length on a face perpendicular to the
    // axis, which has no substyle). The substyle runs along it through the foot and the centre.
    DialPoint substyleDirection(double phi) const { return dialOf(celestialPole(phi)); }

    // The centre: where the polar style through the tip standing `length` out of the face meets
    // it, -(length / pole.out) dialOf(pole); none where the axis meets the face only at infinity.
    std::optional<DialPoint> centre(double length, double phi) const {
        const Vec3 pole = celestialPole(phi);
        if (meetsAtInfinity(pole)) return std::nullopt;
        const double k = length / dot(pole, out);
        const DialPoint along = dialOf(pole);
        return DialPoint{-k * along.x, -k * along.y};
    }

    // The substyle hour: the hour angle (west positive, radians in -pi..pi) at which the
    // equinox sun shines most squarely on the face, so that its shadow of the polar style falls
    // along the substyle: the angle of out's components along the equator's noon point and west
    // (-out.x, which keeps the sign of a zero component: a face whose substyle is at midnight
    // gets -pi where its west component is -0).
    double substyleHour(double phi) const {
        const EquatorComponents c = equatorComponents(phi);
        return std::atan2(c.west, c.noon);
    }

    // The substyle hour as an hour line, within -pi/2..pi/2 (the line of h is also the line of
    // h +- pi): the angle of the same components turned to the noon side. Formed so, it keeps its
    // digits where the substyle hour lies next to midnight (a face turned north), where folding
    // substyleHour, an angle next to +-pi, would leave only its absolute rounding.
    double substyleHourLine(double phi) const {
        const EquatorComponents c = equatorComponents(phi);
        return std::signbit(c.noon) ? std::atan2(-c.west, -c.noon) : std::atan2(c.west, c.noon);
    }

    // The polar style as the programmes that lay out a vertical plane count it: the style's
    // elevation, positive where the axis rising to the pole runs into the face behind the tip
    // (the arc sine of minus polarElevationSine); the substyle's angle from the face's up,
    // counterclockwise, within a quarter turn; and minus substyleHourLine, as their hour lines
    // count the hours from the substyle. Throws numeric::NumericFailure where the substyle lies
    // level (on a vertical face, at the equator), which each programme takes its own way.
    struct StyleAngles {
        double elevation, substyle, hour;
    };
    StyleAngles styleAngles(double phi, double pi) const {
        const DialPoint along = substyleDirection(phi);
        return {numeric::ArcSin(-polarElevationSine(phi), pi),
                std::atan(numeric::checkedDiv(-along.x, along.y)), -substyleHourLine(phi)};
    }

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

private:
    // out's components along the equator's west point and its noon point; -out.x keeps the sign
    // of a zero component.
    struct EquatorComponents {
        double west, noon;
    };
    EquatorComponents equatorComponents(double phi) const {
        return {-out.x, dot(out, equatorPoint(phi, 0))};
    }

    static Face ofSines(double sinD, double cosD, double sinR, double cosR) {
        return {{cosD, -sinD, 0},
                {sinD * sinR, cosD * sinR, cosR},
                {-sinD * cosR, -cosD * cosR, sinR}};
    }
};

}  // namespace geometry
