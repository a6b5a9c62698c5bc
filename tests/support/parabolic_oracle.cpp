#include "support/parabolic_oracle.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace oracle {

namespace {

// 8-point Gauss-Legendre nodes and weights on [-1, 1].
constexpr double kNodes[] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                             0.9602898564975363};
constexpr double kWeights[] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                               0.1012285362903763};

}  // namespace

ParabolicOracle::ParabolicOracle(double latitudeDeg, double declinationDeg, bool convex,
                                 double radius, double styleLength, double pi)
    : sky_(latitudeDeg, pi), side_(convex ? 1 : -1), p_(radius) {
    // The dial-side normal at x is proportional to (side x / p, -1): it looks south, turned
    // towards the west where side x / p < 0. It looks towards D where side x / p = -tan D.
    const double d = sky_.rad(declinationDeg);
    const double x = -side_ * p_ * std::tan(d);
    foot_ = {x, sectionNorth(x), 0};
    tip_ = foot_ + styleLength * unit(Vec3{side_ * x / p_, -1, 0});
}

double ParabolicOracle::sectionNorth(double x) const { return side_ * x * x / (2 * p_); }

Vec3 ParabolicOracle::tangent(double x) const { return unit(Vec3{1, side_ * x / p_, 0}); }

double ParabolicOracle::arcFromFoot(double x) const {
    // With t = p sinh w the element of arc sqrt(1 + (t / p)^2) dt is p cosh^2 w dw, smooth on
    // panels no wider than 1/4 in w, however small p is beside the span.
    const double a = std::asinh(foot_.x / p_), span = std::asinh(x / p_) - a;
    const int panels = std::max(16, static_cast<int>(std::ceil(std::fabs(span) * 4)));
    const double h = span / panels;
    double sum = 0;
    for (int i = 0; i < panels; ++i) {
        const double mid = a + (i + 0.5) * h;
        for (int k = 0; k < 4; ++k)
            for (double sign : {-1.0, 1.0}) {
                const double c = std::cosh(mid + sign * kNodes[k] * h / 2);
                sum += kWeights[k] * c * c;
            }
    }
    return p_ * sum * h / 2;
}

double ParabolicOracle::developed(double x) const { return arcFromFoot(x); }

double ParabolicOracle::eastOf(double xi) const {
    double x = foot_.x + xi;
    for (int i = 0; i < 60; ++i) {
        const double step = (arcFromFoot(x) - xi) / std::sqrt(1 + (x / p_) * (x / p_));
        x -= step;
        if (std::fabs(step) < 1e-15 * (1 + std::fabs(x))) break;
    }
    return x;
}

Vec3 ParabolicOracle::surfacePoint(DialXY p) const {
    const double x = eastOf(p.x);
    return {x, sectionNorth(x), p.y};
}

std::vector<double> ParabolicOracle::lineMeetsSection(Vec3 s) const {
    // T - t s on the section: side (Tx - t sx)^2 / (2p) - (Ty - t sy) = 0, a t^2 + b t + c = 0.
    const double a = side_ * s.x * s.x / (2 * p_);
    const double b = -side_ * tip_.x * s.x / p_ + s.y;
    const double c = sectionNorth(tip_.x) - tip_.y;
    const double disc = b * b - 4 * a * c;
    if (disc < 0) return {};
    // q / a and c / q: neither root loses digits when a is tiny (a line nearly north-south).
    const double q = -(b + std::copysign(std::sqrt(disc), b)) / 2;
    std::vector<double> t;
    if (a != 0) t.push_back(q / a);
    if (q != 0) t.push_back(c / q);
    return t;
}

std::optional<DialXY> ParabolicOracle::shadow(double hourAngleDeg, double declinationDeg) const {
    const Vec3 s = sky_.sun(hourAngleDeg, declinationDeg);
    std::optional<double> first;
    for (double t : lineMeetsSection(s))
        if (t > 1e-12 && (!first || t < *first)) first = t;
    if (!first) return std::nullopt;
    const Vec3 hit = tip_ - *first * s;
    return DialXY{developed(hit.x), hit.z};
}

bool ParabolicOracle::castByRealSun(DialXY p, double slack) const {
    const Vec3 point = surfacePoint(p);
    const Vec3 toTip = tip_ - point;
    const Vec3 sun = unit(toTip);
    if (sun.z < -slack) return false;
    const Vec3 face = unit(Vec3{side_ * point.x / p_, -1, 0});
    if (dot(face, sun) <= -slack) return false;
    // The point is t = 1 along T - t (T - P): nothing of the surface may come before it.
    for (double t : lineMeetsSection(toTip))
        if (t > 1e-9 && t < 1 - 1e-7) return false;
    return true;
}

std::optional<double> ParabolicOracle::planeCutHeight(Vec3 normal, double xi) const {
    const double x = eastOf(xi);
    const Vec3 level{x, sectionNorth(x), 0};
    if (normal.z == 0) return std::nullopt;
    return dot(normal, tip_ - level) / normal.z;
}

HourDecl ParabolicOracle::sunFor(DialXY p) const {
    return sky_.hourDeclOf(tip_ - surfacePoint(p));
}

double ParabolicOracle::noonAbscissa() const { return developed(tip_.x); }

DialXY ParabolicOracle::centre() const {
    // Along the polar axis northwards and up from the tip to the surface over the tip.
    const Vec3 pole = sky_.pole();
    const double t = (sectionNorth(tip_.x) - tip_.y) / pole.y;
    return {noonAbscissa(), t * pole.z};
}

double ParabolicOracle::firstOrderDistance(DialXY p, const std::function<double(Vec3)>& field,
                                           const std::function<Vec3(Vec3)>& gradient) const {
    // A field that vanishes on the curve, and its gradient along the development: a step dxi
    // moves the surface point along the section's tangent, a step dy straight up.
    const Vec3 point = surfacePoint(p);
    const Vec3 g = gradient(point);
    const double along = dot(g, tangent(point.x)), up = g.z;
    const double slope = std::hypot(along, up);
    if (slope == 0) return std::numeric_limits<double>::infinity();
    return std::fabs(field(point)) / slope;
}

double ParabolicOracle::distanceToPlaneCut(Vec3 normal, DialXY p) const {
    return firstOrderDistance(
        p, [&](Vec3 q) { return dot(normal, q - tip_); }, [&](Vec3) { return normal; });
}

double ParabolicOracle::distanceToHourLine(double hourAngleDeg, DialXY p) const {
    return distanceToPlaneCut(cross(sky_.pole(), sky_.sun(hourAngleDeg, 0)), p);
}

double ParabolicOracle::distanceToEquinoctial(DialXY p) const {
    return distanceToPlaneCut(sky_.pole(), p);
}

double ParabolicOracle::distanceToDeclinationPair(double declinationDeg, DialXY p) const {
    // (w . pole)^2 = sin^2(decl) |w|^2 for w = T - P, the suns' direction from the point.
    const Vec3 pole = sky_.pole();
    const double s2 = std::pow(std::sin(sky_.rad(declinationDeg)), 2);
    return firstOrderDistance(
        p,
        [&](Vec3 q) {
            const Vec3 w = tip_ - q;
            return dot(w, pole) * dot(w, pole) - s2 * dot(w, w);
        },
        [&](Vec3 q) {
            const Vec3 w = tip_ - q;
            return -1.0 * (2 * dot(w, pole) * pole - 2 * s2 * w);
        });
}

}  // namespace oracle
