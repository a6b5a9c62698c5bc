#include "support/shadow_oracle.h"

#include <cmath>
#include <functional>
#include <limits>

namespace oracle {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Distance from a point of a plane to the straight line in which a second plane, through
// `through` with normal `cut`, meets it. `in` is the unit normal of the first plane.
double distanceToCut(Vec3 point, Vec3 in, Vec3 through, Vec3 cut) {
    const Vec3 cutInPlane = cut - dot(cut, in) * in;
    const double len = norm(cutInPlane);
    if (len < 1e-14 * norm(cut)) return kInfinity;  // parallel planes: no common line
    return std::abs(dot(point - through, cut)) / len;
}

}  // namespace

ShadowOracle::ShadowOracle(double latitudeDeg, double planeDeclinationDeg, double reclinationDeg,
                           double styleLength, double pi)
    : sky_(latitudeDeg, pi), style_(styleLength) {
    const double d = sky_.rad(planeDeclinationDeg);
    const double r = sky_.rad(reclinationDeg);
    const Vec3 facing = {-std::sin(d), -std::cos(d), 0};  // horizontal direction the face looks to
    normal_ = std::cos(r) * facing + std::sin(r) * Sky::zenith();
    axisX_ = cross(Sky::zenith(), facing);  // (cos D, -sin D, 0)
    axisY_ = cross(normal_, axisX_);
}

DialXY ShadowOracle::dialOf(Vec3 p) const { return {dot(p, axisX_), dot(p, axisY_)}; }

std::optional<Shadow> ShadowOracle::shadow(double hourAngleDeg, double declinationDeg) const {
    const Vec3 s = sky_.sun(hourAngleDeg, declinationDeg);
    const double facing = dot(s, normal_);
    if (std::abs(facing) < 1e-15) return std::nullopt;
    // T - t s lies on the plane n . P = 0 when t = S / (s . n).
    const Vec3 hit = tip() - (style_ / facing) * s;
    return Shadow{dialOf(hit), facing > 0, s.z > 0};
}

std::optional<DialXY> ShadowOracle::dialPoint(double hourAngleDeg, double declinationDeg) const {
    const auto sh = shadow(hourAngleDeg, declinationDeg);
    if (!sh || !sh->sunInFront) return std::nullopt;
    return sh->point;
}

HourDecl ShadowOracle::sunFor(double x, double y) const {
    return sky_.hourDeclOf(tip() - worldPoint(x, y));
}

double ShadowOracle::altitudeAt(double x, double y) const {
    return Sky::altitudeOf(tip() - worldPoint(x, y), pi());
}

double ShadowOracle::azimuthAt(double x, double y) const {
    return Sky::azimuthOf(tip() - worldPoint(x, y), pi());
}

std::optional<DialXY> ShadowOracle::centre() const {
    const double along = dot(sky_.pole(), normal_);
    if (std::abs(along) < 1e-14) return std::nullopt;
    return dialOf(tip() - (style_ / along) * sky_.pole());
}

double ShadowOracle::distanceToHourLine(double hourAngleDeg, double x, double y) const {
    const Vec3 p = worldPoint(x, y);
    const Vec3 equatorSun = sky_.sun(hourAngleDeg, 0);
    // The hour circle's plane through the tip holds every sun of hour angle H or H + 180; it
    // cuts the dial in the whole geometric line.
    const Vec3 hourPlane = cross(sky_.pole(), equatorSun);
    const Vec3 across = hourPlane - dot(hourPlane, normal_) * normal_;  // in-plane normal
    const double len = norm(across);
    if (len < 1e-14) return kInfinity;  // the hour plane is parallel to the dial
    const double offset = dot(p - tip(), hourPlane) / len;
    const Vec3 foot = p - (offset / len) * across;
    // Every shadow of H is T - t (cos d e + sin d pole), t > 0, e the equinoctial sun, so
    // (T - point) . e > 0 on the half of H; the sign changes only at the centre. Deciding the
    // side at the foot point keeps the test exact for planes whose centre lies far away.
    if (dot(tip() - foot, equatorSun) >= 0) return std::abs(offset);
    const auto c = centre();
    return c ? std::hypot(x - c->x, y - c->y) : kInfinity;
}

