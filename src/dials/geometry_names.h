#pragma once
// The shared dial pieces and every family of programmes are written in the words of the geometry
// below them (the vector, the sky, the face, the dial point and line): those names are theirs,
// unqualified.

namespace geometry {}

namespace dials {
using namespace geometry;
}  // namespace dials
