#pragma once
// The procedures of the parabolic cylinder by 3D analytic geometry.
//
// The cross-section is the parabola v = u^2 / (2p) in the horizontal plane, p the radius of
// curvature at its vertex (m.Radius): u runs across the cylinder towards the east, v along the
// parabola's axis, which lies in the meridian; v points south on the concave side (the vertex is
// the section's northmost point, the dial on the inside) and north on the convex side (the vertex
// southmost, the dial outside). The perpendicular style of length L stands on the surface along
// its normal at the foot u0 = -p tan D', D' = SideSign * D (D the wall declination as typed, west
// positive), where that normal faces the declination.
//
// The curves work in a frame with its origin at the foot: X = u - u0 across, Q(X) the axis
// coordinate of the surface point from the foot, Z the height above the horizontal plane through
// the tip. Each line is the cut of the cylinder by a plane or a cone through the tip, so for each
// sample X its height has a closed form. The surface is unrolled by the arc length of the
// parabola: a point is drawn at xi(X) = A(X + u0) - A(u0), its distance along the section from
// the foot, and at its height (plot y reversed).
//
// A plane or a cone through the tip also cuts the surface where no sun casts the tip's shadow.
// Every curve keeps only the points a real sun casts: the sun along the direction from the point
// to the tip stands above the horizon (geometry::aboveHorizon), and the tip's shadow can reach the
// point's generatrix (see ParabolicFrame::reaches). Each curve adds what its own suns must be
// (the hour of its line, a declination of the year). Every curve is laid by the curve sampler
// (parabolicSweep): no two of its consecutive points lie more than the point step apart.

#include <vector>

#include "dials/cylindrical/cyl_shared.h"
#include "dials/geometry_names.h"
#include "geometry/sky.h"
#include "geometry/vec3.h"
#include "numeric/quadratic.h"
#include "numeric/palette.h"
#include "shell/context.h"

namespace dials::cylindrical {

// The frame of one run, from its set-up (SetupParabolicDial).
struct ParabolicFrame {
    double phi = 0;         // latitude, radians
    double p = 0;           // radius of curvature at the vertex, metres
    double s = 0;           // side sign: -1 concave, +1 convex
    double L = 0;           // perpendicular style, metres
    double Dp = 0;          // D' = s * D, radians
    double E = 0;           // 1 when standard-meridian time is asked for, else 0
    double Z0 = 0;          // the standard-meridian correction, radians
    double u0 = 0;          // abscissa of the foot of the style on the parabola
    double xt = 0, yt = 0;  // the tip in the foot's frame (X, Q)
    double Au0 = 0;         // A(u0): arc length from the vertex to the foot
    bool tipOnDialSide = false;  // the tip stands in front of the surface

    // The section, the foot and the tip of the shared variables as the set-up leaves them
    // (LatRad, Radius, SideSign, StyleLength, DeclDegrees): every field but E and Z0.
    static ParabolicFrame of(const shell::Module1& m);

    // Arc length of the parabola from the vertex to abscissa u, signed like u.
    double A(double u) const;
    // Axis coordinate of the surface point of sample X, from the foot.
    double Q(double X) const;
    // Developed abscissa of sample X: its distance along the section from the foot.
    double xi(double X) const;

    // Whether the tip's shadow can fall on the generatrix of sample X: the tip stands on the
    // dial's side of the surface and the dial's face there looks towards it. Then the ray from
    // the tip meets the surface first at that generatrix. On a concave dial this holds for every
    // generatrix (unless a style long enough to pass through the far arm puts the tip behind
    // the surface); on a convex one only between the tangents from the tip.
    bool reaches(double X) const;
    // The direction from the surface point of sample X at `height` (above the tip) to the tip
    // (x east, y north, z up): the sun whose ray through the tip casts the tip's shadow there.
    Vec3 towardsTip(double X, double height) const;
    // Whether a sun above the horizon can cast the tip's shadow on that point.
    bool lit(double X, double height) const {
        return aboveHorizon(towardsTip(X, height)) && reaches(X);
    }
    // The samples X of the generatrices on which the plane through the tip with the normal
    // (x east, y north, z up) passes at `height` above the tip: none, one or two.
    numeric::QuadraticRoots planeAt(const Vec3& normal, double height) const;

