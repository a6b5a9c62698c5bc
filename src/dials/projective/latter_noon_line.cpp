// The noon line of the latter projective dial: the segment of the meridian line that runs from
// the centre through every noon shadow of the year. The shadows of the noon sun lie on the half
// of the meridian line that leaves the centre on the side of the pole in front of the plane,
// ordered by the sun's declination, and run off to infinity where the noon sun grazes the plane.
// The segment ends below (or above) the tip, where the vertical through the tip meets the plane,
// when that point lies on the sunlit half beyond both solstices' noon shadows; otherwise at the
// farther solstice's noon shadow, or at the edge of the plot area when the noon shadows of the
// year run to infinity. A plane that the noon sun never reaches gets no noon line.

#include <algorithm>
#include <cmath>
#include <optional>

#include "dials/projective/latter_procedures.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::projective {

namespace {

using latter::DialPoint;

struct Vec {
    double x, y, n;
};

Vec operator*(double k, Vec v) { return {k * v.x, k * v.y, k * v.n}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.n + b.n}; }

// The sun in the meridian, in dial axes: x horizontal to the right, y up the slope, n out of the
// face. South is cos D f + sin D x and the zenith cos R y + sin R n, f = cos R n - sin R y being
// the horizontal direction the face looks to; the pole stands at the latitude above the north
// and the equator's noon point at the colatitude above the south.
struct NoonSky {
    Vec pole, equator;

    explicit NoonSky(const shell::Module1& m) {
        const double D = m.WallDeclRad, R = m.ReclRad, phi = m.LatRad;
        const Vec south = {std::sin(D), -std::cos(D) * std::sin(R), std::cos(D) * std::cos(R)};
        const Vec zenith = {0, std::cos(R), std::sin(R)};
        pole = -std::cos(phi) * south + std::sin(phi) * zenith;
        equator = std::sin(phi) * south + std::cos(phi) * zenith;
    }

    // The shadow of the tip (0, 0, g) for the noon sun of a declination (radians), when that sun
    // is in front of the plane.
    std::optional<DialPoint> shadow(double declination, double g) const {
        const Vec s = std::cos(declination) * equator + std::sin(declination) * pole;
        if (!(s.n > 0)) return std::nullopt;
        const double t = g / s.n;
        return DialPoint{-t * s.x, -t * s.y};
    }
};

// How far from the centre c, along the unit direction u, the point p lies.
double along(const DialPoint& c, double ux, double uy, const DialPoint& p) {
    return (p.x - c.x) * ux + (p.y - c.y) * uy;
}

}  // namespace

void DrawNoonLineProjLatter(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double g = m.StyleHeightD;
    const NoonSky sky(m);
    const double solstice = m.Pi * 23.45 / 180;
    const auto summer = sky.shadow(solstice, g);
    const auto winter = sky.shadow(-solstice, g);
    if (!summer && !winter) return;  // the noon sun never shines on this plane

    const DialPoint c{m.CentreX, m.CentreY};
    const DialPoint& lit = summer ? *summer : *winter;
    const double length = std::hypot(lit.x - c.x, lit.y - c.y);
    if (!(length > 0)) return;
    const double ux = (lit.x - c.x) / length, uy = (lit.y - c.y) / length;

    // Where the noon shadows of the year end, seen from the centre. When one solstice's noon sun
    // stands behind the plane they run to infinity; the line then ends beyond the plot area, all
    // of whose points lie within its diagonal of the foot (also when a solstice's noon sun only
    // grazes the plane and its shadow falls farther than that).
    const double offPlot =
        std::hypot(c.x, c.y) + 2 * std::hypot(plot.QuadranteL(), plot.QuadranteH());
    double reach = 0;
    for (const auto& shadow : {summer, winter})
        if (shadow) reach = std::max(reach, along(c, ux, uy, *shadow));
    if (!summer || !winter || reach > offPlot) reach = offPlot;

    if (m.ReclRad != 0) {
        // From the point below (or above) the tip, on the vertical through it, to the centre.
        const double below = numeric::checkedDiv(g, std::tan(m.ReclRad));
        if (along(c, ux, uy, {0, -below}) >= reach) {
            plot.xLine(0, below, m.CentreX, -m.CentreY, shell::LineColor(ctx, 4));
            return;
        }
    }
    const DialPoint end{c.x + reach * ux, c.y + reach * uy};
    plot.xLine(end.x, -end.y, m.CentreX, -m.CentreY, shell::LineColor(ctx, 4));
}

}  // namespace dials::projective
