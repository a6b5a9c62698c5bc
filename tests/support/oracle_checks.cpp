#include "support/oracle_checks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <sstream>

#include "numeric/tolerance.h"

namespace oracle {

double toleranceFor(double styleLength) { return 1e-5 * std::abs(styleLength); }

Misses missesOf(std::size_t count, const std::function<double(std::size_t)>& error,
                double tolerance) {
    Misses m;
    for (std::size_t i = 0; i < count; ++i) {
        const double e = error(i);
        if (!(e <= tolerance)) {
            ++m.count;
            if (!(e <= m.worstError)) m.worst = i, m.worstError = e;
        }
    }
    return m;
}

testing::AssertionResult allWithin(const ShadowOracle& o, const std::vector<DialXY>& points,
                                   const std::function<double(DialXY)>& distance,
                                   const std::string& what, double tolerance) {
    if (tolerance < 0) tolerance = toleranceFor(o.styleLength());
    const Misses miss =
        missesOf(points.size(), [&](std::size_t i) { return distance(points[i]); }, tolerance);
    if (miss.count == 0) return testing::AssertionSuccess();
    const DialXY& p = points[miss.worst];
    const HourDecl sun = o.sunFor(p.x, p.y);
    std::ostringstream out;
    out.precision(12);
    out << miss.count << " of " << points.size() << " points off " << what << " by more than "
        << tolerance << " m; worst #" << miss.worst << " at (" << p.x << ", " << p.y << "), "
        << miss.worstError << " m away, shadow of the sun at H = " << sun.hourAngle
        << ", decl = " << sun.declination;
    return testing::AssertionFailure() << out.str();
}

namespace {

using Distance = double (ShadowOracle::*)(double, double, double) const;

// Every point on the curve of one value of the oracle's distance, or on the nearer of the
// curves of two values.
testing::AssertionResult allOn(const ShadowOracle& o, Distance distance, double value,
                               const std::vector<DialXY>& points, const std::string& what,
                               double tolerance) {
    return allWithin(
        o, points, [&](DialXY p) { return (o.*distance)(value, p.x, p.y); },
        what + std::to_string(value), tolerance);
}

testing::AssertionResult allOnEither(const ShadowOracle& o, Distance distance, double value,
                                     double other, const std::vector<DialXY>& points,
                                     const std::string& what, double tolerance) {
    return allWithin(
        o, points,
        [&](DialXY p) {
            return std::min((o.*distance)(value, p.x, p.y), (o.*distance)(other, p.x, p.y));
        },
        what + std::to_string(value), tolerance);
}

}  // namespace

testing::AssertionResult allOnHourLine(const ShadowOracle& o, double h,
                                       const std::vector<DialXY>& points, double tolerance) {
    return allOn(o, &ShadowOracle::distanceToHourLine, h, points, "the hour line H = ",
                 tolerance);
}

testing::AssertionResult allOnWholeHourLine(const ShadowOracle& o, double h,
                                            const std::vector<DialXY>& points, double tolerance) {
    return allOnEither(o, &ShadowOracle::distanceToHourLine, h, h + 180, points,
                       "the whole hour line H = ", tolerance);
}

testing::AssertionResult allOnDeclinationCurve(const ShadowOracle& o, double decl,
                                               const std::vector<DialXY>& points,
                                               double tolerance) {
    return allOn(o, &ShadowOracle::distanceToDeclinationCurve, decl, points,
                 "the declination curve ", tolerance);
}

testing::AssertionResult allOnDeclinationPair(const ShadowOracle& o, double decl,
                                              const std::vector<DialXY>& points,
                                              double tolerance) {
    return allOnEither(o, &ShadowOracle::distanceToDeclinationCurve, decl, -decl, points,
                       "the declination curves +-", tolerance);
}

testing::AssertionResult allOnItalianLine(const ShadowOracle& o, double n,
                                          const std::vector<DialXY>& points, double tolerance) {
    return allOn(o, &ShadowOracle::distanceToItalianLine, n, points, "the Italian hour line ",
                 tolerance);
}

testing::AssertionResult allOnBabylonianLine(const ShadowOracle& o, double n,
                                             const std::vector<DialXY>& points,
                                             double tolerance) {
    return allOn(o, &ShadowOracle::distanceToBabylonianLine, n, points,
                 "the Babylonian hour line ", tolerance);
}

testing::AssertionResult coversSegment(DialXY a, DialXY b, const std::vector<DialXY>& points,
                                       double gap, double tolerance) {
    const double length = distance(a, b);
    std::vector<double> along;
    for (const DialXY& p : points) {
        if (distanceToLine(p, a, b) > tolerance) continue;
        along.push_back(((p.x - a.x) * (b.x - a.x) + (p.y - a.y) * (b.y - a.y)) / length);
    }
    std::sort(along.begin(), along.end());
    double reached = 0;  // the segment is covered from a up to here
    for (double t : along) {
        if (t > reached + gap) break;
        reached = std::max(reached, t);
    }
    if (reached + gap >= length) return testing::AssertionSuccess();
    std::ostringstream out;
    out.precision(12);
    out << along.size() << " points on the line; the segment from (" << a.x << ", " << a.y
        << ") to (" << b.x << ", " << b.y << "), " << length << " m, is covered only to "
        << reached << " m (gap " << gap << " m)";
    return testing::AssertionFailure() << out.str();
}

testing::AssertionResult allCastBySunAboveHorizon(const ShadowOracle& o,
                                                  const std::vector<DialXY>& points,
                                                  double toleranceDeg) {
    const Misses miss = missesOf(
        points.size(), [&](std::size_t i) { return -o.altitudeAt(points[i].x, points[i].y); },
        toleranceDeg);
    if (miss.count == 0) return testing::AssertionSuccess();
    const DialXY& p = points[miss.worst];
    const HourDecl sun = o.sunFor(p.x, p.y);
    std::ostringstream out;
    out.precision(12);
    out << miss.count << " of " << points.size()
        << " points cast by a sun below the horizon; worst #" << miss.worst << " at (" << p.x
        << ", " << p.y << "), altitude " << -miss.worstError << ", sun at H = " << sun.hourAngle
        << ", decl = " << sun.declination;
    return testing::AssertionFailure() << out.str();
}

testing::AssertionResult allCastClearOfTheHorizon(const ShadowOracle& o,
                                                  const std::vector<DialXY>& points) {
    // The residue as an altitude in degrees: a sun no higher than that stands on the horizon.
    return allCastBySunAboveHorizon(o, points, -numeric::kStoredPiResidue * 180 / o.pi());
}

namespace {

using HourOf = std::optional<double> (Sky::*)(double, double) const;

// Distance to the hour line when the point's sun stands above the horizon at hour n of the
// family, else infinity.
testing::AssertionResult allCastAtHour(const ShadowOracle& o, Distance distance, HourOf hourOf,
                                       double n, const std::vector<DialXY>& points,
                                       const std::string& what, double tolerance) {
    constexpr double kHourTolerance = 1e-6;
    return allWithin(
        o, points,
        [&](DialXY p) {
            const HourDecl sun = o.sunFor(p.x, p.y);
            const auto hour = (o.sky().*hourOf)(sun.hourAngle, sun.declination);
            const double apart = hour ? std::remainder(*hour - n, 24.0) : HUGE_VAL;
            if (!(o.altitudeAt(p.x, p.y) > 0) || !(std::fabs(apart) <= kHourTolerance))
                return std::numeric_limits<double>::infinity();
            return (o.*distance)(n, p.x, p.y);
        },
        what + std::to_string(n), tolerance);
}

}  // namespace

testing::AssertionResult allCastAtItalianHour(const ShadowOracle& o, double n,
                                              const std::vector<DialXY>& points,
                                              double tolerance) {
    return allCastAtHour(o, &ShadowOracle::distanceToItalianLine, &Sky::italianHourOf, n, points,
                         "the sunlit suns of Italian hour ", tolerance);
}

testing::AssertionResult allCastAtBabylonianHour(const ShadowOracle& o, double n,
                                                 const std::vector<DialXY>& points,
                                                 double tolerance) {
    return allCastAtHour(o, &ShadowOracle::distanceToBabylonianLine, &Sky::babylonianHourOf, n,
                         points, "the sunlit suns of Babylonian hour ", tolerance);
}

namespace {

using HourAngleOf = std::optional<double> (Sky::*)(double, double) const;
using CastAt = testing::AssertionResult (*)(const ShadowOracle&, double,
                                            const std::vector<DialXY>&, double);

testing::AssertionResult sunlitOldHourLine(const ShadowOracle& o, double n,
                                           const std::vector<DialXY>& points,
                                           const DialArea& area, double gap, double margin,
                                           Distance onLine, HourAngleOf hourAngleOf,
                                           CastAt castAt, const std::string& what) {
    const double tolerance = toleranceFor(o.styleLength());
    if (auto on = allOn(o, onLine, n, points, what + " hour line ", tolerance); !on) return on;
    if (auto up = allCastClearOfTheHorizon(o, points); !up)
        return up << " (" << what << " hour " << n << ")";
    const double grazing = 90 - std::fabs(o.sky().latitude());
    std::vector<DialXY> away;
    for (const DialXY& p : points)
        if (std::fabs(o.sunFor(p.x, p.y).declination) < grazing - 1e-3) away.push_back(p);
    if (auto at = castAt(o, n, away, tolerance); !at) return at;

    // The line's own shadows over the year inside the area, in the order of their days: along
    // the line, from one end of its sunlit stretch to the other. Only suns clear of the horizon:
    // the suns of Italian 24 and Babylonian 0 stand on it.
    const double clear = numeric::kStoredPiResidue * 180 / o.pi();
    std::vector<DialXY> lit;
    for (int i = 0; i <= 938; ++i) {
        const double decl = -23.45 + 0.05 * i;
        const auto h = (o.sky().*hourAngleOf)(n, decl);
        const auto s = h ? o.shadow(*h, decl) : std::nullopt;
        if (!s || !s->sunInFront || !(o.sky().altitude(*h, decl) > clear)) continue;
        const DialXY q = s->point;
        if (q.x > area.left + margin && q.x < area.right - margin &&
            q.y > area.bottom + margin && q.y < area.top - margin)
            lit.push_back(q);
    }
    if (lit.size() < 2) return testing::AssertionSuccess();
    return coversSegment(lit.front(), lit.back(), points, gap, tolerance)
           << " (the sunlit stretch of " << what << " hour " << n << ")";
}

}  // namespace

testing::AssertionResult sunlitItalianLine(const ShadowOracle& o, double n,
                                           const std::vector<DialXY>& points,
                                           const DialArea& area, double gap, double margin) {
    return sunlitOldHourLine(o, n, points, area, gap, margin, &ShadowOracle::distanceToItalianLine,
                             &Sky::italianHourAngle, allCastAtItalianHour, "Italian");
}

testing::AssertionResult sunlitBabylonianLine(const ShadowOracle& o, double n,
                                              const std::vector<DialXY>& points,
                                              const DialArea& area, double gap, double margin) {
    return sunlitOldHourLine(o, n, points, area, gap, margin,
                             &ShadowOracle::distanceToBabylonianLine, &Sky::babylonianHourAngle,
                             allCastAtBabylonianHour, "Babylonian");
}

testing::AssertionResult drawsExactlyTheShadowsOf(const ShadowOracle& o, const DialArea& area,
                                                  const std::vector<ColouredPoint>& drawn,
                                                  const std::vector<ColouredSun>& suns) {
    auto inside = [&](const DialXY& p, double margin) {
        return p.x > area.left + margin && p.x < area.right - margin &&
               p.y > area.bottom + margin && p.y < area.top - margin;
    };
    // The suns by their declination to 1e-4 degrees, and how many shadows to expect.
    std::multimap<long, const ColouredSun*> byDecl;
    std::size_t sure = 0, possible = 0;
    for (const ColouredSun& s : suns) {
        byDecl.emplace(std::lround(s.sun.declination * 1e4), &s);
        const auto p = o.dialPoint(s.sun.hourAngle, s.sun.declination);
        const double altitude = o.sky().altitude(s.sun.hourAngle, s.sun.declination);
        if (!p || altitude < -1e-7 || !inside(*p, -1e-9)) continue;
        ++possible;
        sure += altitude > 1e-7 && inside(*p, 1e-9);
    }
    for (const ColouredPoint& p : drawn) {
        const HourDecl cast = o.sunFor(p.at.x, p.at.y);
        const long key = std::lround(cast.declination * 1e4);
        bool found = false;
        for (auto it = byDecl.lower_bound(key - 1);
             it != byDecl.end() && it->first <= key + 1 && !found; ++it)
            found = std::fabs(foldDegrees(cast.hourAngle - it->second->sun.hourAngle)) < 1e-6 &&
                    std::fabs(cast.declination - it->second->sun.declination) < 1e-6 &&
                    p.colour == it->second->colour;
        if (!found || o.altitudeAt(p.at.x, p.at.y) < -1e-7)
            return testing::AssertionFailure()
                   << "a point at (" << p.at.x << ", " << p.at.y << ") in colour " << p.colour
                   << " is the shadow of no sun of the line: H " << cast.hourAngle << ", decl "
                   << cast.declination << ", altitude " << o.altitudeAt(p.at.x, p.at.y);
    }
    if (drawn.size() < sure || drawn.size() > possible)
        return testing::AssertionFailure()
               << drawn.size() << " points drawn, expected " << sure << " to " << possible;
    return testing::AssertionSuccess();
}

testing::AssertionResult sunlitDeclinationPair(const ShadowOracle& o, double declinationDeg,
                                               const std::vector<DialXY>& points,
                                               std::size_t minPoints, double half,
                                               double tolerance) {
    if (points.size() <= minPoints && sunlitShadowsWithin(o, declinationDeg, half) > 0)
        return testing::AssertionFailure()
               << "only " << points.size() << " points, where the sun casts shadows of +-"
               << declinationDeg << " near the foot";
    const testing::AssertionResult on = allOnDeclinationPair(o, declinationDeg, points, tolerance);
    if (!on) return on;
    return allCastBySunAboveHorizon(o, points, 1e-6);
}

std::size_t sunlitShadowsWithin(const ShadowOracle& o, double declinationDeg, double half) {
    std::size_t count = 0;
    for (const double decl : {declinationDeg, -declinationDeg}) {
        for (int i = -1800; i <= 1800; ++i) {
            const auto s = o.shadow(i / 10.0, decl);
            if (s && s->sunInFront && s->sunAboveHorizon && std::abs(s->point.x) <= half &&
                std::abs(s->point.y) <= half)
                ++count;
        }
    }
    return count;
}

testing::AssertionResult eachHorizonEndOnce(std::vector<DialXY> points) {
    std::erase_if(points, [](const DialXY& p) { return p.y != 0; });
    std::sort(points.begin(), points.end(), [](DialXY a, DialXY b) { return a.x < b.x; });
    for (std::size_t i = 1; i < points.size(); ++i)
        if (points[i].x - points[i - 1].x < 1e-6)
            return testing::AssertionFailure() << "two ends on the horizon at x " << points[i].x;
    return testing::AssertionSuccess();
}

double largestGapAlongSunlitCurves(const ShadowOracle& o, double declinationDeg,
                                   const std::vector<DialXY>& points, const DialArea& area,
                                   double margin, double minAltitudeDeg) {
    // The points in cells of 2 cm; a shadow looks through the cells around its own.
    constexpr double kCell = 0.02;
    constexpr int kReach = 2;
    std::map<std::pair<long, long>, std::vector<DialXY>> cells;
    auto cellOf = [](double v) { return static_cast<long>(std::floor(v / kCell)); };
    for (const DialXY& p : points) cells[{cellOf(p.x), cellOf(p.y)}].push_back(p);
    double worst = 0;
    for (const double decl : {declinationDeg, -declinationDeg}) {
        for (int i = -3600; i <= 3600; ++i) {
            const double h = i / 20.0;
            const auto s = o.shadow(h, decl);
            if (!s || !s->sunInFront || o.sky().altitude(h, decl) < minAltitudeDeg) continue;
            const DialXY q = s->point;
            if (!(q.x > area.left + margin && q.x < area.right - margin &&
                  q.y > area.bottom + margin && q.y < area.top - margin))
                continue;
            double nearest = std::numeric_limits<double>::infinity();
            for (long cx = cellOf(q.x) - kReach; cx <= cellOf(q.x) + kReach; ++cx)
                for (long cy = cellOf(q.y) - kReach; cy <= cellOf(q.y) + kReach; ++cy) {
                    const auto cell = cells.find({cx, cy});
                    if (cell == cells.end()) continue;
                    for (const DialXY& p : cell->second) nearest = std::min(nearest, distance(p, q));
                }
            worst = std::max(worst, nearest);
        }
    }
    return worst;
}

std::vector<HourDecl> sunsOfHourAngle(double hourAngleDeg) {
    std::vector<HourDecl> suns;
    for (int i = -469; i <= 469; ++i) suns.push_back({hourAngleDeg, i / 20.0});
    return suns;
}

std::vector<HourDecl> sunsOfDeclination(double declinationDeg) {
    std::vector<HourDecl> suns;
    for (int i = -3600; i < 3600; ++i) suns.push_back({i / 20.0, declinationDeg});
    return suns;
}

std::pair<long, long> PointGrid::key(const DialXY& p) const {
    return {std::lround(std::floor(p.x / cell_)), std::lround(std::floor(p.y / cell_))};
}

std::optional<DialXY> PointGrid::nearest(const DialXY& p) const {
    double best = std::numeric_limits<double>::infinity();
    std::optional<DialXY> at;
    const auto [cx, cy] = key(p);
    for (long dx = -1; dx <= 1; ++dx)
        for (long dy = -1; dy <= 1; ++dy) {
            const auto it = cells_.find({cx + dx, cy + dy});
            if (it == cells_.end()) continue;
            for (const DialXY& q : it->second)
                if (const double d = distance(p, q); d < best) best = d, at = q;
        }
    return at;
}

testing::AssertionResult laidWithinTheStep(const ShadowOracle& o,
                                           const std::vector<HourDecl>& suns,
                                           const std::vector<DialXY>& points,
                                           const DialArea& area, double step,
                                           const std::string& what, std::size_t* checked) {
    PointGrid grid(step);
    for (const DialXY& p : points) grid.add(p);
    std::size_t looked = 0;
    for (const HourDecl& sun : suns) {
        const auto s = o.shadow(sun.hourAngle, sun.declination);
        if (!s || !s->sunInFront || !s->sunAboveHorizon) continue;
        const DialXY q = s->point;
        if (!(q.x >= area.left && q.x <= area.right && q.y >= area.bottom && q.y <= area.top))
            continue;
        ++looked;
        const std::optional<DialXY> nearest = grid.nearest(q);
        if (!nearest || !(distance(*nearest, q) <= step)) {
            std::ostringstream out;
            out.precision(12);
            out << what << ": the shadow of H = " << sun.hourAngle << ", decl = "
                << sun.declination << " at (" << q.x << ", " << q.y
                << ") has no point drawn within " << step << " m (" << points.size() << " points)";
            return testing::AssertionFailure() << out.str();
        }
    }
    if (checked) *checked = looked;
    return testing::AssertionSuccess();
}

double lowestSunAltitude(const ShadowOracle& o, const std::vector<DialXY>& points) {
    double lowest = std::numeric_limits<double>::infinity();
    for (const DialXY& p : points) lowest = std::min(lowest, o.altitudeAt(p.x, p.y));
    return lowest;
}

double widestStepAlongLine(std::vector<DialXY> points, DialXY a, DialXY b, const DialArea& area) {
    const double dx = b.x - a.x, dy = b.y - a.y, n = std::hypot(dx, dy);
    auto along = [&](DialXY p) { return ((p.x - a.x) * dx + (p.y - a.y) * dy) / n; };
    std::sort(points.begin(), points.end(),
              [&](DialXY p, DialXY q) { return along(p) < along(q); });
    auto inside = [&](DialXY p) {
        return p.x >= area.left && p.x <= area.right && p.y >= area.bottom && p.y <= area.top;
    };
    double widest = 0;
    for (std::size_t i = 1; i < points.size(); ++i)
        if (inside(points[i - 1]) || inside(points[i]))
            widest = std::max(widest, along(points[i]) - along(points[i - 1]));
    return widest;
}

double depthInArea(const DialArea& area, DialXY p) {
    return std::min({p.x - area.left, area.right - p.x, p.y - area.bottom, area.top - p.y});
}

double reachIntoArea(const DialArea& area,
                     const std::function<std::optional<DialXY>(double u)>& point, double from,
                     double to, double step) {
    double reach = -std::numeric_limits<double>::infinity();
    for (double u = from; u <= to + step / 2; u += step)
        if (const auto p = point(std::min(u, to)))
            reach = std::max(reach, depthInArea(area, *p));
    return reach;
}

}  // namespace oracle
