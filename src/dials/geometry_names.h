#pragma once
// The shared dial pieces and every family of programmes are written in the words of the geometry
// below them (the vector, the sky, the face, the dial point and line): those names are theirs,
// unqualified; and they name the colours of their lines by the palette's names
// (palette::kLightBlue), the one name of each colour.

#include "numeric/palette.h"

namespace geometry {}

namespace dials {
using namespace geometry;
namespace palette = numeric::palette;
}  // namespace dials
