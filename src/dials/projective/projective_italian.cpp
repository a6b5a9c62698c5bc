// The great circle of an Italian or Babylonian hour: the horizon turned about the polar axis.

#include "dials/projective/projective_italian.h"

#include <cmath>

namespace dials::projective {

TurnedHorizon turnedHorizon(double lat, double theta) {
    // pole = (0, cos lat, sin lat), meridian = (0, -sin lat, cos lat), west = (-1, 0, 0).
    const double s = std::sin(lat), c = std::cos(lat);
    return {-c * std::sin(theta), s * c * (1 - std::cos(theta)), s * s + c * c * std::cos(theta)};
}

}  // namespace dials::projective
