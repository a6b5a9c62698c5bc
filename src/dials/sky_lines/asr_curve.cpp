// The Asr curve of the Islamic afternoon prayer: for each declination of the sun through the
// year, the shadow of the style tip at the moment in the afternoon when the shadow of a vertical
// rod has grown longer than its noon shadow by the rod's own length. Every caller calls it; it
// refreshes the plane from the main window first and draws only when "Asr" is ticked.

#include <cmath>

#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "dials/sky_lines/sky_lines.h"
#include "dials/sky_lines/sky_projection.h"
#include "numeric/checked.h"
#include "numeric/rounding.h"
#include "numeric/skip.h"
#include "numeric/step_loop.h"
#include "shell/helpers.h"
#include "shell/read_place_and_wall.h"

namespace dials::sky_lines {

void PlotAsrCurve(shell::Context& ctx) {
    constexpr numeric::Colour kAsrColour = numeric::rgb(0, 193, 97);
    const shell::InputRecord& in = ctx.inputs;
    shell::Module1& m = ctx.m;
    // The flat 3D programme keeps a latitude folded to the north, a reclination carrying the
    // hemisphere's sign and, on some planes, no style length of its own making: the curve takes
    // the place and the plane as typed there, whatever ran before it. The other programmes
    // leave a signed latitude, their own reclination and their style length.
    const bool flat3d = in.checked("M_Inclinati");

    const double phi = flat3d ? numeric::checkFinite(in.number("txtLAT") * m.Pi / 180) : m.LatRad;
    const double h = phi == 0 ? 1 : numeric::sgn(phi);
    m.ReclDeg = planeReclinationDeg(in, h);
    // A horizontal plane has no declination of its own: the curve is drawn on the axes of the
    // other lines of such a dial.
    const bool horizontal = programmeHasReclination(in) && std::fabs(m.ReclDeg) == 90;
    m.WallDeclRad =
        horizontal ? 0 : numeric::checkFinite(shell::typedDeclination(in) * m.Pi / 180);
    if (in.checked("mnuVertSph")) m.ReclRad = 0;

    if (!shell::ticked(ctx, "ckAsr")) return;

    const double R = flat3d ? numeric::checkFinite(m.ReclDeg * m.Pi / 180) : m.ReclRad;
    const double length = flat3d ? in.number("txtStilo") : m.StyleLength;
    const SkyPlane plane = SkyPlane::of(phi, m.WallDeclRad, R, length, m.Pi);
    plot::PlotSurface& plot = ctx.ixPlot1();

    for (double decl : numeric::StepRange(-kSolsticeDeg, kSolsticeDeg, 0.05)) {
        m.SunDecl = decl;
        numeric::skip([&] {
            const double delta = decl * m.Pi / 180;
            // The noon shadow of a rod of length 1 is tan|phi - delta|; at the Asr it is one
            // length more, so cot(altitude) = 1 + tan|phi - delta|.
            const double A = std::atan(
                numeric::checkedDiv(1, 1 + std::tan(std::fabs(phi - delta))));
            const double c = numeric::checkedDiv(std::sin(A) - std::sin(delta) * std::sin(phi),
                                                 std::cos(delta) * std::cos(phi));
            m.HourAngleRad = h * shell::ArcCos(m, c);
            // Where the noon sun does not rise (beyond the polar circles) the Asr altitude comes
            // out negative: there is no Asr that day.
            plotSunlitShadow(plot, plane, h, m.HourAngleRad, delta, kAsrColour);
        });
    }
}

}  // namespace dials::sky_lines
