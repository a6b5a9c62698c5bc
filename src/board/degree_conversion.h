#pragma once
// Latitude and longitude in their two forms on the board: signed decimal degrees, and unsigned
// degrees, minutes and seconds with the sign on a button caption ("+" or "-").

#include <string>
#include <string_view>

#include "board/sexagesimal.h"

namespace board {

// Splits decimal degrees into whole degrees, whole minutes and seconds as splitSexagesimal
// does (33.9 gives 33, 54, 0, never 33, 53, 60); a negative GradiDec gives all three negated.
Sexagesimal GradiDecToSex(double GradiDec, int secondDecimals = 4);

// Joins a sign caption and degrees, minutes and seconds into the decimal text
// prefix + (varG + varP/60 + varS/3600) written as "0.00000" with "." as separator; the prefix
// is empty for "+" and the caption itself otherwise ("-45.74380"). Minutes and seconds may
// exceed 60.
std::string GradiSexToDec(const std::string& segno, double varG, double varP, double varS);

// The sign caption and the three unsigned boxes shown for a decimal text.
struct SexagesimalBoxes {
    std::string sign;     // "-" for a negative value, else "+"
    std::string degrees;  // general number format
    std::string minutes;  // general number format
    std::string seconds;  // "0.0000", "." as separator
};

// Fills the sign and the sexagesimal boxes from a decimal box's text (an empty text gives "+",
// "0", "0", "0.0000"). Each conversion here reads its boxes by the one reader of a number box,
// and fails (numeric::NumericFailure) where a box holds no number, or one too large for a
// double: the other form then stays as it was, and the calculation names the box.
SexagesimalBoxes decimalToBoxes(const std::string& decimalText);

// Rewrites the decimal box from the sign caption and the texts of the three boxes.
std::string boxesToDecimal(const std::string& sign, const std::string& degrees,
                           const std::string& minutes, const std::string& seconds);

// Why a coordinate's three sexagesimal boxes do not hold numbers, naming the first that does not
// by the coordinate's caption ("the minutes box of the Latitude"), or "".
std::string coordinateRefusal(std::string_view caption, const std::string& degrees,
                              const std::string& minutes, const std::string& seconds);

// A sign button pressed: the caption toggles ("+" becomes "-", anything else "+") and the
// decimal text becomes |value| with the new sign, in the general number format.
struct SignedDecimal {
    std::string sign;
    std::string decimal;
};
SignedDecimal toggleSign(const std::string& sign, const std::string& decimalText);

}  // namespace board
