#include "dials/flat3d/dial_line.h"

namespace dials::flat3d {

bool hourPlaneParallel(const PlaneGeometry& g, double H) {
    return g.face.parallelToPlane(hourPlaneNormal(g.phi, westward(H)));
}

std::optional<DialLine> hourLine(const PlaneGeometry& g, double H) {
    if (hourPlaneParallel(g, H)) return std::nullopt;
    return g.face.section(hourPlaneNormal(g.phi, westward(H)), tipOf(g));
}

}  // namespace dials::flat3d
