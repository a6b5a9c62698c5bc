#include "board/board_box.h"

#include "shell/input_check.h"

namespace board {

numeric::BoxNumber readBoardBox(std::string_view named, const std::string& text, bool latitude) {
    numeric::BoxNumber read = numeric::readNumberBox(named, text);
    if (read.refusal.empty()) read.refusal = shell::valueRefusal(named, read.value, latitude);
    if (!read.refusal.empty()) read.value = 0;
    return read;
}

}  // namespace board
