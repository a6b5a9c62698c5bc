// Italian hours (counted from the last sunset) and Babylonian hours (counted from sunrise). The
// line of one such hour is where the dial plane meets the plane through the style tip that is
// the horizon turned about the polar axis by an angle H (positive towards the east); its normal
// is the zenith turned the same way,
//   n(H) = (cos phi sin H, sin phi cos phi (1 - cos H), sin^2 phi + cos^2 phi cos H).
// In the north H = 15 k is the Italian hour 24 - k and H = -15 k the Babylonian hour k. One line
// per whole hour whatever the hour fraction, each drawn whole across the stepped range.

#include <cmath>

#include "dials/flat3d/plane.h"
#include "dials/flat3d/procedures.h"
#include "numeric/checked.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"

namespace dials::flat3d {

namespace {

using numeric::checkedDiv;

enum class FreeVariable { X, Y };

struct HourFamily {
    double from;  // degrees of HourLoop
    double to;
    int colour;
};

// Italian hours turn the horizon west of the meridian in the north, Babylonian hours east; the
// southern hemisphere (folded onto the north) swaps the ranges.
HourFamily italianHours(const shell::Module1& m) {
    return {-90.0 * (1 - m.HemisphereSign), 90.0 * (1 + m.HemisphereSign), 12};
}

HourFamily babylonianHours(const shell::Module1& m) {
    return {-90.0 * (1 + m.HemisphereSign), 90.0 * (1 - m.HemisphereSign), 13};
}

void drawFamily(shell::Context& ctx, const HourFamily& family, FreeVariable variable) {
    shell::Module1& m = ctx.m;
    m.PlaneCoefSaveY = m.PlaneCoefY;
    m.PlaneCoefSaveZ = m.PlaneCoefZ;
    const PlaneGeometry g = PlaneGeometry::from(m);
    const double X0 = g.X0, Y0 = m.PlaneCoefSaveY, Z0 = m.PlaneCoefSaveZ;
    const double sf = std::sin(g.phi), cf = std::cos(g.phi), tf = std::tan(g.phi);
    const double sinD = std::sin(g.D), cosD = std::cos(g.D), tanR = std::tan(g.R);
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, family.colour);

    numeric::countedLoop(m.HourLoop, family.from, family.to, 15, [&](double hourLoop) {
        m.HourAngleRad = hourLoop * m.Pi / 180;
        const double sinH = std::sin(m.HourAngleRad), cosH = std::cos(m.HourAngleRad);
        // n(H) . (P - T) = 0 solved for the height Z of the plane's point above the stepped
        // coordinate (the plane: Y = -X tan D + Z tan R / cos D).
        auto plotAt = [&](auto&& solveZ, auto&& toDial) {
            plotSolvedPoint(plot, colour, [&] {
                const double Z = solveZ();
                m.ItalBabLoop = Z;
                return toDial(Z);
            });
        };
        if (variable == FreeVariable::X) {
            const double N = cosD * (cf * cosH + tf * sf) - sf * tanR * (cosH - 1);
            for (double x : numeric::StepRange(-1, 1, 0.002)) {
                plotAt(
                    [&] {
                        return checkedDiv(x * sinD * sf * (1 - cosH) - sinH * cosD * (x - X0) +
                                              Y0 * sf * cosD * (1 - cosH) +
                                              Z0 * cosD * (cf * cosH + tf * sf),
                                          N);
                    },
                    [&](double Z) { return g.fromX(x, Z); });
            }
        } else {
            const double N = tanR * sinH + cf * cosH * sinD + sf * tf * sinD;
            for (double y : numeric::StepRange(-1, 1, 0.001)) {
                plotAt(
                    [&] {
                        return checkedDiv((y - Y0) * (cosD * sinH + sf * sinD * cosH -
                                                      cf * tf * sinD) +
                                              X0 * sinD * sinH + Y0 * cosD * sinH -
                                              Z0 * tanR * sinH,
                                          N) +
                               Z0;
                    },
                    [&](double Z) { return g.fromY(y, Z); });
            }
        }
    });
}

}  // namespace

void DrawItalianHoursX(shell::Context& ctx) {
    drawFamily(ctx, italianHours(ctx.m), FreeVariable::X);
}

void DrawItalianHoursY(shell::Context& ctx) {
    drawFamily(ctx, italianHours(ctx.m), FreeVariable::Y);
}

void DrawBabylonianHoursX(shell::Context& ctx) {
    drawFamily(ctx, babylonianHours(ctx.m), FreeVariable::X);
}

void DrawBabylonianHoursY(shell::Context& ctx) {
    drawFamily(ctx, babylonianHours(ctx.m), FreeVariable::Y);
}

}  // namespace dials::flat3d
