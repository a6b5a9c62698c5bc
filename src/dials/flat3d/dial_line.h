#pragma once
// Straight lines of the dial plane: the line in which the dial meets a plane through the style
// tip (an hour plane, the meridian, the plane of the equator: geometry::Face::section), and which
// points of an hour line the tip's shadow reaches. Each line is drawn across the plot area by
// plotLineInArea (dials/plot_line.h), 2 mm apart along the dial axis the line runs most along: a
// line that keeps one world coordinate (almost) constant, such as the noon line or an hour line
// lying almost in a meridian plane, is drawn as densely as any other, whichever coordinate the
// programme's free variable steps.

#include <optional>

#include "dials/cone_sections.h"
#include "dials/flat3d/plane.h"
#include "dials/plot_line.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "geometry/vec3.h"

namespace dials::flat3d {

// The style tip of the plane.
inline Vec3 tipOf(const PlaneGeometry& g) { return {g.X0, g.Y0, g.Z0}; }

// The plane as the shadows of its tip fall on it: the tip, the dial's axes and the polar axis.
inline ConeFrame coneFrameOf(const PlaneGeometry& g) {
    return {tipOf(g), g.face.right, g.face.up, celestialPole(g.phi)};
}

// Whether the hour plane of H (radians, east positive) through the tip meets the dial only at
// infinity (geometry::Face::parallelToPlane): on a plane holding the polar axis, the hour whose
// suns lie in the plane (the 6 and 18 h of a polar dial, noon on a wall facing due east or west).
// That hour has no line.
inline bool hourPlaneParallel(const PlaneGeometry& g, double H) {
    return g.face.parallelToPlane(hourPlaneNormal(g.phi, westward(H)));
}

// The line of hour angle H (radians, east positive): where the dial meets the hour plane of H
// through the tip; none for an hour plane parallel to the dial.
inline std::optional<DialLine> hourLine(const PlaneGeometry& g, double H) {
    if (hourPlaneParallel(g, H)) return std::nullopt;
    return g.face.section(hourPlaneNormal(g.phi, westward(H)), tipOf(g));
}

// Which points of the line of hour angle H (radians, east positive) the tip's shadow reaches:
// the half of the hour plane the suns of H light (geometry::HourPlaneHalf, whose hour angles count
// west positive), from the centre on. Beyond the centre lies the line of H + 180; a flat dial
// keeps it whole when a sun of that hour lights it on some day of the year (above the horizon,
// in front of the plane), unless the caller draws it as a line of its own. A plane parallel to
// the polar axis has no centre: each whole line is the line of H or wholly that of H + 180, kept
// by the same rule (on an east wall the line of loop value 2 p.m. is that of 2 a.m., which no sun
// above the horizon reaches).
inline auto litPartOfHourLine(const PlaneGeometry& g, double H, double pi,
                              bool otherHalfDrawnElsewhere) {
    const HourPlaneHalf half(g.phi, westward(H), pi, otherHalfDrawnElsewhere);
    const bool wholeExtension = half.otherHalfLitInTheYear(tipOf(g));
    return [g, half, wholeExtension](const DialPoint& p) {
        return wholeExtension || half.onOwnHalf(tipOf(g) - g.face.world(p));
    };
}

}  // namespace dials::flat3d
