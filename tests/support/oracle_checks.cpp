#include "support/oracle_checks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

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

testing::AssertionResult allSunlit(const ShadowOracle& o, const std::vector<DialXY>& points,
                                   double toleranceDeg) {
    std::size_t below = 0, worst = 0;
    double lowest = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double altitude = o.altitudeAt(points[i].x, points[i].y);
        if (altitude > -toleranceDeg) continue;
        ++below;
        if (altitude < lowest) lowest = altitude, worst = i;
    }
    if (below == 0) return testing::AssertionSuccess();
    std::ostringstream out;
    out.precision(12);
    out << below << " of " << points.size() << " points are shadows of a sun below the horizon;"
        << " lowest #" << worst << " at (" << points[worst].x << ", " << points[worst].y
        << "), altitude " << lowest;
    return testing::AssertionFailure() << out.str();
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
    return allSunlit(o, points);
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

double lowestSunAltitude(const ShadowOracle& o, const std::vector<DialXY>& points) {
    double lowest = std::numeric_limits<double>::infinity();
    for (const DialXY& p : points) lowest = std::min(lowest, o.altitudeAt(p.x, p.y));
    return lowest;
}

}  // namespace oracle
