#pragma once
// The roots of the declination conics of both projective programmes. Each conic is taken with
// its coefficients multiplied by T, the term that vanishes where the latitude equals the
// declination of the line (there the cone of sun rays is parallel to one of its generators'
// planes and the conic opens into a parabola): T y^2 + b y + c = 0. Written so, the coefficients
// stay finite and exact for every latitude, and the roots are formed without cancellation.

#include <optional>
#include <vector>

namespace dials::projective {

// The conic T y^2 + b y + c + x^2 = 0, whose discriminant is 4 (K - T x^2), K >= 0: each
// programme forms K in a closed form so that the discriminant does not cancel.
struct ScaledConic {
    double T = 0, b = 0, c = 0;
    double K = 0;
};

// The root of the sign `plus` of the conic at the abscissa x, at the abscissa `at` it belongs to:
// of the two roots, as the unscaled conic y^2 + alpha y + c / T = 0 orders them (alpha = b / T),
// minus = -alpha / 2 - r or plus = -alpha / 2 + r, r the square root of alpha^2 / 4 - c / T; none
// at infinity (T = 0: the parabola's second root) or where the conic does not reach x. Where it
// reaches x, at = x.
// An ellipse (T > 0) reaches only as far as x0 = sqrt(K / T), where its two roots join with a
// tangent across the axis of x: a sweep of x that stops at its last step before x0 leaves the
// ellipse's turn as a gap, however finely halved, since the roots move as the square root of
// the distance to x0. So where x lies beyond x0 by less than `reach`, the double root at x0 is
// given (at = +-x0), the turn of the curve, which a curve sampler then approaches from the roots
// before it. Nothing beyond that.
struct ConicRootAt {
    double at = 0, root = 0;
};
std::optional<ConicRootAt> conicRootToTheTurn(const ScaledConic& k, double x, double reach,
                                              bool plus);

// The same conic at the abscissa x = 1 / s, for a sweep of s through the point at infinity:
// multiplied through by s^2 it is T Y^2 + b s Y + c s^2 + 1 = 0 in Y = s y, whose discriminant
// is 4 (K s^2 - T), and the root is given as Y (y = Y / s), the roots ordered as those in Y. At
// s = 0 they are the directions of a hyperbola's asymptotes, its points at infinity, and each runs on
// through them: a branch of a hyperbola passes through its point at infinity from one root of y
// to the other (the root y = Y / s changes its order with the sign of s), so that ordering them
// as the roots of y would break each at s = 0, and a sampler would find nothing of the stretch
// next to the point at infinity whose ends it sees off the plot area. An ellipse reaches
// only |s| >= s0 = sqrt(T / K); where s lies short of that by less than `reach` (one step of the
// sweep of s), the double root at +-s0 is given (at = +-s0), its turn, as conicRootToTheTurn
// gives it to a sweep of x.
std::optional<ConicRootAt> conicRootAtReciprocal(const ScaledConic& k, double s, double reach,
                                                 bool plus);

// Where an ellipse (T > 0) turns: the abscissae +-sqrt(K / T), beyond which it has no point. A
// sweep names them as the ends of each root (dials::CurveRange::ends), so that the roots on either
// side of the gap between the turns are never taken for one stretch: on a plane far from the tip
// that gap, seen as 1 / x, is narrower than a step of the sweep, and a sample within it, given the
// turn of its own side, would join the other side's last sample to that turn. None for a parabola
// or a hyperbola.
std::vector<double> conicTurns(const ScaledConic& k);

}  // namespace dials::projective
