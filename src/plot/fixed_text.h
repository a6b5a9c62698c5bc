#pragma once
// Text cut or padded to a fixed number of characters (UTF-8 code points, never split).

#include <string>

namespace plot {

std::string fixedWidthText(const std::string& text, int width);

}  // namespace plot
