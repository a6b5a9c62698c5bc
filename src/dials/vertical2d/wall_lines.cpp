#include "dials/vertical2d/wall_lines.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace dials::vertical2d {

std::optional<std::pair<DialPoint, DialPoint>> segmentPartBelow(
    const DialPoint& from, const DialPoint& to, std::initializer_list<LineEquation> lines) {
    // The parameters t in [0, 1] of from + t (to - from) that every line keeps.
    double t0 = 0, t1 = 1;
    for (const LineEquation& l : lines) {
        const double start = l.c - (l.a * from.x + l.b * from.y);  // > 0: kept
        const double rate = -(l.a * (to.x - from.x) + l.b * (to.y - from.y));
        if (rate == 0) {
            if (!(start > 0)) return std::nullopt;
            continue;
        }
        const double cross = -start / rate;
        if (rate > 0)
            t0 = std::max(t0, cross);
        else
            t1 = std::min(t1, cross);
        if (!(t0 < t1)) return std::nullopt;
    }
    auto at = [&](double t) {
        return DialPoint{from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
    };
    return std::pair{t0 == 0 ? from : at(t0), t1 == 1 ? to : at(t1)};
}

std::optional<std::pair<DialPoint, DialPoint>> partInBox(const DialPoint& from, const DialPoint& to,
                                                         const PlotBox& box) {
    if (!std::isfinite(from.x) || !std::isfinite(from.y) || !std::isfinite(to.x) ||
        !std::isfinite(to.y))
        return std::nullopt;
    return segmentPartBelow(from, to,
                            {{1, 0, box.right}, {-1, 0, -box.left}, {0, 1, box.top},
                             {0, -1, -box.bottom}});
}

void plotSegmentInArea(plot::PlotSurface& plot, const DialPoint& a, const DialPoint& b,
                       numeric::Colour colour) {
    if (const auto part = partInBox(a, b, plotBox(plot)))
        plot.xLine(part->first.x, -part->first.y, part->second.x, -part->second.y, colour);
}

void plotLinePoints(plot::PlotSurface& plot, numeric::Colour colour, const LineEquation& line,
                    const PlotBox& box, double step,
                    const std::function<bool(const DialPoint&)>& keep) {
    const auto across = lineOf(line);
    if (!across) return;
    for (const DialPoint& p : pointsAcrossBox(*across, box, step, Spacing::AlongLine))
        if (!keep || keep(p)) plotDialPoint(plot, p, colour);
}

namespace {

// The hour angles at which the sun of a declination stands on the horizon while its day's line
// is lit: sunrise and sunset; on the day whose midnight sun only touches the horizon (lit round
// the clock, geometry::semiDiurnalArc) that midnight, where its line touches the horizon. None on
// other days.
std::vector<double> horizonHourAngles(double phi, double declination, double pi) {
    const double arc = semiDiurnalArc(phi, declination, pi);
    if (risesAndSets(arc, pi)) return {-arc, arc};
    if (arc == pi && !aboveHorizon(sunDirection(phi, pi, declination))) return {pi};
    return {};
}

}  // namespace

void plotHorizonEnds(plot::PlotSurface& plot, const Wall& wall,
                     const std::array<ConeLinePair, 3>& pairs, double pi) {
    for (const ConeLinePair& pair : pairs)
        for (const double sign : {1.0, -1.0}) {
            const double declination = sign * pair.degrees * pi / 180;
            for (const double hourAngle : horizonHourAngles(wall.latitude(), declination, pi)) {
                // The sun stands on the horizon, the horizontal through the tip: its shadow lies
                // on the wall's horizontal through the foot, y = 0.
                const auto end = wall.shadow(hourAngle, declination);
                if (end && end->sunInFront) plotDialPoint(plot, {end->at.x, 0}, pair.colour);
            }
        }
}

}  // namespace dials::vertical2d
