#include "drawn_shadows.h"

#include "numeric/step_loop.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <sstream>

namespace sphtest {

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

std::function<double(const oracle::HourDecl&)> byDeclination() {
    return [](const oracle::HourDecl& s) { return s.declination; };
}

std::function<double(const oracle::HourDecl&)> byHourAngle(double sign) {
    return [sign](const oracle::HourDecl& s) { return sign * s.hourAngle; };
}

namespace {

bool sameSun(const oracle::HourDecl& a, const oracle::HourDecl& b) {
    return std::fabs(oracle::foldDegrees(a.hourAngle - b.hourAngle)) < 1e-6 &&
           std::fabs(a.declination - b.declination) < 1e-6;
}

// The parameters of the line at a twentieth of its step, and its ends.
std::vector<double> fineParameters(const SweptLine& line) {
    std::vector<double> out;
    const double fine = line.step / 20;
    const long n = std::lround(std::floor((line.to - line.from) / fine + 1e-9));
    for (long i = 0; i <= n; ++i) out.push_back(line.from + i * fine);
    out.push_back(line.to);
    return out;
}

// Whether the point is the shadow of a sun of the line: the nearest shadow of the line's suns
// about the parameter its sun gives back (within a ten-thousandth of it: read back from a point,
// it carries the point's rounding, much enlarged where the line's suns turn fast against it, as
// near a day that grazes the horizon), or about the nearest of the line's shadows at a twentieth
// of its step, for a line with no such reading, lies within 1e-7 m of it (and 1e-9 of its
// distance from the foot).
// The shadows of a line's suns at a twentieth of its step (none where a sun casts none).
struct FineShadows {
    std::vector<double> us;
    std::vector<std::optional<oracle::DialXY>> at;
};
FineShadows fineShadows(const oracle::ShadowOracle& o, const SweptLine& line) {
    FineShadows f;
    f.us = fineParameters(line);
    for (double u : f.us) {
        const auto sun = line.sunAt(u);
        f.at.push_back(sun ? o.dialPoint(sun->hourAngle, sun->declination) : std::nullopt);
    }
    return f;
}

bool onLine(const oracle::ShadowOracle& o, const SweptLine& line, const FineShadows& fine,
            const oracle::DialXY& p, const oracle::HourDecl& cast) {
    const double low = std::min(line.from, line.to), high = std::max(line.from, line.to);
    auto distanceAt = [&](double u) {
        const auto sun = line.sunAt(u);
        const auto q = sun ? o.dialPoint(sun->hourAngle, sun->declination) : std::nullopt;
        return q ? std::hypot(q->x - p.x, q->y - p.y) : std::numeric_limits<double>::infinity();
    };
    const double tolerance = 1e-7 + 1e-9 * std::hypot(p.x, p.y);
    // The least distance about a centre, by a golden-section search within `reach` of it.
    auto searchAbout = [&](double centre, double reach, double farthest) {
        const double atCentre = distanceAt(std::clamp(centre, low, high));
        if (atCentre < tolerance || !(atCentre < farthest)) return atCentre;
        const double g = (std::sqrt(5.0) - 1) / 2;
        double a = std::max(low, centre - reach), b = std::min(high, centre + reach);
        double best = std::min({atCentre, distanceAt(a), distanceAt(b)});
        for (int i = 0; i < 100 && b > a; ++i) {
            const double c = b - g * (b - a), d = a + g * (b - a);
            const double dc = distanceAt(c), dd = distanceAt(d);
            best = std::min({best, dc, dd});
            if (dc < dd) b = d; else a = c;
        }
        return best;
    };
    if (line.paramOf) {
        const double u = line.paramOf(cast);
        const double reach = 1e-4;
        if (!(u >= low - reach && u <= high + reach)) return false;
        // A point of another line lies far off the shadow of its reading.
        return searchAbout(u, reach, 0.005) < tolerance;
    }
    // About every nearest of the line's shadows at a twentieth of its step: two stretches of
    // the line may pass close by each other.
    const std::vector<double>& us = fine.us;
    std::vector<double> distances;
    for (const auto& q : fine.at)
        distances.push_back(q ? std::hypot(q->x - p.x, q->y - p.y)
                              : std::numeric_limits<double>::infinity());
    for (std::size_t i = 0; i < us.size(); ++i) {
        const bool nearest = (i == 0 || distances[i] <= distances[i - 1]) &&
                             (i + 1 == us.size() || distances[i] <= distances[i + 1]);
        if (nearest && searchAbout(us[i], line.step / 20, std::numeric_limits<double>::infinity()) < tolerance) return true;
    }
    return false;
}

}  // namespace

testing::AssertionResult laysTheLinesWhole(const oracle::ShadowOracle& o,
                                           const oracle::DialArea& area,
                                           const std::vector<oracle::ColouredPoint>& drawn,
                                           const std::vector<SweptLine>& lines,
                                           double spacing) {
    auto inside = [&](const oracle::DialXY& p, double margin) {
        return p.x > area.left + margin && p.x < area.right - margin &&
               p.y > area.bottom + margin && p.y < area.top - margin;
    };
    std::map<std::int32_t, oracle::PointGrid> byColour;
    for (const oracle::ColouredPoint& p : drawn)
        byColour.try_emplace(p.colour, spacing).first->second.add(p.at);
    auto nearestOf = [&](std::int32_t colour, const oracle::DialXY& at) {
        const auto it = byColour.find(colour);
        return it == byColour.end() ? std::nullopt : it->second.nearest(at);
    };

    std::vector<FineShadows> fine;
    for (const SweptLine& line : lines)
        fine.push_back(line.paramOf ? FineShadows{} : fineShadows(o, line));
    for (const oracle::ColouredPoint& p : drawn) {
        const oracle::HourDecl cast = o.sunFor(p.at.x, p.at.y);
        bool found = false;
        for (std::size_t i = 0; i < lines.size() && !found; ++i)
            found = lines[i].colour == p.colour && onLine(o, lines[i], fine[i], p.at, cast);
        if (!found || o.altitudeAt(p.at.x, p.at.y) < -1e-7)
            return testing::AssertionFailure()
                   << "a point at (" << p.at.x << ", " << p.at.y << ") in colour " << p.colour
                   << " is the shadow of no sun of its lines: H " << cast.hourAngle << ", decl "
                   << cast.declination << ", altitude " << o.altitudeAt(p.at.x, p.at.y);
    }
    for (const SweptLine& line : lines) {
        for (double u : numeric::StepRange(line.from, line.to, line.step)) {
            const auto sun = line.sunAt(u);
            if (!sun) continue;
            const auto s = o.shadow(sun->hourAngle, sun->declination);
            if (!s || !s->sunInFront || !inside(s->point, 1e-9) ||
                !(o.sky().altitude(sun->hourAngle, sun->declination) > 1e-7))
                continue;
            // Drawn where the sweep drew it: a point of that sun (compared as suns, as a
            // shadow cast by a low sun moves far for a small turn of it).
            const auto q = nearestOf(line.colour, s->point);
            if (!q || !sameSun(o.sunFor(q->x, q->y), *sun))
                return testing::AssertionFailure()
                       << "the sweep's sun H " << sun->hourAngle << ", decl " << sun->declination
                       << " (parameter " << u << ") casts a shadow at (" << s->point.x << ", "
                       << s->point.y << ") in colour " << line.colour << " that is not drawn";
        }
        // Whether the sweep sees the line at u: its sun shines on the dial from above the
        // horizon. The sampler lays the line between two points of the sweep, and finds where it
        // ends between a point inside the plot area and none; a piece of line wholly between two
        // points of the sweep that casts none, or between none and a point beyond the edge of
        // the plot area (a day's last minutes before a polar day), is not looked for.
        auto seen = [&](double u) {
            const auto sun = line.sunAt(u);
            if (!sun) return false;
            const auto s = o.shadow(sun->hourAngle, sun->declination);
            return s && s->sunInFront && o.sky().altitude(sun->hourAngle, sun->declination) > 1e-7;
        };
        auto seenInside = [&](double u) {
            const auto sun = line.sunAt(u);
            const auto q = sun ? o.dialPoint(sun->hourAngle, sun->declination) : std::nullopt;
            return q && inside(*q, 0);
        };
        for (double u : fineParameters(line)) {
            const double before =
                line.from + std::floor((u - line.from) / line.step + 1e-9) * line.step;
            const double after = std::min(before + line.step, line.to);
            const bool seenBefore = seen(before), seenAfter = seen(after);
            if (!(seenBefore && seenAfter) && !(seenBefore && seenInside(before)) &&
                !(seenAfter && seenInside(after)))
                continue;
            const auto sun = line.sunAt(u);
            if (!sun) continue;
            const auto s = o.shadow(sun->hourAngle, sun->declination);
            if (!s || !s->sunInFront || !inside(s->point, 0) ||
                !(o.sky().altitude(sun->hourAngle, sun->declination) > 0.01))
                continue;
            const auto q = nearestOf(line.colour, s->point);
            const double nearest = q ? std::hypot(q->x - s->point.x, q->y - s->point.y)
                                     : std::numeric_limits<double>::infinity();
            if (!(nearest <= spacing + 1e-9))
                return testing::AssertionFailure()
                       << "a gap: the shadow of H " << sun->hourAngle << ", decl "
                       << sun->declination << " (parameter " << u << ") at (" << s->point.x
                       << ", " << s->point.y << ") in colour " << line.colour << " lies "
                       << nearest << " m from the nearest point drawn, more than " << spacing;
        }
    }
    return testing::AssertionSuccess();
}

}  // namespace sphtest