    // The samples X where the tip's shadow stops reaching the surface (reaches changes there):
    // the tangents from the tip.
    std::vector<double> reachLimits() const;
    // The samples X of the generatrices on the vertical planes through the tip that touch the
    // double cone of the suns of declination +-delta (verticalsTouchingCone): where a
    // declination line laid across the generatrices turns back.
    std::vector<double> coneTouchingSamples(double delta) const;
    // The samples X of the generatrices on which these suns (x east, y north, z up) cast the
    // tip's shadow: where the ray from the tip away from each meets the surface, on a face the
    // shadow reaches (cyl_geometry.h names the suns at which the lines end).
    std::vector<double> shadowSamples(const std::vector<Vec3>& suns) const;
};

// Arc length of the parabola v = u^2 / (2p) from its vertex to abscissa u, odd in u.
// Throws numeric::NumericFailure for p <= 0.
double parabolaArcLength(double u, double p);

// Reads the side sign into the shared variables, which the place and wall reader has filled (the
// style length, the zone correction), writes the tip, TipOffset and StyleHypotenuse there and
// returns the frame. A failure (a drawing step of 0) throws numeric::NumericFailure. (Run refuses
// a radius of curvature of 0 or below.)
ParabolicFrame SetupParabolicDial(shell::Context& ctx);

// The driver's features, in the order it calls them. A sample whose point cannot be computed, or
// that no real sun casts, is not drawn.
void DrawParabolicHourLines(shell::Context& ctx, const ParabolicFrame& f);
void DrawParabolicSubstyleLine(shell::Context& ctx, const ParabolicFrame& f);
void DrawParabolicEquinoctialLine(shell::Context& ctx, const ParabolicFrame& f);
void DrawParabolicGeneratrices(shell::Context& ctx, const ParabolicFrame& f);
void DrawParabolicDeclinationLines(shell::Context& ctx, const ParabolicFrame& f);
void DrawParabolicItalianHours(shell::Context& ctx, const ParabolicFrame& f);
void DrawParabolicBabylonianHours(shell::Context& ctx, const ParabolicFrame& f);
void DrawParabolicStyleTriangle(shell::Context& ctx, const ParabolicFrame& f);
void DrawParabolicAnalemma(shell::Context& ctx, const ParabolicFrame& f);
void DrawParabolicFootCircle(shell::Context& ctx);
void DrawParabolicSectionAndTriangle(shell::Context& ctx);

// The samples X from `from` to `to` as a sweep of the lines the programmes share: it lays the
// curve of the heights over each sample's offset to the tip (the curve sampler, from steps of
// m.PointStep), on the generatrices the tip's shadow reaches; draws the points keep accepts whose
// sun stands above the horizon (lit), each at its developed abscissa. A sample whose height
// cannot be computed has no point. The curve ends where the shadow stops reaching the surface,
// and at the samples of its ends.
GeneratrixSweep parabolicSweep(shell::Context& ctx, const ParabolicFrame& f, double from,
                               double to);

// The cut of the plane through the tip with this normal (east, north, up) where it stands
// upright (standsUpright: the plane of the equator at the equator), which no sweep across the
// section gives a height: by heights from the tip's level down to the plot's bottom edge, on the
// samples X from `from` to `to` the tip's shadow reaches, the points whose sun stands above the
// horizon. Nothing where the plane does not stand upright.
void DrawParabolicUprightCut(shell::Context& ctx, const ParabolicFrame& f,
                             const Vec3& normal, double from, double to,
                             numeric::Colour colour);

}  // namespace dials::cylindrical
