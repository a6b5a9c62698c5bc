#pragma once
// The key filter of the board's numeric boxes.

#include <cstdint>

namespace board {

// Keeps a key typed in a board box: the digits, "." and, when Segni is true, "+" and "-";
// backspace (8) always. Returns KeyAscii when it is kept, 0 when it is dropped. Nothing is
// replaced (a comma is dropped, not turned into a point) and nothing beeps.
std::int16_t SoloNumeri(std::int16_t KeyAscii, bool Segni);

}  // namespace board
