#include "support/oracle_checks.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace oracle {

double toleranceFor(double styleLength) { return 1e-5 * std::abs(styleLength); }

testing::AssertionResult allWithin(const ShadowOracle& o, const std::vector<DialXY>& points,
                                   const std::function<double(DialXY)>& distance,
                                   const std::string& what, double tolerance) {
    if (tolerance < 0) tolerance = toleranceFor(o.styleLength());
    std::size_t failing = 0;
    std::size_t worst = 0;
    double worstDistance = -1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double d = distance(points[i]);
        // A NaN distance fails too: !(d <= tolerance).
        if (!(d <= tolerance)) {
            ++failing;
            if (!(d <= worstDistance)) {
                worst = i;
                worstDistance = d;
            }
        }
    }
    if (failing == 0) return testing::AssertionSuccess();
    const DialXY& p = points[worst];
    const HourDecl sun = o.sunFor(p.x, p.y);
    std::ostringstream out;
    out.precision(12);
    out << failing << " of " << points.size() << " points off " << what << " by more than "
        << tolerance << " m; worst #" << worst << " at (" << p.x << ", " << p.y << "), "
        << worstDistance << " m away, shadow of the sun at H = " << sun.hourAngle
        << ", decl = " << sun.declination;
    return testing::AssertionFailure() << out.str();
}

testing::AssertionResult allOnHourLine(const ShadowOracle& o, double h,
                                       const std::vector<DialXY>& points, double tolerance) {
    return allWithin(
        o, points, [&](DialXY p) { return o.distanceToHourLine(h, p.x, p.y); },
        "the hour line H = " + std::to_string(h), tolerance);
}

testing::AssertionResult allOnWholeHourLine(const ShadowOracle& o, double h,
                                            const std::vector<DialXY>& points, double tolerance) {
    return allWithin(
        o, points,
        [&](DialXY p) {
            return std::min(o.distanceToHourLine(h, p.x, p.y),
                            o.distanceToHourLine(h + 180, p.x, p.y));
        },
        "the whole hour line H = " + std::to_string(h), tolerance);
}

testing::AssertionResult allOnDeclinationCurve(const ShadowOracle& o, double decl,
                                               const std::vector<DialXY>& points,
                                               double tolerance) {
    return allWithin(
        o, points, [&](DialXY p) { return o.distanceToDeclinationCurve(decl, p.x, p.y); },
        "the declination curve " + std::to_string(decl), tolerance);
}

testing::AssertionResult allOnDeclinationPair(const ShadowOracle& o, double decl,
                                              const std::vector<DialXY>& points,
                                              double tolerance) {
    return allWithin(
        o, points,
        [&](DialXY p) {
            return std::min(o.distanceToDeclinationCurve(decl, p.x, p.y),
                            o.distanceToDeclinationCurve(-decl, p.x, p.y));
        },
        "the declination curves +-" + std::to_string(decl), tolerance);
}

testing::AssertionResult allOnItalianLine(const ShadowOracle& o, double n,
                                          const std::vector<DialXY>& points, double tolerance) {
    return allWithin(
        o, points, [&](DialXY p) { return o.distanceToItalianLine(n, p.x, p.y); },
        "the Italian hour line " + std::to_string(n), tolerance);
}

testing::AssertionResult allOnBabylonianLine(const ShadowOracle& o, double n,
                                             const std::vector<DialXY>& points,
                                             double tolerance) {
    return allWithin(
        o, points, [&](DialXY p) { return o.distanceToBabylonianLine(n, p.x, p.y); },
        "the Babylonian hour line " + std::to_string(n), tolerance);
}

}  // namespace oracle
