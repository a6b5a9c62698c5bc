#include "plot/fixed_text.h"

#include <cstddef>

namespace plot {

std::string fixedWidthText(const std::string& text, int width) {
    std::string result;
    int characters = 0;
    std::size_t i = 0;
    while (i < text.size() && characters < width) {
        // A code point is a lead byte and the continuation bytes (10xxxxxx) after it.
        std::size_t next = i + 1;
        while (next < text.size() &&
               (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
            ++next;
        result.append(text, i, next - i);
        ++characters;
        i = next;
    }
    result.append(static_cast<std::size_t>(width - characters), ' ');
    return result;
}

}  // namespace plot
