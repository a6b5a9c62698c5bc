// Italian hours (counted from sunset) and Babylonian hours (counted from sunrise). Each hour line
// is a straight line through the point of the equinoctial line that belongs to its hour and
// tangent to the conic of the day circle of declination 90 - |phi| (the circle that grazes the
// horizon). From that point there are two tangents: the plane of one through the style tip is
// the horizon turned about the polar axis by H - 90 degrees (the Italian hour whose equinox sun
// stands at hour angle H), the plane of the other the horizon turned by H + 90 (the Babylonian
// hour). Which root of the tangency condition is which depends on the wall, so each line is
// identified by its plane, and each family is drawn in its own colour on every wall.
//
// In the equinoctial frame (X along the equinoctial, Y along the substyle towards the centre)
// the conic is T0 Y^2 + X^2 - 2 L tan(e) Y + (L / cos e)^2 = 0 and the line through (q, 0) is
// Y = m (X - q); it touches the conic when
//   (f^2 - 4 T0 (j + q^2)) m^2 + 4 f q m - 4 j = 0,   f = -2 L tan e, j = (L / cos e)^2,
// which is the set-up's condition multiplied by T0^2, defined for a parabola (T0 = 0) as well.
//
// Of each line, the part across the plot area where the sun of its hour casts a shadow is drawn,
// as one segment (the plot clips it): below the horizontal through the style tip (above it the
// sun stands below the horizon), and on the side of the hour line six hours from H that holds
// the line's equinox point (on the other side the same line carries the suns of the other
// family's hour of the same number: the hour circle of Italian hour n is that of Babylonian
// hour n, each family owning one half of it).

#include <array>
#include <cmath>
#include <optional>

#include "dials/vertical2d/vertical2d_geometry.h"
#include "dials/vertical2d/vertical2d_procedures.h"
#include "numeric/checked.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::vertical2d {

namespace {

using numeric::checkedDiv;
using numeric::checkFinite;

enum class Family { Italian, Babylonian };

// Where the two tangents coincide both planes are one: a tolerance on their alignments.
constexpr double kSamePlane = 1e-9;

// How nearly the plane through the style tip and the line Y = slope (X - q) is the plane of the
// given normal: |cos| of the angle between the normals, 1 for the same plane.
double planeAlignment(const NorthernWall& wall, double S, double P, double q, double slope,
                      Vec3 normal) {
    const Vec3 a = wall.world(fromEquinoctial(q, 0, S, P)) - wall.tip;
    const Vec3 b = wall.world(fromEquinoctial(q + 1, slope, S, P)) - wall.tip;
    const Vec3 n = cross(a, b);
    const double size = std::sqrt(dot(n, n) * dot(normal, normal));
    return std::fabs(checkedDiv(dot(n, normal), size));
}

void drawHourFamily(shell::Context& ctx, Family family) {
    shell::Module1& m = ctx.m;
    if (!italBabBand(m)) return;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, family == Family::Italian ? 12 : 13);

    const double S = m.SetupAngleA, e = m.SetupAngleB, P = m.PlaneCoefY, L = m.StyleLength;
    const double T0 = m.CentreHeight;
    const double f = -2 * L * std::tan(e);
    const NorthernWall wall = NorthernWall::from(m);
    // On the dial of the northern place this programme draws, a southern Italian hour is a
    // northern Babylonian one and the reverse.
    const bool northernItalian = (family == Family::Italian) == (m.WorkFlag > 0);
    const double quarterTurn = m.Pi / 2;

    numeric::countedLoop(m.ConicB2345, -105, 105, 15, [&](double H) {
        numeric::skip([&] {
            const double hourAngle = H * m.Pi / 180;
            const double h = hourAngle + m.SubstyleHour;
            const double r = checkedDiv(L, std::cos(e));
            const double j = r * r;
            const double q = checkFinite(r * std::tan(h));

            const double turn = northernItalian ? -quarterTurn : quarterTurn;
            const Vec3 wanted = wall.turnedZenith(hourAngle + turn);
            const Vec3 other = wall.turnedZenith(hourAngle - turn);
            // The tangent whose plane is nearer this family's hour plane than the other's.
            std::optional<double> best;
            double bestScore = 0;
            for (const std::optional<double>& slope : tangentSlopes(T0, f, j, q)) {
                if (!slope) continue;
                double score = 0;
                if (!numeric::assignOrSkip(score, [&] {
                        return planeAlignment(wall, S, P, q, *slope, wanted) -
                               planeAlignment(wall, S, P, q, *slope, other);
                    }))
                    continue;
                if (!best || score > bestScore) {
                    bestScore = score;
                    best = slope;
                }
            }
            // No tangent of this family from this point: the line is not drawn.
            if (!best || bestScore < -kSamePlane) return;
            const double X1 = -1, X2 = 1;
            const double Y1 = checkFinite((X1 - q) * *best), Y2 = checkFinite((X2 - q) * *best);
            m.ItalBabArray = {X1, Y1, X2, Y2};
            m.TriangleTemp = *best;
            // The line across the plot area, then the part of it where the sun of this hour
            // casts its shadow.
            const auto across = segmentAcrossPlot(
                plot, lineThrough(fromEquinoctial(X1, Y1, S, P), fromEquinoctial(X2, Y2, S, P)));
            if (!across) return;
            const StraightLine sameHalf = wall.withinSixHours(hourAngle);
            if (const auto lit = segmentPartBelow(across->first, across->second,
                                                  {kHorizonThroughTip, sameHalf}))
                plotDialSegment(plot, lit->first, lit->second, colour);
        });
    });
}

}  // namespace

void DrawItalianHoursVert2D(shell::Context& ctx) { drawHourFamily(ctx, Family::Italian); }

void DrawBabylonianHoursVert2D(shell::Context& ctx) { drawHourFamily(ctx, Family::Babylonian); }

}  // namespace dials::vertical2d
