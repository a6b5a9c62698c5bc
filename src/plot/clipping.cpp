// Segment clipping against the plot area.
//
// The line through the segment is intersected with the four border lines; the border points
// that lie on the area are the chord of that line; the part of the chord that belongs to the
// segment is what is painted. Working with the chord's parameter along the segment (rather than
// comparing coordinates exactly) keeps the result right for segments through a corner, along a
// border, or ending exactly on a border, and against the last-bit rounding of the
// intersections.

#include "plot/clipping.h"

#include <algorithm>
#include <cmath>

#include "numeric/checked.h"
#include "numeric/skip.h"

namespace plot {

namespace {

// num / den into out when it is a finite number; out untouched otherwise. Parallel lines
// (den == 0) are common (every horizontal or vertical segment has two), so they are answered
// without going through an exception.
bool quotient(double num, double den, double& out) {
    if (den == 0 || std::isnan(num)) return false;
    return numeric::assignOrSkip(out, [&] { return numeric::checkedDiv(num, den); });
}

struct Pt {
    double x, y;
};

}  // namespace

bool intersezioneDueRette(double x1, double y1, double x2, double Y2, double x3, double y3,
                          double x4, double y4, double& x, double& y) {
    const double D = (Y2 - y1) * (x4 - x3) - (y4 - y3) * (x2 - x1);
    bool ok = true;
    ok &= quotient((y3 - y1) * (x2 - x1) * (x4 - x3) + (Y2 - y1) * (x4 - x3) * x1 -
                       (y4 - y3) * (x2 - x1) * x3,
                   D, x);
    ok &= quotient((x3 - x1) * (Y2 - y1) * (y4 - y3) + (x2 - x1) * (y4 - y3) * y1 -
                       (x4 - x3) * (Y2 - y1) * y3,
                   -D, y);
    return ok;
}

std::int16_t ClipSegment(const ClipArea& a, double& x1, double& y1, double& x2, double& Y2) {
    const Pt p1{x1, y1}, p2{x2, Y2};

    // Slack for the rounding of the intersections, which grows with the size of the numbers
    // involved; for ordinary coordinates (tens of metres) about 1e-10 m, far below a twip.
    const double eps =
        1e-12 * (1 + std::max({std::fabs(a.left), std::fabs(a.right), std::fabs(a.top),
                               std::fabs(a.bottom), std::fabs(p1.x), std::fabs(p1.y),
                               std::fabs(p2.x), std::fabs(p2.y)}));

    Pt top{}, right{}, bottom{}, left{};
    const bool okTop = intersezioneDueRette(a.left, a.top, a.right, a.top, p1.x, p1.y, p2.x, p2.y,
                                            top.x, top.y);
    const bool okRight = intersezioneDueRette(a.right, a.top, a.right, a.bottom, p1.x, p1.y, p2.x,
                                              p2.y, right.x, right.y);
    const bool okBottom = intersezioneDueRette(a.right, a.bottom, a.left, a.bottom, p1.x, p1.y,
                                               p2.x, p2.y, bottom.x, bottom.y);
    const bool okLeft = intersezioneDueRette(a.left, a.top, a.left, a.bottom, p1.x, p1.y, p2.x,
                                             p2.y, left.x, left.y);

    // The chord: the first accepted border point, and the accepted point farthest from it (a
    // line through a corner is accepted twice there; the farthest point is the other end).
    std::int16_t count = 0;
    Pt c1{}, c2{};
    double farthest = -1;
    auto accept = [&](Pt p) {
        p.x = std::clamp(p.x, a.left, a.right);
        p.y = std::clamp(p.y, a.top, a.bottom);
        if (count == 0) {
            c1 = p;
        } else {
            const double d = (p.x - c1.x) * (p.x - c1.x) + (p.y - c1.y) * (p.y - c1.y);
            if (d > farthest) {
                farthest = d;
                c2 = p;
            }
        }
        ++count;
    };
    auto withinX = [&](const Pt& p) { return p.x >= a.left - eps && p.x <= a.right + eps; };
    auto withinY = [&](const Pt& p) { return p.y >= a.top - eps && p.y <= a.bottom + eps; };
    if (okTop && withinX(top)) accept(top);
    if (okBottom && withinX(bottom)) accept(bottom);
    if (okRight && withinY(right)) accept(right);
    if (okLeft && withinY(left)) accept(left);
    if (count == 0) return 0;   // the line misses the area, or the segment has zero length
    if (count == 1) c2 = c1;

    auto inArea = [&](const Pt& p) {
        return p.x >= a.left && p.x <= a.right && p.y >= a.top && p.y <= a.bottom;
    };
    const bool in1 = inArea(p1), in2 = inArea(p2);
    if (in1 && in2) return count;   // wholly visible: painted as given

    // Position of a point of the line along the segment, in metres from p1.
    const double dx = p2.x - p1.x, dy = p2.y - p1.y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0) || !std::isfinite(length)) return 0;
    auto along = [&](const Pt& p) { return ((p.x - p1.x) * dx + (p.y - p1.y) * dy) / length; };

    // The part of the chord that lies on the segment, [from, to] along it.
    double s1 = along(c1), s2 = along(c2);
    Pt e1 = c1, e2 = c2;
    if (s1 > s2) {
        std::swap(s1, s2);
        std::swap(e1, e2);
    }
    if (s1 < 0) {
        s1 = 0;
        e1 = p1;
    }
    if (s2 > length) {
        s2 = length;
        e2 = p2;
    }
    if (s2 - s1 <= eps) return 0;   // no common part, or a single point

    // One end in the area: that end first, then the border point towards the outside end.
    if (in1) {
        x1 = p1.x, y1 = p1.y, x2 = e2.x, Y2 = e2.y;
    } else if (in2) {
        x1 = p2.x, y1 = p2.y, x2 = e1.x, Y2 = e1.y;
    } else {
        // Crossing: the chord in the order its points were accepted.
        const bool chordForward = along(c1) <= along(c2);
        const Pt first = chordForward ? e1 : e2, second = chordForward ? e2 : e1;
        x1 = first.x, y1 = first.y, x2 = second.x, Y2 = second.y;
    }
    return count;
}

}  // namespace plot
