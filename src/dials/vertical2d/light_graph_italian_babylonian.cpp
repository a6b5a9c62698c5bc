// The light graph's Italian hours (counted from sunset) and Babylonian hours (from sunrise).
// Each line is straight: it passes through the point where a whole-hour line crosses the
// equinoctial line and touches the conic of the day circle that grazes the horizon (prepared by
// PrepareHourConicsLight). Of the two tangents from that point one belongs to the Italian hour
// and the other to the Babylonian hour; which is which depends on the wall, so each family takes
// the tangent that carries the shadow of its own hour on another day.

#include <cmath>
#include <optional>

#include "dials/vertical2d/light_graph_procedures.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

using light::sq;
using numeric::checkedDiv;
using numeric::checkedSqrt;

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
    const double a = m.ItalBabCoefA, c = m.ItalBabCoefB, b = m.ItalBabCoefC;
    const light::SubstyleFrame frame{L, e, s, P};
    const numeric::StepRange band(-1, 1, m.PointStep);

    // The hour loop counts in a shared cell, as it always has; it ends one step past 90.
    numeric::countedLoop(m.ConicB2345, -90, 90, 15, [&](double hour) {
        const double h = hour * m.Pi / 180;
        double qE = 0, slope = 0;
        try {
            qE = checkedDiv(L, std::cos(e)) * std::tan(h + m.SubstyleHour);
            // The lines w = slope (q - qE) that meet the conic in a double point.
            const double delta = numeric::checkFinite(
                sq(a) * b * c + sq(a) * sq(c) * sq(qE) - 4 * sq(b) * c - 4 * b * sq(c) * sq(qE));
            const double root = checkedSqrt(delta);
            const double denominator = sq(a) - 4 * b - 4 * c * sq(qE);
            const double italianSlope = checkedDiv(-2 * a * c * qE - 2 * root, denominator);
            const double babylonianSlope = checkedDiv(-2 * a * c * qE + 2 * root, denominator);
            slope = family == Family::Italian ? italianSlope : babylonianSlope;
            const double other = family == Family::Italian ? babylonianSlope : italianSlope;
            if (const auto p = hourShadow(m, family, h, s, P);
                p && distanceToLine(*p, other, qE) < distanceToLine(*p, slope, qE))
                slope = other;
        } catch (const numeric::NumericFailure&) {
            return;  // no tangent from this point: the hour's line is left out
        }
        for (double q : band) {
            light::plotSolvedPoint(plot, colour, [&] {
                const double w = slope * (q - qE);
                return frame.toDial(w - P, q);
            });
        }
    });
}

}  // namespace

void DrawItalianHoursLight(shell::Context& ctx) { drawHourFamily(ctx, Family::Italian); }

void DrawBabylonianHoursLight(shell::Context& ctx) { drawHourFamily(ctx, Family::Babylonian); }

}  // namespace dials::vertical2d
