#include "support/year_shadows.h"

#include <cmath>

namespace oracle {

RealSunAt realSunsOf(const ShadowOracle& o) {
    // Every point of the plane looks at the tip standing in front of it.
    return [o](DialXY p) -> std::optional<HourDecl> {
        if (!(o.altitudeAt(p.x, p.y) > 0)) return std::nullopt;
        return o.sunFor(p.x, p.y);
    };
}

RealSunAt realSunsOf(const CylinderOracle& o) {
    return [o](DialXY p) -> std::optional<HourDecl> {
        if (!(std::fabs(p.x) <= o.radius() * o.sky().pi())) return std::nullopt;
        const CylSun c = o.sunAt(p.x, p.y);
        if (!c.reachable || !c.aboveHorizon) return std::nullopt;
        return c.sun;
    };
}

RealSunAt realSunsOf(const ParabolicOracle& o) {
    return [o](DialXY p) -> std::optional<HourDecl> {
        if (!o.castByRealSun(p)) return std::nullopt;
        return o.sunFor(p);
    };
}

bool yearShadowWithin(const RealSunAt& sunAt, const DialArea& area, double cell) {
    const int columns = static_cast<int>(std::ceil((area.right - area.left) / cell));
    const int rows = static_cast<int>(std::ceil((area.top - area.bottom) / cell));
    for (int i = 0; i <= columns; ++i)
        for (int j = 0; j <= rows; ++j) {
            const DialXY p{std::fmin(area.left + i * cell, area.right),
                           std::fmin(area.bottom + j * cell, area.top)};
            const std::optional<HourDecl> sun = sunAt(p);
            if (sun && std::fabs(sun->declination) <= 23.45) return true;
        }
    return false;
}

}  // namespace oracle
