#pragma once
// The procedures of the circular cylinder by 3D analytic geometry, and the chord frame their
// curves share.
//
// Chord frame: the plane tangent to the cylinder along the foot's generatrix, x horizontal in it
// from the foot (to the right of a viewer facing the dial), the height y upward from the foot.
// The surface point of chord x lies z(x) = s R - s sqrt(R^2 - x^2) behind the tangent plane
// (s = m.SideSign: -1 concave, +1 convex), so the style tip stands L + z(x) in front of the
// plane through it parallel to the tangent plane. It is drawn on the unrolled surface at
// u(x) = R ArcSin(x / R), the arc from the foot's generatrix, and at its height: (u, -y) on the
// plot. Every curve is laid by x from -R to R (the curve sampler, from steps of m.PointStep);
// only the half of the surface within a quarter turn of the foot is reached.
//
// In this programme an hour angle counts positive towards the east (morning).

#include <functional>
#include <optional>
#include <vector>

#include "dials/cylindrical/cyl_geometry.h"
#include "dials/cylindrical/cyl_shared.h"
#include "numeric/palette.h"
#include "shell/context.h"

namespace dials::cylindrical {

// The cylinder as the chord sweeps of the 3D programme see it: the shadow geometry with the
// chord x across the tangent plane at the foot.
struct ChordFrame : CylinderShadow {
    static ChordFrame from(const shell::Module1& m) { return {CylinderShadow::from(m)}; }

    // Depth z(x) of the surface point of chord x behind the tangent plane. Throws
    // numeric::NumericFailure beyond |x| = R.
    double depth(double x) const;
    // Whether the tip's shadow can fall on the surface point of chord x: the surface there
    // faces the tip. Always so on a concave dial; on a convex one only within the tangents
    // from the tip.
    bool shadowReaches(double x) const;
    // The direction from the point (x, y) of the surface to the style tip, as east, north and
    // up components: the sun whose shadow of the tip falls there.
    Vec3 towardsTip(double x, double y) const;
};

// The height (up from the tip's level) of a curve over chord x, none where it has none.
using ChordHeight = std::function<std::optional<double>(double x)>;

// Lays the curve of these heights across the chord frame (layDevelopedCurve), on the chords the
// tip's shadow reaches, each point at its developed abscissa u(x): those whose sun stands above
// the horizon and that keep(sun) accepts are drawn. A chord whose height fails numerically has no
// point; the rest of the curve goes on. The curve ends where the shadow stops reaching the
// surface, and at the generatrices of `turnEnds` (turns about the axis) where its heights cease.
void layChordCurve(shell::Context& ctx, const ChordHeight& height, const SunKept& keep,
                   numeric::Colour colour, const std::vector<double>& turnEnds = {});

// The chord frame as a sweep of the lines the programmes share (layChordCurve at the heights
// over each chord's offset to the tip).
GeneratrixSweep chordSweep(shell::Context& ctx);

// The driver's features, in the order it calls them.
void DrawCylHourLines3D(shell::Context& ctx);
void DrawCylDeclinationLines3D(shell::Context& ctx);
void DrawCylAnalemma3D(shell::Context& ctx);
void DrawCylEquinoctialLine3D(shell::Context& ctx);
void DrawCylSubstyleLine3D(shell::Context& ctx);
void DrawCylItalianHours3D(shell::Context& ctx);
void DrawCylBabylonianHours3D(shell::Context& ctx);

}  // namespace dials::cylindrical
