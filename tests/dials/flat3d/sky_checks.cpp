#include "sky_checks.h"

#include <cmath>
#include <sstream>

namespace flat3dtest {

SunOfPoint sunOfPoint(const oracle::ShadowOracle& o, const oracle::DialXY& p) {
    return {o.sunFor(p.x, p.y), o.altitudeAt(p.x, p.y), o.azimuthAt(p.x, p.y)};
}

double angleBetween(double a, double b) { return oracle::foldDegrees(a - b); }

testing::AssertionResult allSuns(const oracle::ShadowOracle& o,
                                 const std::vector<DrawnPoint>& points,
                                 const std::function<double(const DrawnPoint&, const SunOfPoint&)>& error,
                                 const std::string& what, double toleranceDeg) {
    std::size_t failing = 0, worst = 0;
    double worstError = -1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double e = std::fabs(error(points[i], sunOfPoint(o, points[i].at)));
        if (!(e <= toleranceDeg)) {
            ++failing;
            if (!(e <= worstError)) worst = i, worstError = e;
        }
    }
    if (failing == 0) return testing::AssertionSuccess();
    const DrawnPoint& p = points[worst];
    const SunOfPoint s = sunOfPoint(o, p.at);
    std::ostringstream out;
    out.precision(10);
    out << failing << " of " << points.size() << " points off " << what << "; worst #" << worst
        << " at (" << p.at.x << ", " << p.at.y << ") tag " << p.tag << ", off by " << worstError
        << ": sun at H = " << s.sun.hourAngle << ", decl = " << s.sun.declination
        << ", altitude = " << s.altitude << ", azimuth = " << s.azimuth;
    return testing::AssertionFailure() << out.str();
}

}  // namespace flat3dtest
