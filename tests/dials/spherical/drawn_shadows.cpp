#include "drawn_shadows.h"

#include <algorithm>
#include <cmath>

namespace sphtest {

oracle::DialArea plotArea(const plot::PlotSurface& plot) {
    // The plot's y grows downward from -ShiftY at the top edge.
    return {-plot.ShiftX(), plot.QuadranteL() - plot.ShiftX(), plot.ShiftY() - plot.QuadranteH(),
            plot.ShiftY()};
}

std::vector<oracle::ColouredPoint> colouredPoints(const dialtest::Drawing& d) {
    std::vector<oracle::ColouredPoint> out;
    for (const dialtest::DrawnPoint& p : d.points) out.push_back({p.at, p.colour});
    return out;
}

namespace {

// How many points of `from`, reflected, find no unused partner in `to`.
std::size_t unmatched(const dialtest::Drawing& from, const dialtest::Drawing& to,
                      bool sameColours, double tolerance) {
    std::vector<const dialtest::DrawnPoint*> sorted;
    for (const dialtest::DrawnPoint& p : to.points) sorted.push_back(&p);
    std::sort(sorted.begin(), sorted.end(), [](auto* l, auto* r) { return l->at.x < r->at.x; });
    std::vector<bool> used(sorted.size(), false);
    std::size_t missing = 0;
    for (const dialtest::DrawnPoint& p : from.points) {
        const double x = -p.at.x;
        auto it = std::lower_bound(sorted.begin(), sorted.end(), x - tolerance,
                                   [](auto* q, double v) { return q->at.x < v; });
        bool found = false;
        for (; it != sorted.end() && (*it)->at.x <= x + tolerance && !found; ++it) {
            const std::size_t i = it - sorted.begin();
            found = !used[i] && std::fabs((*it)->at.y - p.at.y) <= tolerance &&
                    (!sameColours || (*it)->colour == p.colour);
            if (found) used[i] = true;
        }
        missing += !found;
    }
    return missing;
}

}  // namespace

testing::AssertionResult mirrorImages(const dialtest::Drawing& a, const dialtest::Drawing& b,
                                      bool sameColours, double tolerance, std::size_t slack) {
    const std::size_t ab = unmatched(a, b, sameColours, tolerance);
    const std::size_t ba = unmatched(b, a, sameColours, tolerance);
    if (ab <= slack && ba <= slack) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << ab << " of " << a.points.size() << " points have no mirror image among the "
           << b.points.size() << " of the other drawing, and " << ba << " the other way";
}

}  // namespace sphtest
