#pragma once
// The wall of both vertical programmes in the world frame of the shared sky (geometry/sky.h: x east,
// y north, z up; hour angles west positive, so the afternoon counts positive on the wall): a
// vertical face (geometry::Face) declining D, west positive, with the tip of the perpendicular style
// at the style length out of it. Dial coordinates are metres along the face's right and up from
// the style foot.
//
// The sun "of" a dial point is the direction from it to the tip; every dial point's sun stands in
// front of the wall. A plane through the tip with normal n cuts the wall in the line
// a x + b y = c of LineEquation; the points on its side a x + b y < c are those whose sun has a
// positive component along n. That is how a rule of the sky about the sun of a point (above the
// horizon, on the own half of a line) becomes a side of a line on the wall.

#include <optional>

#include "dials/cone_sections.h"
#include "dials/plot_point.h"
#include "dials/geometry_names.h"
#include "geometry/face.h"
#include "dials/plot_line.h"
#include "geometry/sky.h"
#include "geometry/vec3.h"
#include "shell/module1.h"

namespace dials::vertical2d {

// The shadow of the style tip for one sun: where the sun's line through the tip meets the wall.
struct WallShadow {
    DialPoint at;
    bool sunInFront = false;  // the sun stands in front of the wall: its shadow falls on it
    bool cast = false;        // the sun casts the point (Wall::casts)
};

class Wall {
public:
    // A wall at the latitude phi (radians, north positive), declining D (radians, west
    // positive), with a perpendicular style of the given length (metres).
    Wall(double phi, double declination, double styleLength);

    // The wall the vertical dial by 2D analytic geometry draws: that of the northern place. Its
    // declination is kept east positive in the programme; for a southern latitude the drawing is
    // that of the northern latitude |phi| on the mirrored wall (m.WorkFlag = -1), with the sun at
    // the opposite hour angle and declination.
    static Wall northernMirror(const shell::Module1& m);
    // The light graph's wall: the latitude and the west-positive declination as read.
    static Wall lightGraph(const shell::Module1& m);

    // The latitude, radians.
    double latitude() const { return phi_; }

    // The direction from the dial point p to the tip: the sun whose shadow of the tip falls there.
    Vec3 sunOf(const DialPoint& p) const { return tip_ - face_.world(p); }
    // The unit vector towards the sun of an hour angle and a declination, radians.
    Vec3 sun(double hourAngle, double declination) const {
        return sunDirection(phi_, hourAngle, declination);
    }

    // The sun's component along the wall's outward normal: positive where the sun faces the
    // wall (WallShadow::sunInFront), 0 where it lies in the wall's plane.
    double facing(const Vec3& sun) const { return dot(sun, face_.out); }

    // Whether the sun in the direction `sun` casts the tip's shadow on the dial point p of its
    // line through the tip: p's own sun (sunOf) is that sun, not the opposite direction (which
    // it is for a sun behind the wall, whose line meets the wall on the sun's side), and stands
    // above the horizon (geometry::aboveHorizon). Whether the sun is one of the year is the
    // caller's: the suns the programmes cast so are of the year by construction.
    bool casts(const Vec3& sun, const DialPoint& p) const {
        const Vec3 own = sunOf(p);
        return dot(own, sun) > 0 && aboveHorizon(own);
    }

    // The shadow of the tip for the sun of an hour angle and a declination (radians); none when
    // the sun's direction lies in the plane of the wall (up to the stored Pi's residue,
    // geometry::Face::meetsAtInfinity) or the point is not finite. Independent
    // of any substyle frame, so it holds on every wall, at the equator too.
    std::optional<WallShadow> shadow(double hourAngle, double declination) const;

    // The line in which the plane through the tip with the given normal cuts the wall.
    LineEquation planeThroughTip(const Vec3& normal) const;
    // The horizontal through the tip, for a segment cut where its suns go down: the points on
    // its side a x + b y < c are those whose sun has a positive height. geometry::aboveHorizon asks
    // the height to pass kStoredPiResidue of the sun's length, which moves the line by less than
    // that part of the distance to the tip: nothing the end of a drawn segment can show.
    LineEquation sunAboveHorizon() const { return planeThroughTip({0, 0, 1}); }
    // The boundary of the own half of `half` (geometry::HourPlaneHalf) on the wall: the points on its
    // side a x + b y < c are those whose sun lies on the own half, the boundary itself left to the
    // line (HourPlaneHalf::onOwnHalf keeps it; a segment drawn up to it draws it).
    LineEquation ownHalf(const HourPlaneHalf& half) const {
        // half.along is linear: along(sunOf(p)) = along(tip) - x along(right) - y along(up).
        return {half.along(face_.right), half.along(face_.up), half.along(tip_)};
    }
    // The line of the horizon turned about the polar axis by the hour angle `turn`, the line of an
    // Italian or Babylonian hour (geometry::turnedHorizonNormal).
    LineEquation turnedHorizon(double turn) const {
        return planeThroughTip(turnedHorizonNormal(phi_, turn));
    }
    // The wall for the declination lines' cone cut (dials/cone_sections.h).
    ConeFrame coneFrame() const { return {tip_, face_.right, face_.up, celestialPole(phi_)}; }

private:
    double phi_, styleLength_;
    Face face_;
    Vec3 tip_;
};

}  // namespace dials::vertical2d
