#pragma once
// Cutting a segment to the plot area, and the intersection of two straight lines.

#include <cstdint>

namespace plot {

// The plot area in world metres (y downward, so top < bottom for a positive height).
struct ClipArea {
    double left = 0, right = 0, top = 0, bottom = 0;
};

// Intersection of the line through (x1, y1), (x2, Y2) with the line through (x3, y3), (x4, y4).
// x and y are computed each on its own; true when both were computed (finite), false for
// parallel or coincident lines or an overflow. On false, x and y are not to be used.
bool intersezioneDueRette(double x1, double y1, double x2, double Y2, double x3, double y3,
                          double x4, double y4, double& x, double& y);

// Cuts the segment (x1, y1)-(x2, Y2) to the closed area, in place. Returns 0 when nothing is to
// be painted (the segment misses the area, touches it in a single point, or has zero length);
// otherwise a positive count and the visible part in the four arguments:
//   - both ends in the area: the segment unchanged;
//   - one end in the area: that end first, then the border point towards the other end;
//   - no end in the area: the two border points where the segment crosses, in the order of the
//     borders top, bottom, right, left.
std::int16_t ClipSegment(const ClipArea& area, double& x1, double& y1, double& x2, double& Y2);

}  // namespace plot
