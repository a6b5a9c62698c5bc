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

namespace dials::flat3d {

namespace {

using numeric::checkedDiv;

// What the triangle computes. The slope and the drop start from the shared record's (a
// computation that fails leaves them there) and are written back to the record in one closing
// block (store), with the polar style's length where it is known.
struct Triangle {
    double substyleSlope;    // SubstyleSlope: -u/v of the substyle
    bool alphaKnown = false; // whether the substyle's direction is known in this call
    double alpha = 0;        // its angle, atan of the slope
    double polarLength = 0;  // StyleHypotenuse: S / s
    bool lengthKnown = false;
    double polarAngle = 0;   // the polar style's angle over the plane, ArcSin(s)
    bool angleKnown = false;
    std::optional<DialPoint> centre;
    int centreDrop;          // WorkFlag: its drop below the tip, whole metres, 1 for none

    explicit Triangle(const shell::Module1& m)
        : substyleSlope(m.SubstyleSlope), centreDrop(m.WorkFlag) {}

    void store(shell::Module1& m) const {
        m.SubstyleSlope = substyleSlope;
        m.SideSign = numeric::sgn(alpha);
        if (lengthKnown) m.StyleHypotenuse = polarLength;
        m.WorkFlag = centreDrop;
    }
};

// The centre: where the line through the style tip parallel to the polar axis meets the plane
// (the face's centre), with its drop below the tip. None
// where the polar axis meets the plane only at infinity (a wall facing due east or west, a polar
// dial): there is no centre, and no line runs through one.
void findCentre(Triangle& tr, const PlaneGeometry& g) {
    const auto centre = g.face.centre(g.S, g.phi);
    if (!centre || !std::isfinite(centre->x) || !std::isfinite(centre->y)) return;
    tr.centre = centre;
    const Vec3 world = g.face.world(*centre);
    numeric::skip([&] {
        const int drop = numeric::toInt16(g.Z0 - world.z);
        tr.centreDrop = drop == 0 ? 1 : drop;
    });
}

// The slope -u/v of the substyle, the polar axis laid down on the plane, and its angle. The
// direction is known in this call but where the substyle runs along the plane's horizontal
// (v = 0), or on a plane perpendicular to the axis, which has no substyle, unless the plane faces
// due south or north: its substyle is then the vertical (slope 0).
void findSubstyle(Triangle& tr, const PlaneGeometry& g) {
    const DialPoint along = g.face.substyleDirection(g.phi);
    tr.alphaKnown =
        numeric::assignOrSkip(tr.substyleSlope, [&] { return -checkedDiv(along.x, along.y); });
    if (!tr.alphaKnown && g.D == 0) {
        tr.substyleSlope = 0;
        tr.alphaKnown = true;
    }
    tr.alpha = std::atan(tr.substyleSlope);
}

// The length of the polar style S / s and its angle ArcSin(s) over the plane, s the sine of
// the style elevation in this pipeline's sign (the face's, or its opposite).
void findPolarStyle(Triangle& tr, const shell::Module1& m, double S, double s) {
    tr.lengthKnown = numeric::assignOrSkip(tr.polarLength, [&] { return checkedDiv(S, s); });
    tr.angleKnown = numeric::assignOrSkip(
        tr.polarAngle, [&] { return shell::ArcSin(m, numeric::clampRoundedSine(s)); });
}

void drawPerpendicularStyle(shell::Context& ctx, const Triangle& tr, double S) {
    if (!tr.alphaKnown) return;
    plotSegment(ctx.ixPlot1(), {0, 0}, {S * std::cos(tr.alpha), S * std::sin(tr.alpha)},
                shell::LineColor(ctx, palette::kLightMagenta));
}

void drawPolarStyleAndSubstyle(shell::Context& ctx, const Triangle& tr, double S) {
    if (!tr.centre) return;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const DialPoint c = *tr.centre;
    if (tr.alphaKnown)
        plotSegment(plot, c, {S * std::cos(tr.alpha), S * std::sin(tr.alpha)},
                    shell::LineColor(ctx, palette::kLightBlue));
    plotSegment(plot, c, {0, 0}, shell::LineColor(ctx, palette::kLightYellow));
}

void drawCentreVertical(shell::Context& ctx, const Triangle& tr) {
    if (!tr.centre) return;
    plot::PlotSurface& plot = ctx.ixPlot1();
    plotSegment(plot, {tr.centre->x, plot.ShiftY()}, {tr.centre->x, -2 * plot.ShiftY()},
                shell::LineColor(ctx, palette::kDarkGrey));
}

}  // namespace

void DrawStyleTriangleX(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    // The reclination is the typed one with the hemisphere's sign, as the set-up left it.
    const PlaneGeometry g = PlaneGeometry::from(m);
    const double S = g.S;

    Triangle tr(m);
    if (std::fabs(m.ReclDeg) == 90) {
        tr.substyleSlope = 0;
        tr.alphaKnown = true;
        tr.alpha = std::atan(0.0);
    } else {
        findSubstyle(tr, g);
    }
    findPolarStyle(tr, m, S, g.face.polarElevationSine(g.phi));
    findCentre(tr, g);
    tr.store(m);

    drawPerpendicularStyle(ctx, tr, S);
    drawPolarStyleAndSubstyle(ctx, tr, S);
    drawCentreVertical(ctx, tr);
}

void DrawStyleTriangleY(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const PlaneGeometry g = PlaneGeometry::from(m);
    const double S = g.S;
    Triangle tr(m);
    findSubstyle(tr, g);
    findPolarStyle(tr, m, S, -g.face.polarElevationSine(g.phi));
    findCentre(tr, g);
    tr.store(m);

    drawPerpendicularStyle(ctx, tr, S);
    // A polar style longer than a hundred styles (or infinite: a style parallel to the plane)
    // is drawn as a line of points through the laid tip, at the style's angle to the substyle.
    if (tr.lengthKnown && std::fabs(tr.polarLength) < 100 * S) {
        drawPolarStyleAndSubstyle(ctx, tr, S);
    } else if (tr.alphaKnown && tr.angleKnown) {
        plot::PlotSurface& plot = ctx.ixPlot1();
        const numeric::Colour colour = shell::LineColor(ctx, palette::kMagenta);
        const double tipU = S * std::cos(tr.alpha), tipV = S * std::sin(tr.alpha);
        const double slope = std::tan(tr.alpha + tr.polarAngle);
        for (double u : numeric::StepRange(-1, 1, 0.001)) {
            plotSolvedPoint(plot, colour, [&] {
                return DialPoint{u, tipV - checkedDiv(u - tipU, slope)};
            });
        }
    }
    drawCentreVertical(ctx, tr);
}

}  // namespace dials::flat3d
