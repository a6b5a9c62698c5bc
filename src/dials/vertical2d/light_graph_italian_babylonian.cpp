// The light graph's Italian hours (counted from sunset) and Babylonian hours (from sunrise).
// Each line is straight: it passes through the point where a whole-hour line crosses the
// equinoctial line and touches the conic of the day circle that grazes the horizon (prepared by
// PrepareHourConicsLight). Of the two tangents from that point one belongs to the Italian hour
// and the other to the Babylonian hour; which is which depends on the wall, so each family takes
// the tangent that carries the shadow of its own hour on another day. Each line is drawn as
// points every PointStep metres across the plot area, where the sun of its hour casts a shadow:
// below the horizontal through the style tip (above it the sun stands below the horizon), and on
// the side of the hour line six hours from the line's equinox hour that holds its equinox point
// (on the other side the same line carries the suns of the other family's hour of the same
// number, each family owning one half of the hour circle they share).

#include <cmath>
#include <optional>

#include "dials/vertical2d/light_graph_procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

using light::sq;
using numeric::checkedDiv;

enum class Family { Italian, Babylonian };

struct FramePoint {
    double q, w;  // across the substyle; along it from the equinoctial line
};

// The shadow of the style tip at this family's hour on a day other than the equinox: the day
// halfway between the equinox and the circle that grazes the horizon, on either side. At the
// equinox the hour falls on the hour angle h of the equinoctial point; on a day of semi-diurnal
// arc H0 the Italian hour falls at h + H0 - 90 degrees, the Babylonian at h - H0 + 90 degrees.
std::optional<FramePoint> hourShadow(const shell::Module1& m, Family family, double h,
                                     double s, double P) {
    const light::Wall wall = light::Wall::from(m);
    const double halfway = (m.Pi / 2 - m.LatRad) / 2;
    for (double declination : {halfway, -halfway}) {
        const double t = -std::tan(m.LatRad) * std::tan(declination);
        if (!(std::fabs(t) < 1)) continue;
        double arc = 0;
        try {
            arc = shell::ArcCos(m, t);
        } catch (const numeric::NumericFailure&) {
            continue;
        }
        const double H = family == Family::Italian ? h + arc - m.Pi / 2 : h - arc + m.Pi / 2;
        const auto shadow = wall.shadow(H, declination);
        if (!shadow) continue;
        const double x = shadow->at.x, y = shadow->at.y;
        const FramePoint p{x * std::cos(s) + y * std::sin(s), -x * std::sin(s) + y * std::cos(s) + P};
        if (std::isfinite(p.q) && std::isfinite(p.w)) return p;
    }
    return std::nullopt;
}

// Distance in the frame from a point to the line w = slope (q - qE).
double distanceToLine(const FramePoint& p, double slope, double qE) {
    return std::fabs(p.w - slope * (p.q - qE)) / std::sqrt(1 + sq(slope));
}

void drawHourFamily(shell::Context& ctx, Family family) {
    shell::Module1& m = ctx.m;
    if (m.LatDegrees == 0 || m.LatDegrees == 90) return;
    // Without a style elevation the tangent conic was not prepared in this run.
    if (m.SetupAngleB == 0) return;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, family == Family::Italian ? 12 : 13);
    const double L = m.StyleLength, e = m.SetupAngleB, s = m.SetupAngleA, P = m.PlaneCoefY;
    // The tangent conic T w^2 + f w + q^2 + j = 0: the set-up's multiplied by T, exact where
    // T is 0 or nearly so.
    const double T = light::italBabConicTerm(m);
    const double f = -2 * L * std::tan(e);
    const double j = sq(L / std::cos(e));
    const light::SubstyleFrame frame{L, e, s, P};
    const light::Wall wall = light::Wall::from(m);
    const DialBox area = plotAreaBox(plot);

    // The hour loop counts in a shared cell, as it always has; it ends one step past 90.
    numeric::countedLoop(m.ConicB2345, -90, 90, 15, [&](double hour) {
        const double h = hour * m.Pi / 180;
        double qE = 0;
        if (!numeric::assignOrSkip(
                qE, [&] { return checkedDiv(L, std::cos(e)) * std::tan(h + m.SubstyleHour); }))
            return;
        // The lines w = slope (q - qE) that meet the conic in a double point: the Italian hour
        // takes the root with -sqrt, the Babylonian the one with +sqrt, unless the shadow of
        // the family's own hour on another day lies on the other.
        const auto slopes = tangentSlopes(T, f, j, qE);
        const bool firstIsMinus = 4 * f * qE >= 0;
        const auto& italianSlope = firstIsMinus ? slopes[0] : slopes[1];
        const auto& babylonianSlope = firstIsMinus ? slopes[1] : slopes[0];
        std::optional<double> slope = family == Family::Italian ? italianSlope : babylonianSlope;
        const std::optional<double> other =
            family == Family::Italian ? babylonianSlope : italianSlope;
        if (!slope) return;  // no tangent from this point: the hour's line is left out
        if (const auto p = hourShadow(m, family, h, s, P);
            p && other && distanceToLine(*p, *other, qE) < distanceToLine(*p, *slope, qE))
            slope = other;
        // The line d = w - P, w = slope (q - qE), across the plot area, where the sun of this
        // hour casts its shadow (see the top of the file).
        plotLinePoints(plot, colour, frame.line(1, -*slope, -*slope * qE - P), area, m.PointStep,
                       {kHorizonThroughTip, wall.withinSixHours(h)});
    });
}

}  // namespace

void DrawItalianHoursLight(shell::Context& ctx) { drawHourFamily(ctx, Family::Italian); }

void DrawBabylonianHoursLight(shell::Context& ctx) { drawHourFamily(ctx, Family::Babylonian); }

}  // namespace dials::vertical2d
