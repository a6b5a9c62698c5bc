#pragma once
// Straight lines of the dial plane: the line in which the dial meets a plane through the style
// tip (an hour plane, the meridian, the plane of the equator), and the run of points that draws
// it across the plot area.
//
// The points are taken along the line itself, 0.002 m apart along the dial axis the line runs
// most along, wherever it crosses the plot area. A line that keeps one world coordinate (almost)
// constant, such as the noon line or an hour line lying almost in a meridian plane, is therefore
// drawn as densely as any other, whichever coordinate the programme's free variable steps.

#include <optional>
#include <vector>

#include "dials/flat3d/plane.h"

namespace dials::flat3d {

// The points base + s * direction of the dial plane, dial coordinates (x = u, y = v).
struct DialLine {
    DialPoint base;       // the point of the line nearest the foot of the style
    DialPoint direction;  // not of unit length
};

// The style tip of the plane.
inline WorldPoint tipOf(const PlaneGeometry& g) { return {g.X0, g.Y0, g.Z0}; }

// The line in which the dial plane meets the plane through the point `through` with the normal
// `normal`; none when the two planes are parallel.
std::optional<DialLine> sectionOfPlane(const PlaneGeometry& g, const WorldPoint& normal,
                                       const WorldPoint& through);

// The line of hour angle H (radians, east positive): where the dial meets the plane through the
// tip that contains the polar axis and the sun of H.
std::optional<DialLine> hourLine(const PlaneGeometry& g, double H);

// The distance between two points of a line along the axis it runs most along, metres.
inline constexpr double kLineStep = 0.002;

// The points of the line inside the plot area, at whole multiples of kLineStep on the dial axis
// the line runs most along.
std::vector<DialPoint> pointsInPlotArea(const plot::PlotSurface& plot, const DialLine& line);

// Plots the points of the line inside the plot area for which keep(point) holds.
template <class Keep>
void plotLineInArea(plot::PlotSurface& plot, numeric::Colour colour,
                    const std::optional<DialLine>& line, Keep&& keep) {
    if (!line) return;
    for (const DialPoint& p : pointsInPlotArea(plot, *line))
        if (keep(p)) plotDialPoint(plot, p, colour);
}

}  // namespace dials::flat3d
