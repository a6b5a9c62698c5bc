#include "board/key_filter.h"

#include <string_view>

namespace board {

std::int16_t SoloNumeri(std::int16_t KeyAscii, bool Segni) {
    if (KeyAscii == 8) return KeyAscii;
    if (KeyAscii <= 0 || KeyAscii > 127) return 0;
    const char c = static_cast<char>(KeyAscii);
    const std::string_view allowed = Segni ? "0123456789.+-" : "0123456789.";
    return allowed.find(c) != std::string_view::npos ? KeyAscii : std::int16_t{0};
}

}  // namespace board
