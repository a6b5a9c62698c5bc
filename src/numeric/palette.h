#pragma once
// Colours packed as r + 256*g + 65536*b, so that 0 is black, and the standard 16-colour palette.

#include <cstdint>

namespace numeric {

using Colour = std::int32_t;

constexpr Colour rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int red(Colour c) { return c & 0xFF; }
constexpr int green(Colour c) { return (c >> 8) & 0xFF; }
constexpr int blue(Colour c) { return (c >> 16) & 0xFF; }

// Palette colour 0..15: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 yellow (brown),
// 7 light grey, 8 dark grey, 9 light blue, 10 light green, 11 light cyan, 12 light red,
// 13 light magenta, 14 light yellow, 15 bright white. Out of range: NumericFailure(OutOfDomain).
Colour qbColor(int index);

}  // namespace numeric
