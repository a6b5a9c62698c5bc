#include "dials/flat3d/dial_line.h"

#include <cmath>

namespace dials::flat3d {

std::optional<DialLine> hourLine(const PlaneGeometry& g, double H) {
    return g.face.section(hourPlaneNormal(g.phi, westward(H)), tipOf(g));
}

}  // namespace dials::flat3d
