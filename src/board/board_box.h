#pragma once
// The board's boxes as the calculation and the conversions read them: by the one reader of a
// number box, then by the rules the main window's boxes keep (a number within the arithmetic of
// any dial, a latitude no further than the pole), so that the board computes nothing, and hands
// the main window nothing, that its Run would refuse.

#include <string>
#include <string_view>

#include "numeric/number_box.h"

namespace board {

// What the box named by `named` ("the Latitude box") holds, or why it is refused (0 then). A
// number beyond a double (1e400, inf) is refused by the box's own bound, as Run refuses it.
numeric::BoxNumber readBoardBox(std::string_view named, const std::string& text,
                                bool latitude = false);

}  // namespace board
