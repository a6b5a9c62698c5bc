#pragma once
// The procedures of the former projective programme and the geometry they share. Each takes the
// context only: it reads the inputs and the shared variables and writes its results back into
// ctx.m, drawing on ctx.ixPlot1().
//
// The method. Every line is computed on the reference plane, the vertical plane perpendicular
// to the meridian through the dial's centre O, in coordinates (x, z): origin O, x horizontal and
// positive towards the west, z upward. The style tip T lies a = s cos(lat) in front of that plane
// and b = s sin(lat) below O (s = StyleLengthD, the signed polar style from the tip to O), and
// the reference plane's equinoctial line lies s / sin(lat) below O. Each point is carried onto
// the dial plane by the central projection from T, giving dial coordinates (X, Y) from the foot
// of the perpendicular style: Y up the line of greatest slope, X horizontal, to the right as
// seen facing the dial; a dial point is plotted at (X, -Y), the plot's y growing downward. The
// construction keeps where the foot lies seen from O in (OriginX, OriginY).
//
// Hour angles in this programme count positive towards the morning: the line of hour angle H on
// the reference plane is z = -x / (tan H cos(lat)).

#include <functional>
#include <optional>
#include <vector>

#include "dials/geometry_names.h"
#include "dials/projective/projective_conic.h"
#include "dials/projective/projective_face.h"
#include "geometry/vec3.h"
#include "numeric/palette.h"
#include "shell/context.h"
#include "shell/module1.h"

namespace dials::projective {

// Whether the plane typed in the inputs holds the polar axis (geometry::Face::meetsAtInfinity),
// taken as the set-up takes it: its polar style, parallel to it, meets it nowhere, and the
// method, which builds every line from that meeting point, cannot draw it.
bool typedPlaneHoldsPolarAxis(const shell::Context& ctx);

// Reads the inputs (ReadProjectivePlane) and computes the polar style, checking that the
// declination conics can be formed. A numerical failure (an hour fraction of 0, a style parallel
// to the plane, a latitude that leaves the conics no finite coefficient) is not handled here: it
// throws numeric::NumericFailure and stops the run.
void SetupProjectiveFormer(shell::Context& ctx);

// Places the foot of the perpendicular style as seen from the centre, draws the triangle of the
// style laid into the dial (when ck_Triangolo is ticked) and the vertical through the centre.
// Throws numeric::NumericFailure when the dial has no centre (a plane holding the polar axis,
// which the driver refuses).
void DrawGnomonProjFormer(shell::Context& ctx);

// The straight lines (the equinoctial and the horizon are DrawEquinoctialProj and
// DrawHorizonProj): hour lines, noon line, substyle, the triangle of the style drawn apart in the
// top right corner.
void DrawHourLinesProjFormer(shell::Context& ctx);
void DrawNoonLineProjFormer(shell::Context& ctx);
void DrawSubstyleProjFormer(shell::Context& ctx);
void DrawStyleTriangleProjFormer(shell::Context& ctx);

// Declination lines of the sun (+-23.45, +-20.011 and +-11.5 degrees), Italian and Babylonian
// hours.
void DrawDeclinationLinesProjFormer(shell::Context& ctx);
void DrawItalianHoursProjFormer(shell::Context& ctx);
void DrawBabylonianHoursProjFormer(shell::Context& ctx);

namespace former {

// A point (x / w, z / w) of the reference plane, z measured up from the centre O, or, for a
// point given fromEquinoctial, up from the reference plane's equinoctial line (s / sin(lat)
// below O): w = 0 is its point at infinity in the direction (x, z).
struct ReferencePoint {
    double x = 0, z = 0, w = 1;
    bool fromEquinoctial = false;
};

// The central projection from the tip of a reference point onto the dial plane, as the dial
// point seen from the foot of the perpendicular style; a point at infinity lands on the dial's
// vanishing line. Calling it throws numeric::NumericFailure for a point that has no image (sent
// to infinity).
//
// The centre O lies s along the polar axis from the tip (s = StyleLengthD, signed), and the
// equinoctial line's point below it s cos(lat) north of the tip and s cos(lat) cot(lat) below
// it: the ray from the tip through the point (x, z) runs along w times the way to its origin
// plus (-x, 0, z), and its image is where the ray's line meets the dial, the shadow of the tip
// cast by a sun along it. Formed so, no term grows with the distance of the centre and no image
// is measured from it: a plane next to one that holds the polar axis, whose centre and
// reference plane lie kilometres off, keeps its lines where they are; and next to the pole,
// where the reference plane passes within s cos(lat) of the tip and the height of a point above
// the tip would be the difference of two near lengths, a curve given from the equinoctial line
// keeps its digits. Only a ray parallel to the dial (towards its vanishing line) has no image.
class ReferenceProjection {
public:
    explicit ReferenceProjection(const shell::Module1& m);
    DialPoint operator()(const ReferencePoint& r) const;
    // The component along the dial's normal of the ray from the tip through the same point: the
    // image runs through infinity where it changes its sign.
    double across(const ReferencePoint& r) const;

private:
    geometry::Vec3 ray(const ReferencePoint& r) const {
        return r.w * (r.fromEquinoctial ? towardsEquinoctial_ : towardsCentre_) +
               geometry::Vec3{-r.x, 0, r.z};
    }

    geometry::Face face_;
    geometry::Vec3 towardsCentre_;       // from the tip to the centre O: s times the polar axis
    geometry::Vec3 towardsEquinoctial_;  // from the tip to the equinoctial line's point below O
    double style_ = 0;                   // the perpendicular style L
};

// The conic in which the cone of sun rays of declination +-d (degrees) through the tip meets the
// reference plane, y measured up from its equinoctial line, with its coefficients multiplied by
// T = cos^2(lat) - k sin^2(lat), k = cot^2 d: T y^2 + b y + c + x^2 = 0. T is 0 where the latitude
// equals d (the conic is then a parabola); the discriminant b^2 - 4 T (c + x^2) is
// 4 (k s^2 cos^2(lat) - T x^2), formed so that it does not cancel.
ScaledConic declinationConic(const shell::Module1& m, double degrees);

// A curve of the reference plane as a function of the parameter swept (an abscissa, or the
// height of the meridian); none where the curve has no point.
using ReferenceCurve = std::function<std::optional<ReferencePoint>(double t)>;

// Lays the curve's image on the dial with the shared curve sampler (dials::layCurve): the
// parameter from -kSweepHalf to kSweepHalf by the sweep's 5 mm, then beyond, through the point at
// infinity (laySweepThroughInfinity), with as many points between as keep its image's points no
// more than dials::kLineStep apart in the plot area. `far` gives the curve's point at the
// parameter 1 / s as a point with w = s (at s = 0, its point at infinity). Where the image runs
// through infinity (ReferenceProjection::across changes its sign) the sweep is probed at every
// scale: at latitudes next to the pole the reference plane passes close to the tip, and a line
// steep on it runs out through infinity and back within a fraction of a step. A point whose
// projection fails is skipped; with sunlitOnly, so is a point whose sun does not stand above the
// horizon. `ends` are the parameters where the curve's points begin or end (the turns of an
// ellipse).
void layReferenceCurve(shell::Context& ctx, const ReferenceCurve& curve,
                       const ReferenceCurve& far, numeric::Colour colour, bool sunlitOnly,
                       const std::vector<double>& ends = {});

}  // namespace former

}  // namespace dials::projective
