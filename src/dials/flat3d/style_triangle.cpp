// The triangle of the style: the right triangle of the perpendicular style, the polar style and
// the substyle, turned about the substyle and laid flat on the dial, with a vertical line through
// the dial centre. The perpendicular style goes from the foot to the laid tip (S cos a, S sin a),
// a the substyle angle from the dial's vertical; the polar style from the centre to the laid tip.
// A segment whose end could not be computed in this call is not drawn.

#include <cmath>
#include <optional>

#include "dials/plot_segment.h"
#include "dials/flat3d/plane.h"
#include "dials/geometry_names.h"
#include "dials/flat3d/procedures.h"
#include "numeric/checked.h"
#include "numeric/tolerance.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"

namespace dials::flat3d {

namespace {

using numeric::checkedDiv;

constexpr int kPerpendicularStyleColour = 13;
constexpr int kPolarStyleColour = 9;
constexpr int kSubstyleColour = 14;
constexpr int kCentreVerticalColour = 8;
constexpr int kPolarStylePointsColour = 5;

// The centre: where the line through the style tip parallel to the polar axis meets the plane
// (the face's centre), with its world point's north coordinate kept in TriangleTemp and its drop
// below the tip in WorkFlag. None where the polar axis meets the plane only at infinity (a wall
// facing due east or west, a polar dial): there is no centre, and no line runs through one.
std::optional<DialPoint> computeCentre(shell::Module1& m, const PlaneGeometry& g) {
    const auto centre = g.face.centre(g.S, g.phi);
    if (!centre || !std::isfinite(centre->x) || !std::isfinite(centre->y)) return std::nullopt;
    const Vec3 world = g.face.world(*centre);
    m.TriangleTemp = world.y;
    numeric::skip([&] {
        const int drop = numeric::toInt16(m.PlaneCoefZ - world.z);
        m.WorkFlag = drop == 0 ? 1 : drop;
    });
    return centre;
}

// The slope -u/v of the substyle, the polar axis laid down on the plane, kept in SubstyleSlope.
// Returns whether the substyle's direction is known in this call: not where the substyle runs
// along the plane's horizontal (v = 0), nor on a plane perpendicular to the axis, which has no
// substyle, unless the plane faces due south or north: its substyle is then the vertical
// (slope 0).
bool storeSubstyleSlope(shell::Module1& m, const PlaneGeometry& g) {
    const DialPoint along = g.face.substyleDirection(g.phi);
    if (numeric::assignOrSkip(m.SubstyleSlope, [&] { return -checkedDiv(along.x, along.y); }))
        return true;
    if (g.D != 0) return false;
    m.SubstyleSlope = 0;
    return true;
}

struct PolarStyle {
    bool lengthKnown = false;
    bool angleKnown = false;
};

// The length of the polar style S / s and its angle ArcSin(s) over the plane, s the sine of
// the style elevation in this pipeline's sign (the face's, or its opposite); says which of them
// were computed in this call.
PolarStyle storeHypotenuse(shell::Module1& m, double S, double s) {
    PolarStyle polar;
    polar.lengthKnown = numeric::assignOrSkip(m.SetupTemp5, [&] { return checkedDiv(S, s); });
    numeric::assignOrSkip(m.StyleHypotenuse, [&] { return checkedDiv(S, s); });
    polar.angleKnown = numeric::assignOrSkip(m.Obliquity, [&] { return shell::ArcSin(m, numeric::clampRoundedSine(s)); });
    return polar;
}

struct Triangle {
    bool alphaKnown = false;
    double alpha = 0;
    std::optional<DialPoint> centre;
};

void drawPerpendicularStyle(shell::Context& ctx, const Triangle& tr, double S) {
    if (!tr.alphaKnown) return;
    plotSegment(ctx.ixPlot1(), {0, 0}, {S * std::cos(tr.alpha), S * std::sin(tr.alpha)},
                shell::LineColor(ctx, kPerpendicularStyleColour));
}

void drawPolarStyleAndSubstyle(shell::Context& ctx, const Triangle& tr, double S) {
    if (!tr.centre) return;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const DialPoint c = *tr.centre;
    if (tr.alphaKnown)
        plotSegment(plot, c, {S * std::cos(tr.alpha), S * std::sin(tr.alpha)},
                    shell::LineColor(ctx, kPolarStyleColour));
    plotSegment(plot, c, {0, 0}, shell::LineColor(ctx, kSubstyleColour));
}

void drawCentreVertical(shell::Context& ctx, const Triangle& tr) {
    if (!tr.centre) return;
    plot::PlotSurface& plot = ctx.ixPlot1();
    plotSegment(plot, {tr.centre->x, plot.ShiftY()}, {tr.centre->x, -2 * plot.ShiftY()},
                shell::LineColor(ctx, kCentreVerticalColour));
}

Triangle finishAngle(shell::Module1& m, bool alphaKnown) {
    Triangle tr;
    tr.alphaKnown = alphaKnown;
    tr.alpha = std::atan(m.SubstyleSlope);
    m.SideSign = numeric::sgn(tr.alpha);
    return tr;
}

}  // namespace

void DrawStyleTriangleX(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    numeric::assignOrSkip(m.ReclDeg, [&] {
        return numeric::checkFinite(shell::typedReclination(ctx.inputs, m.HemisphereSign) *
                                    m.HemisphereSign);
    });
    numeric::assignOrSkip(m.ReclRad, [&] { return m.ReclDeg * m.Pi / 180; });
    const PlaneGeometry g = PlaneGeometry::from(m);
    const double S = g.S;

    bool alphaKnown = true;
    if (std::fabs(m.ReclDeg) == 90)
        m.SubstyleSlope = 0;
    else
        alphaKnown = storeSubstyleSlope(m, g);
    Triangle tr = finishAngle(m, alphaKnown);
    storeHypotenuse(m, S, g.face.polarElevationSine(g.phi));
    tr.centre = computeCentre(m, g);

    drawPerpendicularStyle(ctx, tr, S);
    drawPolarStyleAndSubstyle(ctx, tr, S);
    drawCentreVertical(ctx, tr);
}

void DrawStyleTriangleY(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const PlaneGeometry g = PlaneGeometry::from(m);
    const double S = g.S;
    Triangle tr = finishAngle(m, storeSubstyleSlope(m, g));
    const PolarStyle polar = storeHypotenuse(m, S, -g.face.polarElevationSine(g.phi));
    tr.centre = computeCentre(m, g);

    drawPerpendicularStyle(ctx, tr, S);
    // A polar style longer than a hundred styles (or infinite: a style parallel to the plane)
    // is drawn as a line of points through the laid tip, at the style's angle to the substyle.
    if (polar.lengthKnown && std::fabs(m.SetupTemp5) < 100 * S) {
        drawPolarStyleAndSubstyle(ctx, tr, S);
    } else if (tr.alphaKnown && polar.angleKnown) {
        plot::PlotSurface& plot = ctx.ixPlot1();
        const numeric::Colour colour = shell::LineColor(ctx, kPolarStylePointsColour);
        const double tipU = S * std::cos(tr.alpha), tipV = S * std::sin(tr.alpha);
        const double slope = std::tan(tr.alpha + m.Obliquity);
        for (double u : numeric::StepRange(-1, 1, 0.001)) {
            plotSolvedPoint(plot, colour, [&] {
                return DialPoint{u, tipV - checkedDiv(u - tipU, slope)};
            });
        }
    }
    drawCentreVertical(ctx, tr);
}

}  // namespace dials::flat3d
