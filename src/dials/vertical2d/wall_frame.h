#pragma once
// The wall of both vertical programmes in the world frame of the shared sky (dials/sky.h: x east,
// y north, z up; hour angles west positive, so the afternoon counts positive on the wall): a
// vertical face (dials::Face) declining D, west positive, with the tip of the perpendicular style
// at the style length out of it. Dial coordinates are metres along the face's right and up from
// the style foot.
//
// The sun "of" a dial point is the direction from it to the tip. A plane through the tip with
// normal n cuts the wall in the line a x + b y = c of LineEquation; the points on its side
// onLowerSide are those whose sun has a positive component along n.

#include <optional>

#include "dials/cone_sections.h"
#include "dials/dial_point.h"
#include "dials/face.h"
#include "dials/plot_line.h"
#include "dials/sky.h"
#include "dials/vec3.h"
#include "shell/module1.h"

namespace dials::vertical2d {

// The shadow of the style tip for one sun: where the sun's line through the tip meets the wall.
struct WallShadow {
    DialPoint at;
    bool sunInFront = false;  // the sun shines on the face of the wall
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

    // The direction from the dial point p to the tip: the sun whose shadow of the tip falls there.
    Vec3 sunOf(const DialPoint& p) const { return tip_ - face_.world(p); }
    // The unit vector towards the sun of an hour angle and a declination, radians.
    Vec3 sun(double hourAngle, double declination) const {
        return sunDirection(phi_, hourAngle, declination);
    }

    // The shadow of the tip for the sun of an hour angle and a declination (radians); none when
    // the sun's direction lies in the plane of the wall or the point is not finite. Independent
    // of any substyle frame, so it holds on every wall, at the equator too.
    std::optional<WallShadow> shadow(double hourAngle, double declination) const;

    // The line in which the plane through the tip with the given normal cuts the wall.
    LineEquation planeThroughTip(const Vec3& normal) const;
    // The hour line through the centre of the hour angles hourAngle +- 90 degrees: the shadows of
    // the suns within six hours of hourAngle lie on its side onLowerSide (the line itself
    // excluded). It is the own half of dials::HourPlaneHalf of hourAngle, laid on the wall.
    LineEquation withinSixHours(double hourAngle) const {
        return planeThroughTip(equatorPoint(phi_, hourAngle));
    }
    // The line of the horizon turned about the polar axis by the hour angle `turn`, the line of an
    // Italian or Babylonian hour: the plane's normal is the zenith turned so, the point of
    // declination phi at hour angle `turn`. That is the vector of dials::turnedHorizonNormal,
    // formed here as the sun of that point: the light graph samples the line point by point up
    // to the edge of the plot area, where the last bits of the other form add or drop a point.
    LineEquation turnedHorizon(double turn) const {
        return planeThroughTip(sunDirection(phi_, turn, phi_));
    }
    // The wall for the declination lines' cone cut (dials/cone_sections.h).
    ConeFrame coneFrame() const { return {tip_, face_.right, face_.up, celestialPole(phi_)}; }

private:
    double phi_, styleLength_;
    Face face_;
    Vec3 tip_;
};

}  // namespace dials::vertical2d
