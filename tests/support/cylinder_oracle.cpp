#include "support/cylinder_oracle.h"

#include <cmath>
#include <functional>
#include <limits>

namespace oracle {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

Vec3 horizontal(Vec3 v) { return {v.x, v.y, 0}; }

// Walks from (u, y) to the level curve field = 0 of a smooth field on the unrolled dial by
// Newton steps along its gradient (central differences of step h); returns the distance
// travelled plus the last residual, or +infinity when the walk does not settle.
double walkToCurve(const std::function<double(double, double)>& field, double u, double y,
                   double h, double scale) {
    double qu = u, qy = y;
    for (int i = 0; i < 80; ++i) {
        const double miss = field(qu, qy);
        if (!std::isfinite(miss)) return kInfinity;
        const double gu = (field(qu + h, qy) - field(qu - h, qy)) / (2 * h);
        const double gy = (field(qu, qy + h) - field(qu, qy - h)) / (2 * h);
        const double g2 = gu * gu + gy * gy;
        if (!(g2 > 0) || !std::isfinite(g2)) return kInfinity;
        const double residual = std::abs(miss) / std::sqrt(g2);
        if (residual < 1e-12 * (scale + std::hypot(qu, qy)))
            return std::hypot(qu - u, qy - y) + residual;
        // Steps no longer than the scale keep the walk on the branch it started near.
        double step = miss / g2;
        const double len = std::abs(step) * std::sqrt(g2);
        if (len > scale) step *= scale / len;
        qu -= step * gu;
        qy -= step * gy;
    }
    return kInfinity;
}

}  // namespace

CylinderOracle::CylinderOracle(double latitudeDeg, double wallDeclinationDeg, bool convex,
                               double radius, double styleLength, double pi)
    : sky_(latitudeDeg, pi), radius_(radius), style_(styleLength), convex_(convex) {
    const double d = sky_.rad(wallDeclinationDeg);
    facing_ = {-std::sin(d), -std::cos(d), 0};
    right_ = cross(Sky::zenith(), facing_);  // (cos D, -sin D, 0)
    axis_ = (convex_ ? -radius_ : radius_) * facing_;
}

Vec3 CylinderOracle::surfacePoint(double u, double y) const {
    const double turn = u / radius_;
    const Vec3 toFoot = (-1.0 / radius_) * axis_;  // unit radius from the axis to the foot
    const Vec3 radial = std::cos(turn) * toFoot + std::sin(turn) * right_;
    return axis_ + radius_ * radial + Vec3{0, 0, y};
}

DialXY CylinderOracle::unrolledOf(Vec3 p) const {
    const Vec3 fromAxis = horizontal(p - axis_);
    const Vec3 toFoot = (-1.0 / radius_) * axis_;
    return {radius_ * std::atan2(dot(fromAxis, right_), dot(fromAxis, toFoot)), p.z};
}

std::optional<DialXY> CylinderOracle::dialPoint(double hourAngleDeg, double declinationDeg) const {
    const Vec3 s = sky_.sun(hourAngleDeg, declinationDeg);
    // Points T - t s, t > 0, at distance R from the axis: a t^2 - 2 b t + c = 0.
    const Vec3 d = horizontal(tip() - axis_);
    const Vec3 sh = horizontal(s);
    const double a = dot(sh, sh);
    if (a < 1e-24) return std::nullopt;  // the sun in the zenith or nadir: the ray runs along
    const double b = dot(d, sh);
    const double c = dot(d, d) - radius_ * radius_;
    const double disc = b * b - a * c;
    if (disc < 0) return std::nullopt;
    const double t = convex_ ? (b - std::sqrt(disc)) / a : (b + std::sqrt(disc)) / a;
    if (!(t > 0)) return std::nullopt;
    return unrolledOf(tip() - t * s);
}

CylSun CylinderOracle::sunAt(double u, double y) const {
    const Vec3 toTip = tip() - surfacePoint(u, y);
    return {sky_.hourDeclOf(toTip), reachable(u), toTip.z > 0};
}

bool CylinderOracle::reachable(double u) const {
    const Vec3 p = surfacePoint(u, 0);
    const Vec3 outward = horizontal(p - axis_);
    const Vec3 face = convex_ ? outward : -1.0 * outward;
    return dot(tip() - p, face) > 0;
}

bool CylinderOracle::castByRealSun(double u, double y) const {
    return reachable(u) && y <= 1e-12;
}

double CylinderOracle::reach() const {
    const double halfTurn = std::acos(-1.0);
    if (!convex_) return radius_ * halfTurn;
    return radius_ * std::acos(radius_ / (radius_ + style_));
}

double CylinderOracle::distanceToPlaneCut(Vec3 planeNormal, double u, double y) const {
    const Vec3 n = unit(planeNormal);
    const double scale = radius_ + style_;
    return walkToCurve([&](double a, double b) { return dot(surfacePoint(a, b) - tip(), n); },
                       u, y, 1e-6 * scale, scale);
}

double CylinderOracle::distanceToHourLine(double hourAngleDeg, double u, double y) const {
    return distanceToPlaneCut(cross(sky_.pole(), sky_.sun(hourAngleDeg, 0)), u, y);
}

double CylinderOracle::distanceToItalianLine(double n, double u, double y) const {
    return distanceToPlaneCut(sky_.italianCircleNormal(n), u, y);
}

double CylinderOracle::distanceToBabylonianLine(double n, double u, double y) const {
    return distanceToPlaneCut(sky_.babylonianCircleNormal(n), u, y);
}

double CylinderOracle::distanceToDeclinationCurve(double declinationDeg, double u,
                                                  double y) const {
    const double target = std::sin(sky_.rad(declinationDeg));
    const double scale = radius_ + style_;
    // The sine of the declination is smooth everywhere but at the poles of the sky.
    return walkToCurve(
        [&](double a, double b) {
            return dot(unit(tip() - surfacePoint(a, b)), sky_.pole()) - target;
        },
        u, y, 1e-6 * scale, scale);
}

}  // namespace oracle
