#pragma once
// The one reader of a number box: every place that takes a number from a box the user types
// (the main window's Run and Data, the utilities board, the plot window's panels) reads it here,
// so that a text is a number, or is refused, alike everywhere.

#include <string>
#include <string_view>

namespace numeric {

struct BoxNumber {
    // The number the box holds: 0 for a blank box, the infinity of its sign for a number too
    // large for a double or a spelt infinity (a reader refuses it as too large); 0 when refused.
    double value = 0;
    // Why the text is not a number, naming the box; "" when it is one.
    std::string refusal;
};

// Reads a box's text as one number (isWholeNumber): blanks around it are let be, and a blank
// box is 0. Any other text is refused with `named` ("the Latitude box") and the text quoted, cut
// on a character and with its controls written out (quotedText); where the text holds a
// character that is not plain ASCII or a control (a no-break space, a typographic minus, a
// full-width digit, a line end inside it), the first such is named by its code, since the quote
// would look like a plain number. The refusal is a clause to be framed by the caller's message:
// "the Latitude box holds "45,5", which is not a number: ...".
BoxNumber readNumberBox(std::string_view named, std::string_view text);

// The same, for a reader that computes with the number as it is: a number too large for a
// double, or a spelt infinity, is refused as too large.
BoxNumber readFiniteNumberBox(std::string_view named, std::string_view text);

}  // namespace numeric
