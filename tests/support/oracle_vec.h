#pragma once
// Three-component vectors for the shadow oracle. World frame: x east, y north, z up, metres.

#include <cmath>

namespace oracle {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(double k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double norm(Vec3 a) { return std::sqrt(dot(a, a)); }
inline Vec3 unit(Vec3 a) { return (1.0 / norm(a)) * a; }

// A point of the dial face in dial metres: x to the right, y up the face, as the viewer facing
// the dial sees them (not the plot's downward y).
struct DialXY {
    double x = 0;
    double y = 0;
};

inline double distance(DialXY a, DialXY b) { return std::hypot(a.x - b.x, a.y - b.y); }
// The distance from p to the straight line through a and b.
inline double distanceToLine(DialXY p, DialXY a, DialXY b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    return std::fabs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::hypot(dx, dy);
}

}  // namespace oracle
