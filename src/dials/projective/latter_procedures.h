#pragma once
// The procedures of the latter projective programme and the geometry they share. Each takes the
// context only: it reads the inputs and the shared variables and writes its results back into
// ctx.m, drawing on ctx.ixPlot1().
//
// The method. Dial plane P: origin at the foot of the perpendicular style (length g), x
// horizontal to the right as seen facing the dial, y up the line of steepest slope. Auxiliary
// plane V: the vertical plane through the horizontal line of P that lies level with the style
// tip; the horizontal segment from the tip to it is V's perpendicular style, of length
// H = g / cos R, and its foot K lies on P's y axis at y = H sin R. V coordinates (X, Y): origin K,
// X along x, Y vertically upward. V is an ordinary vertical dial of the wall's declination, with
// substyle angle A from the vertical and style elevation B; its substyle frame (u, v) has v along
// the substyle from K towards V's centre (which lies at v = H / tan B) and u across it:
//   X = u cos A - v sin A,  Y = u sin A + v cos A.
// V's equinoctial line is v = -H tan B (PlaneCoefY); the curves are solved in (u, w) with
// w = v + PlaneCoefY. Every point of V goes to P by the central projection from the style tip:
//   x = H X / (H - Y tan R),  y = H Y / ((H - Y tan R) cos R) + H sin R.
// Hour angles count positive in the afternoon; the wall declination positive to the west.

#include <string_view>
#include <utility>

#include "dials/plot_point.h"
#include "dials/geometry_names.h"
#include "dials/projective/projective_conic.h"
#include "dials/projective/projective_face.h"
#include "geometry/sky.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/palette.h"
#include "plot/plot_surface.h"
#include "shell/context.h"
#include "shell/module1.h"

namespace dials::projective {

// Reads the inputs (ReadProjectivePlane, and the longitude and zone) and computes the auxiliary
// dial. A numerical failure (an hour fraction of 0, for one) is not handled here: it throws
// numeric::NumericFailure and ends the run.
void SetupProjectiveLatter(shell::Context& ctx);

// The centre of the dial (where the hour lines meet), marked with a point. Returns false, with
// CentreX and CentreY left as they were and nothing drawn, when the dial has no centre at a
// finite distance (a wall facing due east or west, a plane parallel to the polar axis:
// latter::centreAtInfinity): the lines that run to the centre then run parallel to the polar
// axis.
bool ComputeCentreProjLatter(shell::Context& ctx);

// The straight lines (the equinoctial and the horizon are DrawEquinoctialProj and
// DrawHorizonProj): hour lines (points of V carried onto P), then the noon line, substyle line
// and triangle of the style (segments on P).
// Where the centre lies at infinity (latter::centreAtInfinity) the noon line, the substyle and
// the style laid down run parallel to the polar axis across the plot area, and no line runs to
// the centre.
void DrawHourLinesProjLatter(shell::Context& ctx);
void DrawNoonLineProjLatter(shell::Context& ctx);
void DrawSubstyleProjLatter(shell::Context& ctx);
void DrawStyleTriangleProjLatter(shell::Context& ctx);

// Declination lines of the sun (+-23.45, +-20 and +-11.5 degrees), Italian and Babylonian hours.
void DrawDeclinationLinesProjLatter(shell::Context& ctx);
void DrawItalianHoursProjLatter(shell::Context& ctx);
void DrawBabylonianHoursProjLatter(shell::Context& ctx);

// The analemma of 12:00 standard time.
void PlotAnalemmaProjLatter(shell::Context& ctx);

namespace latter {

// The auxiliary plane and the projection onto the dial, as the set-up leaves them.
struct AuxFrame {
    double A = 0;   // SetupAngleA
    double B = 0;   // SetupAngleB
    double H = 0;   // AuxStyleLength
    double R = 0;   // ReclRad
    double W0 = 0;  // PlaneCoefY = H tan B

    static AuxFrame from(const shell::Module1& m);

    // The point of P on which the central projection from the tip sends the V point
    // (X / w, Y / w), formed with w multiplied through, so that a point however far off on V is
    // carried without overflow or lost digits; w = 0 is V's point at infinity in the direction
    // (X, Y), which lands on the vanishing line. Throws numeric::NumericFailure for a point sent
    // to infinity.
    DialPoint projectHomogeneous(double X, double Y, double w) const;
    // The same for a point of V's substyle frame (u, v) (or (u / w, v / w)), and for (u, w'),
    // w' = v + W0.
    DialPoint fromSubstyle(double u, double v, double w = 1) const;
    DialPoint fromUW(double u, double w) const { return fromSubstyle(u, w - W0); }

    // V's hour line of the hour angle tau counted from V's substyle: the line through V's
    // centre at the angle Q from the substyle, tan Q = sin B tan tau, that crosses V's
    // equinoctial line P = (H / cos B) tan tau along it from the substyle; in (u, w) it is
    // u = P - tanQ w. Throws numeric::NumericFailure where it does not exist (cos B = 0).
    struct HourLine {
        double tanQ = 0, P = 0;
    };
    HourLine hourLine(double tau) const;
    // The same line as Y = slope X + intercept in V's coordinates (V's hour lines are parallel
    // on a wall facing due east or west); throws numeric::NumericFailure for a line along V's
    // vertical.
    struct LineInV {
        double slope = 0, intercept = 0;
    };
    LineInV inV(const HourLine& line) const;
};

// The conic that the cone of sun rays of declination +-delta (radians), apex at the tip, cuts
// from V, in the substyle frame (u, w), with its coefficients multiplied by
// T = sin^2 B - cot^2 delta cos^2 B: T w^2 + b w + c + u^2 = 0. T is 0 where
// cos(lat) cos(D) = cos(delta), as at a latitude equal to delta on a plane facing due south (the
// conic is then a parabola); the coefficients stay finite
// and exact there and near it, and the discriminant b^2 - 4 T (c + u^2) = 4 (k H^2 - T u^2),
// k = cot^2 delta, is formed so that it does not cancel (K = k H^2). Throws
// numeric::NumericFailure for a declination of 0.
ScaledConic scaledConic(double delta, double B, double H);

// Whether the polar style through the tip meets the dial only at infinity
// (geometry::Face::meetsAtInfinity): the dial holds the polar axis and has no centre.
inline bool centreAtInfinity(const shell::Module1& m) {
    return dialFace(m).meetsAtInfinity(celestialPole(m.LatRad));
}

// Whether the sun of the dial point (the direction from the point to the tip, Face::sunOf)
// stands above the horizon (geometry::aboveHorizon).
bool sunAboveHorizon(const shell::Module1& m, const DialPoint& p);

}  // namespace latter

}  // namespace dials::projective
