#pragma once
// The roots of the declination conics of both projective programmes. Each conic is taken with
// its coefficients multiplied by T, the term that vanishes where the latitude equals the
// declination of the line (there the cone of sun rays is parallel to one of its generators'
// planes and the conic opens into a parabola): T y^2 + b y + c = 0. Written so, the coefficients
// stay finite and exact for every latitude, and the roots are formed without cancellation.

#include <optional>
#include <vector>

namespace dials::projective {

// The two roots of T y^2 + b y + c = 0 as the unscaled conic y^2 + alpha y + c / T = 0 orders
// them, alpha = b / T: minus = -alpha / 2 - r, plus = -alpha / 2 + r, r the square root of
// alpha^2 / 4 - c / T. A root at infinity (T = 0: the parabola's second root) is left empty.
struct ConicRoots {
    std::optional<double> minus;
    std::optional<double> plus;
};

// `disc` is b^2 - 4 T c, which the caller forms in a closed form that does not cancel. Nothing
// when it is negative: the conic does not reach this abscissa.
std::optional<ConicRoots> conicRoots(double T, double b, double c, double disc);

// The roots at the abscissa x of the conic T y^2 + b y + c + x^2 = 0, whose discriminant is
// 4 (K - T x^2), K >= 0. Nothing where the conic does not reach x.
std::optional<ConicRoots> conicRootsAt(double T, double b, double c, double K, double x);

// The same conic at the abscissa x = 1 / s, for a sweep of s through the point at infinity:
// multiplied through by s^2 it is T Y^2 + b s Y + c s^2 + 1 = 0 in Y = s y, whose discriminant
// is 4 (K s^2 - T), and the roots are given as Y (y = Y / s), ordered as the roots in Y. At s = 0
// they are the directions of a hyperbola's asymptotes, its points at infinity, and each runs on
// through them: a branch of a hyperbola passes through its point at infinity from one root of y
// to the other (the root y = Y / s changes its order with the sign of s), so that ordering them
// as the roots of y would break each at s = 0, and a sampler would find nothing of the stretch
// next to the point at infinity whose ends it sees off the plot area.
std::optional<ConicRoots> conicRootsAtReciprocal(double T, double b, double c, double K, double s);

// Where an ellipse (T > 0) turns: the abscissae +-sqrt(K / T), beyond which it has no point and
// where its two roots join with a tangent across the axis of x. A sweep names them as the ends of
// each root (dials::CurveRange::ends), so that the turn is laid however fast the roots move near
// it (as the square root of the distance to it), and so that the roots on either side of the gap
// between the turns are never taken for one stretch: on a plane far from the tip that gap, seen
// as 1 / x, is narrower than a step of the sweep. None for a parabola or a hyperbola.
std::vector<double> conicTurns(double T, double K);

}  // namespace dials::projective
