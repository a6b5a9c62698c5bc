#include "support/sky_checks.h"

#include <cmath>
#include <sstream>

#include "support/oracle_checks.h"

namespace dialtest {

SunOfPoint sunOfPoint(const oracle::ShadowOracle& o, const oracle::DialXY& p) {
    return {o.sunFor(p.x, p.y), o.altitudeAt(p.x, p.y), o.azimuthAt(p.x, p.y)};
}

double angleBetween(double a, double b) { return oracle::foldDegrees(a - b); }

double offItsDeclination(const DrawnPoint& p, const SunOfPoint& s) {
    return s.sun.declination - p.tag;
}

double belowTheHorizon(const DrawnPoint&, const SunOfPoint& s) {
    return s.altitude > 0 ? 0 : s.altitude;
}

testing::AssertionResult allAtTheirAltitude(const oracle::ShadowOracle& o,
                                            const std::vector<DrawnPoint>& points, double pi) {
    return allSuns(
        o, points,
        [&](const DrawnPoint& p, const SunOfPoint& s) {
            return s.altitude - p.tag * 180 / pi;
        },
        "the altitude of the line");
}

testing::AssertionResult allSuns(const oracle::ShadowOracle& o,
                                 const std::vector<DrawnPoint>& points,
                                 const std::function<double(const DrawnPoint&, const SunOfPoint&)>& error,
                                 const std::string& what, double toleranceDeg) {
    const oracle::Misses miss = oracle::missesOf(
        points.size(),
        [&](std::size_t i) { return std::fabs(error(points[i], sunOfPoint(o, points[i].at))); },
        toleranceDeg);
    if (miss.count == 0) return testing::AssertionSuccess();
    const DrawnPoint& p = points[miss.worst];
    const SunOfPoint s = sunOfPoint(o, p.at);
    std::ostringstream out;
    out.precision(10);
    out << miss.count << " of " << points.size() << " points off " << what << "; worst #"
        << miss.worst << " at (" << p.at.x << ", " << p.at.y << ") tag " << p.tag << ", off by "
        << miss.worstError << ": sun at H = " << s.sun.hourAngle << ", decl = " << s.sun.declination
        << ", altitude = " << s.altitude << ", azimuth = " << s.azimuth;
    return testing::AssertionFailure() << out.str();
}

}  // namespace dialtest
