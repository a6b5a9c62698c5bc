#pragma once
// Straight lines of the dial plane: the line in which the dial meets a plane through the style
// tip (an hour plane, the meridian, the plane of the equator). Each is drawn across the plot
// area by plotLineInArea (dials/plot_line.h), 2 mm apart along the dial axis the line runs most
// along: a line that keeps one world coordinate (almost) constant, such as the noon line or an
// hour line lying almost in a meridian plane, is drawn as densely as any other, whichever
// coordinate the programme's free variable steps.

#include <optional>

#include "dials/flat3d/plane.h"
#include "dials/plot_line.h"

namespace dials::flat3d {

// The style tip of the plane.
inline WorldPoint tipOf(const PlaneGeometry& g) { return {g.X0, g.Y0, g.Z0}; }

// The line in which the dial plane meets the plane through the point `through` with the normal
// `normal`; none when the two planes are parallel.
std::optional<DialLine> sectionOfPlane(const PlaneGeometry& g, const WorldPoint& normal,
                                       const WorldPoint& through);

// The line of hour angle H (radians, east positive): where the dial meets the plane through the
// tip that contains the polar axis and the sun of H.
std::optional<DialLine> hourLine(const PlaneGeometry& g, double H);

}  // namespace dials::flat3d
