#include "dials/tip_shadows.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "dials/plot_line.h"
#include "geometry/sky.h"
#include "geometry/stored_pi.h"
#include "numeric/round_budget.h"
#include "shell/input_check.h"

namespace dials {

namespace {

// The points an edge of the area may take to be judged; an edge that grazes the cone of the
// year's suns so closely that more are needed is taken to hold a shadow.
constexpr std::size_t kMostPoints = 1 << 15;

// The world point drawn at the plot's x and the dial's height y.
Vec3 pointAt(const TipShadowSurface& s, double x, double y) { return s.base(x) + y * s.column; }

// The sine of the declination of the sun of a world point (the direction from it to the tip),
// and the point's distance from the tip. A point at the tip itself (a concave style that
// reaches the far wall) is the shadow of every sun: 0.
double declinationSine(const TipShadowSurface& s, const Vec3& p, double& distance) {
    const Vec3 towardsTip = s.tip - p;
    distance = length(towardsTip);
    return distance > 0 ? dot(towardsTip, s.pole) / distance : 0;
}

// Whether every point of the edge at the height y, over the plot's x0..x1, has a sun on the
// `side` of the year's suns (side * sine beyond `bound`). A straight edge meets each cone of
// directions beyond the year's in one stretch, so its ends decide. A curved one is cut in halves
// until each is proved so: within half its length of its middle the direction to the tip turns
// by at most half / (distance - half) radians, and the sine by no more.
bool wholeEdgeBeyond(const TipShadowSurface& s, double y, double x0, double x1, double side,
                     double bound) {
    double distance = 0;
    auto beyond = [&](double x) {
        return side * declinationSine(s, pointAt(s, x, y), distance) > bound;
    };
    if (s.flat) return beyond(x0) && beyond(x1);
    std::vector<std::pair<double, double>> left{{x0, x1}};
    std::size_t points = 0;
    while (!left.empty()) {
        const auto [a, b] = left.back();
        left.pop_back();
        const double half = (b - a) / 2, middle = a + half;
        const double v = side * declinationSine(s, pointAt(s, middle, y), distance);
        if (!(v > bound)) return false;
        if (half < distance && v - half / (distance - half) > bound) continue;
        if (++points > kMostPoints) return false;
        left.push_back({a, middle});
        left.push_back({middle, b});
    }
    return true;
}

}  // namespace

TipShadowSurface TipShadowSurface::plane(const ConeFrame& frame) {
    TipShadowSurface s;
    s.tip = frame.tip;
    s.pole = frame.pole;
    s.column = frame.axisY;
    s.base = [right = frame.axisX](double x) { return x * right; };
    s.flat = true;
    return s;
}

TipShadowSurface TipShadowSurface::face(const Face& face, double length, double phi) {
    return plane({length * face.out, face.right, face.up, celestialPole(phi)});
}

bool tipShadowFallsWithin(const TipShadowSurface& s, const plot::PlotSurface& plot) {
    const PlotBox box = plotBox(plot);
    const double x0 = std::max(box.left, s.from), x1 = std::min(box.right, s.to);
    if (!(x0 <= x1)) return false;
    // The part of the area below the tip's level: the heights low..high. The base lies at one
    // height along the surface.
    double low = box.bottom, high = box.top;
    const double level = s.tip.z - s.base(x0).z;
    if (s.column.z > 0) high = std::min(high, level / s.column.z);
    if (s.column.z < 0) low = std::max(low, level / s.column.z);
    if (s.column.z == 0 && !(level > 0)) return false;
    if (std::isnan(low) || std::isnan(high)) return true;
    if (!(low < high)) return false;
    // No shadow falls when both edges lie beyond the year's suns on the side of one corner;
    // passing from one side to the other, an edge would cross the year's suns.
    // The sine of the solstice declination: the year's suns have declinations' sines within it.
    const double bound = std::sin(kSolsticeDeg * kStoredPi / 180);
    double distance = 0;
    const double corner = declinationSine(s, pointAt(s, x0, low), distance);
    if (!(std::fabs(corner) > bound)) return true;
    const double side = corner > 0 ? 1 : -1;
    return !(wholeEdgeBeyond(s, low, x0, x1, side, bound) &&
             wholeEdgeBeyond(s, high, x0, x1, side, bound));
}

void sayWhenNoTipShadowFalls(shell::Context& ctx, const TipShadowSurface& surface) {
    if (numeric::RoundBudget::refusedInForce()) return;
    if (tipShadowFallsWithin(surface, ctx.ixPlot1())) return;
    ctx.services.messageBox("No shadow of the style's tip falls within the plot area: the " +
                            shell::caption(ctx.inputs, "p_Stilo") +
                            " box holds a style so long that every shadow of its tip falls "
                            "beyond it. A shorter style draws the dial nearer its foot.");
}

}  // namespace dials
