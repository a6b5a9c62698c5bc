#pragma once
// Colours packed as r + 256*g + 65536*b, so that 0 is black, and the standard 16-colour palette.

#include <cstdint>

namespace numeric {

using Colour = std::int32_t;

constexpr Colour rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int red(Colour c) { return c & 0xFF; }
constexpr int green(Colour c) { return (c >> 8) & 0xFF; }
constexpr int blue(Colour c) { return (c >> 16) & 0xFF; }

// The indices of the standard palette by name (6 is the dark yellow also called brown).
namespace palette {
enum Index : int {
    kBlack, kBlue, kGreen, kCyan, kRed, kMagenta, kBrown, kLightGrey,
    kDarkGrey, kLightBlue, kLightGreen, kLightCyan, kLightRed, kLightMagenta, kLightYellow, kWhite
};
}  // namespace palette

// Palette colour 0..15 (palette::Index). Out of range: NumericFailure(OutOfDomain).
Colour qbColor(int index);

}  // namespace numeric
