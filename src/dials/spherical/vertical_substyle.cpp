// The substyle line of the vertical dial by spherical trigonometry: the shadow of the style tip
// for the suns of the substyle's hour circle, the great circle through the pole and the normal
// of the wall, swept over the declination. Its points lie on the straight line through the foot
// of the style and the dial centre; the sweep ends at +-80 degrees, short of the centre itself
// (declination +-90). It is a construction line: every point is drawn, whether or not the
// sun could cast it.

#include <cmath>

#include "dials/spherical/vertical_procedures.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::spherical {

void PlotSubstyleLineVertSph(shell::Context& ctx) {
    shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const numeric::Colour colour = shell::LineColor(ctx, 9);
    const double phi = m.LatRad, D = m.WallDeclRad, s = m.StyleLength;

    // On the equator the substyle's hour angle is a quarter turn whatever the wall.
    double Hs = m.Pi / 2;
    if (phi != 0 && !numeric::assignOrSkip(Hs, [&] {
            return shell::Atn2(m, std::tan(D), std::sin(phi));
        }))
        return;

    // Every point is drawn, whatever sun could cast it; the sampler lays the line whole between
    // the declinations of the sweep. A step that cannot advance draws nothing.
    numeric::skip([&] { plotCurve(
        plot, colour, [&](double decl) -> std::optional<DialPoint> {
            m.SunDecl = decl;
            const double d = decl * m.Pi / 180;
            const double A = shell::Atn2(m, std::sin(Hs),
                                         std::sin(phi) * std::cos(Hs) - std::tan(d) * std::cos(phi));
            m.HourAngleRad = shell::ArcSin(
                m, std::sin(phi) * std::sin(d) + std::cos(d) * std::cos(phi) * std::cos(Hs));
            return DialPoint{numeric::checkFinite(s * std::tan(A - D)),
                             numeric::checkFinite(numeric::checkedDiv(
                                 -s * std::tan(m.HourAngleRad), std::cos(A - D)))};
        },
        {-80, 80, 10 * m.PointStep}, kLineStep); });
}

}  // namespace dials::spherical
