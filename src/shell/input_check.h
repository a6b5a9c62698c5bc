#pragma once
// The main window's number boxes as Run and Data read them: each box named by its caption, read
// by the one reader of a number box (numeric/number_box.h), and checked against what a dial can
// draw before anything is drawn or listed.

#include <span>
#include <string>
#include <string_view>

#include "numeric/number_box.h"
#include "shell/context.h"

namespace shell {

// A control's caption as the main window shows it, without its trailing blanks: a number box's
// is that of the label or check box that names it on the panel, any other control's its own.
std::string caption(const InputRecord& in, std::string_view control);

// Why a number box holds nothing the programmes (menu item names) can draw with, or "": a text
// that is no number, or a number its box's rule refuses (see inputRefusal), named by its caption.
// Run and Data check a box alike.
std::string numberRefusal(const InputRecord& in, std::string_view box,
                          std::span<const std::string_view> programmes);

// Why a number read from a box of another window, named as a message names it ("the Latitude
// box"), is one no dial's arithmetic takes (see inputRefusal), or, for a latitude, lies beyond
// the pole; "" otherwise. The utilities board checks its boxes so.
std::string valueRefusal(std::string_view named, double v, bool latitude = false);

// Why Run cannot draw what the number boxes hold for the programmes of the run (menu item
// names), or "" when it can: the first box in the panel's order that one of them reads (see
// runReads) and that holds no number, or a number no dial can draw (see Command1_Click), named
// by its caption.
std::string inputRefusal(const Context& ctx, std::span<const std::string_view> programmes);

// Whether a checked programme reads the number box in this run: the programme enables the box
// and, for a box read only with a check box, the box is ticked; the definition is read also
// where the programme's lines of equal altitude are drawn. Run checks exactly these boxes, and
// every reader of a box the menu can grey out asks here before it parses the box: a box the
// programme does not read is never parsed, so nothing it holds can stop the run.
bool runReads(const Context& ctx, std::string_view box);

}  // namespace shell