std::optional<ShadowOracle::DialLine> ShadowOracle::wholeHourLine(double hourAngleDeg) const {
    const Vec3 hourPlane = cross(sky_.pole(), sky_.sun(hourAngleDeg, 0));
    const Vec3 across = hourPlane - dot(hourPlane, normal_) * normal_;  // in-plane normal
    // A plane within 1e-9 radians of parallel to the dial meets it some 1e8 style lengths away.
    if (norm(across) < 1e-9 * norm(hourPlane)) return std::nullopt;
    // The plane point t across with (t across - tip) . hourPlane = 0.
    const Vec3 nearest = (dot(tip(), hourPlane) / dot(across, hourPlane)) * across;
    const DialXY along = dialOf(cross(across, normal_));
    const double size = std::hypot(along.x, along.y);
    return DialLine{dialOf(nearest), {along.x / size, along.y / size}};
}

double ShadowOracle::distanceToItalianLine(double n, double x, double y) const {
    return distanceToCut(worldPoint(x, y), normal_, tip(), sky_.italianCircleNormal(n));
}

double ShadowOracle::distanceToBabylonianLine(double n, double x, double y) const {
    return distanceToCut(worldPoint(x, y), normal_, tip(), sky_.babylonianCircleNormal(n));
}

namespace {

// Distance from a dial point to the level curve field(point) = target of a smooth angular field
// on the plane (radians): Newton steps along the field's gradient from the point until the field
// hits the target; the distance travelled is the distance to the curve up to terms in distance
// cubed over curvature radius squared, and the point reached lies on the curve, so a small
// result proves a curve point that near. When the walk does not converge the point is reported
// as unreachable.
double distanceToLevelCurve(const std::function<double(double, double)>& field, double target,
                            double x, double y, double styleLength) {
    const double h = 1e-5 * styleLength;  // finite-difference step
    double qx = x, qy = y;
    for (int i = 0; i < 60; ++i) {
        const double miss = foldRadians(field(qx, qy) - target);
        if (!std::isfinite(miss)) return kInfinity;
        const double gx = foldRadians(field(qx + h, qy) - field(qx - h, qy)) / (2 * h);
        const double gy = foldRadians(field(qx, qy + h) - field(qx, qy - h)) / (2 * h);
        const double g2 = gx * gx + gy * gy;
        if (!(g2 > 0) || !std::isfinite(g2)) return kInfinity;
        const double residual = std::abs(miss) / std::sqrt(g2);
        // The field is known to about 1e-16 radians: what that allows, scaled by the distance
        // from the tip, which is what the gradient shrinks with.
        if (residual < 1e-12 * (styleLength + std::hypot(qx, qy)))
            return std::hypot(qx - x, qy - y) + residual;
        qx -= miss * gx / g2;
        qy -= miss * gy / g2;
    }
    return kInfinity;
}

}  // namespace

double ShadowOracle::distanceToDeclinationCurve(double declinationDeg, double x, double y) const {
    return distanceToLevelCurve(
        [this](double u, double v) { return sky_.rad(sunFor(u, v).declination); },
        sky_.rad(declinationDeg), x, y, style_);
}

double ShadowOracle::distanceToAltitudeCurve(double altitudeDeg, double x, double y) const {
    return distanceToLevelCurve([this](double u, double v) { return sky_.rad(altitudeAt(u, v)); },
                                sky_.rad(altitudeDeg), x, y, style_);
}

double ShadowOracle::distanceToAzimuthLine(double azimuthDeg, double x, double y) const {
    return distanceToLevelCurve([this](double u, double v) { return sky_.rad(azimuthAt(u, v)); },
                                sky_.rad(azimuthDeg), x, y, style_);
}

}  // namespace oracle
