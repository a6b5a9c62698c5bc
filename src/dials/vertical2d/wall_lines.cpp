#include "dials/vertical2d/wall_lines.h"

#include <cmath>
#include <vector>

#include "dials/plot_segment.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

void plotLinePoints(plot::PlotSurface& plot, numeric::Colour colour, const LineEquation& line,
                    const PlotBox& box, double step,
                    const std::function<bool(const DialPoint&)>& keep) {
    const auto across = lineOf(line);
    if (!across) return;
    for (const DialPoint& p : pointsAcrossBox(*across, box, step, Spacing::AlongLine))
        if (!keep || keep(p)) plotDialPoint(plot, p, colour);
}

LineEquation hourLineOnWall(double h, double e, double S, double L, double K) {
    const double sinH = std::sin(h), cosH = std::cos(h), sinE = std::sin(e);
    return {cosH * std::cos(S) + sinE * sinH * std::sin(S),
            sinE * sinH * std::cos(S) - std::sin(S) * cosH, K * L * std::cos(e) * sinH};
}

DialPoint centreOnSubstyle(const shell::Module1& m, double S) {
    const double toCentre = numeric::checkedDiv(m.StyleLength, std::tan(m.StyleElevRad));
    return {numeric::checkFinite(std::sin(S) * toCentre),
            numeric::checkFinite(std::cos(S) * toCentre)};
}

void plotNoonLine(shell::Context& ctx, double S) {
    const DialPoint centre = centreOnSubstyle(ctx.m, S);
    ctx.m.CentreX = centre.x;
    ctx.m.CentreY = centre.y;
    plot::PlotSurface& plot = ctx.ixPlot1();
    plotSegment(plot, {centre.x, plot.ShiftY()}, {centre.x, plot.ShiftY() - plot.QuadranteH()},
                shell::LineColor(ctx, palette::kRed));
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
