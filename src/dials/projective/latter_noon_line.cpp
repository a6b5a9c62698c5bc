// The noon line of the latter projective dial: the segment of the meridian line that runs from
// the centre through every noon shadow of the year. The shadows of the noon sun lie on the half
// of the meridian line that leaves the centre on the side of the pole in front of the plane,
// ordered by the sun's declination, and run off to infinity where the noon sun grazes the plane.
// The segment ends below (or above) the tip, where the vertical through the tip meets the plane,
// when that point lies on the sunlit half beyond both solstices' noon shadows; otherwise at the
// farther solstice's noon shadow, or at the edge of the plot area when the noon shadows of the
// year run to infinity. A plane that the noon sun never reaches gets no noon line; on a plane
// holding the polar axis, whose centre lies at infinity, the meridian line runs across the plot
// area.

#include <algorithm>
#include <cmath>
#include <optional>

#include "dials/plot_segment.h"
#include "dials/plot_line.h"
#include "dials/projective/latter_procedures.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "shell/helpers.h"

namespace dials::projective {

namespace {

// The shadow of the tip, g out of the face, for the noon sun of declination delta; none when
// that sun is not in front of the face (its shadow does not fall on this face) or the shadow
// cannot be formed.
std::optional<DialPoint> noonShadow(const Face& face, double phi, double delta, double g) {
    const Vec3 sun = sunDirection(phi, 0, delta);
    if (!(dot(sun, face.out) > 0)) return std::nullopt;
    return solvePoint([&] { return face.shadow(g, sun); });
}

// How far from the centre c, along the unit direction u, the point p lies.
double along(const DialPoint& c, double ux, double uy, const DialPoint& p) {
    return (p.x - c.x) * ux + (p.y - c.y) * uy;
}

}  // namespace

void DrawNoonLineProjLatter(shell::Context& ctx) {
    const shell::Module1& m = ctx.m;
    plot::PlotSurface& plot = ctx.ixPlot1();
    const double g = m.StyleLength;
    const Face face = dialFace(m);
    const double solstice = m.Pi * kSolsticeDeg / 180;
    const auto summer = noonShadow(face, m.LatRad, solstice, g);
    const auto winter = noonShadow(face, m.LatRad, -solstice, g);
    if (!summer && !winter) return;  // the noon sun never shines on this plane

    if (latter::centreAtInfinity(m)) {
        // The plane holds the polar axis: the noon shadows of the days run parallel to it, off
        // to infinity both ways, and the line is drawn across the plot area; a plane parallel
        // to the meridian (a wall facing due east or west) has none.
        const Vec3 meridian = hourPlaneNormal(m.LatRad, 0);
        if (face.parallelToPlane(meridian)) return;
        if (const auto line = face.section(meridian, g * face.out))
            plotLineThroughArea(plot, line->base, line->direction,
                                shell::LineColor(ctx, palette::kRed));
        return;
    }

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
            plotSegment(plot, {0, -below}, c, shell::LineColor(ctx, palette::kRed));
            return;
        }
    }
    const DialPoint end{c.x + reach * ux, c.y + reach * uy};
    plotSegment(plot, end, c, shell::LineColor(ctx, palette::kRed));
}

}  // namespace dials::projective
