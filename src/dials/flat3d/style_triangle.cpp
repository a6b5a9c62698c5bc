// The triangle of the style: the right triangle of the perpendicular style, the polar style and
// the substyle, turned about the substyle and laid flat on the dial, with a vertical line through
// the dial centre. The perpendicular style goes from the foot to the laid tip (S cos a, S sin a),
// a the substyle angle from the dial's vertical; the polar style from the centre to the laid tip.
// A segment whose end could not be computed in this call is not drawn.

#include <cmath>
#include <optional>

#include "dials/flat3d/plane.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
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

// The centre: where the line through the style tip parallel to the polar axis meets the plane.
struct Centre {
    double Zc = 0;  // world height
    double Yc = 0;  // world north coordinate
};

// None where the polar axis meets the plane only at infinity (a wall facing due east or west,
// a polar dial): there is no centre, and no line runs through one.
std::optional<Centre> computeCentre(shell::Module1& m, const PlaneGeometry& g) {
    if (g.face.meetsAtInfinity(celestialPole(g.phi))) return std::nullopt;
    Centre c;
    const bool ok = numeric::skip([&] {
        const double k = checkedDiv(g.X0 * std::sin(g.D) + g.Y0 * std::cos(g.D) -
                                        g.Z0 * std::tan(g.R),
                                    std::tan(g.R) * std::tan(g.phi) - std::cos(g.D));
        c.Zc = numeric::checkFinite(g.Z0 + std::tan(g.phi) * k);
        c.Yc = numeric::checkFinite(g.Y0 + k);
    });
    if (!ok) return std::nullopt;
    m.TriangleTemp = c.Yc;
    numeric::skip([&] {
        const int drop = numeric::toInt16(m.PlaneCoefZ - c.Zc);
        m.WorkFlag = drop == 0 ? 1 : drop;
    });
    return c;
}

// Runs the substyle points of this pipeline, keeping -u/v of each in SubstyleSlope. Returns
// whether the substyle's direction is known in this call: a slope was computed, or the plane
// faces due south or north, whose substyle is the vertical (slope 0, as the substyle
// computation stored it).
template <class SubstylePoint>
bool traceSubstyleSlope(shell::Module1& m, const PlaneGeometry& g, SubstylePoint&& point) {
    bool known = false;
    for (double t : numeric::StepRange(-1, 1, 0.001)) {
        const auto p = solvePoint([&] { return point(t); });
        if (p && numeric::assignOrSkip(m.SubstyleSlope,
                                       [&] { return -checkedDiv(p->x, p->y); }))
            known = true;
    }
    if (!known && g.D == 0) {
        m.SubstyleSlope = 0;
        known = true;
    }
    return known;
}

struct PolarStyle {
    bool lengthKnown = false;
    bool angleKnown = false;
};

// The length of the polar style S / s and its angle ArcSin(s) over the plane, s the sine of
// the style elevation in this pipeline's sign; says which of them were computed in this call.
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
    ctx.ixPlot1().xLine(0, 0, S * std::cos(tr.alpha), -S * std::sin(tr.alpha),
                        shell::LineColor(ctx, kPerpendicularStyleColour));
}

void drawPolarStyleAndSubstyle(shell::Context& ctx, const Triangle& tr, double S) {
    if (!tr.centre) return;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const DialPoint c = *tr.centre;
    if (tr.alphaKnown)
        plot.xLine(c.x, -c.y, S * std::cos(tr.alpha), -S * std::sin(tr.alpha),
                   shell::LineColor(ctx, kPolarStyleColour));
    plot.xLine(c.x, -c.y, 0, 0, shell::LineColor(ctx, kSubstyleColour));
}

void drawCentreVertical(shell::Context& ctx, const Triangle& tr) {
    if (!tr.centre) return;
    plot::PlotSurface& plot = ctx.ixPlot1();
    plot.xLine(tr.centre->x, -plot.ShiftY(), tr.centre->x, 2 * plot.ShiftY(),
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
    if (std::fabs(m.ReclDeg) == 90) {
        m.SubstyleSlope = 0;
    } else {
        const double a = std::cos(g.D) * std::tan(g.R) + std::tan(g.phi);
        const double b = std::sin(g.D) * (std::cos(g.D) - std::tan(g.phi) * std::tan(g.R));
        alphaKnown = traceSubstyleSlope(m, g, [&](double t) {
            return g.fromX(t, -checkedDiv(t * a, b));
        });
    }
    const auto centre = computeCentre(m, g);
    Triangle tr = finishAngle(m, alphaKnown);
    const double s = std::sin(g.R) * std::sin(g.phi) -
                     std::cos(g.phi) * std::cos(g.R) * std::cos(g.D);
    storeHypotenuse(m, S, s);
    if (centre) tr.centre = solvePoint([&] { return g.fromX(g.X0, centre->Zc); });

    drawPerpendicularStyle(ctx, tr, S);
    drawPolarStyleAndSubstyle(ctx, tr, S);
    drawCentreVertical(ctx, tr);
}

void DrawStyleTriangleY(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    const PlaneGeometry g = PlaneGeometry::from(m);
    const double S = g.S;
    const double sinD = std::sin(g.D), cosD = std::cos(g.D), tanR = std::tan(g.R);
    const double k = std::sin(g.phi) * cosD + std::cos(g.phi) * tanR;
    const double mm = k * tanR + sinD * sinD * std::cos(g.phi);
    const bool alphaKnown = traceSubstyleSlope(m, g, [&](double t) {
        const double Z = checkedDiv((t - g.Y0) * (k * cosD + sinD * sinD * std::sin(g.phi)) +
                                        k * (g.X0 * sinD + g.Y0 * cosD - g.Z0 * tanR),
                                    mm) +
                         g.Z0;
        return g.fromY(t, Z);
    });
    const auto centre = computeCentre(m, g);
    Triangle tr = finishAngle(m, alphaKnown);
    const double e = std::cos(g.phi) * std::cos(g.R) * cosD - std::sin(g.phi) * std::sin(g.R);
    const PolarStyle polar = storeHypotenuse(m, S, e);
    if (centre) tr.centre = solvePoint([&] { return g.fromY(centre->Yc, centre->Zc); });

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
