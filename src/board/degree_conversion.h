#pragma once
// Latitude and longitude in their two forms on the board: signed decimal degrees, and unsigned
// degrees, minutes and seconds with the sign on a button caption ("+" or "-"). Leaving a box and
// pressing a sign button keep the two in step; each reads its boxes as the calculation does, and
// where the calculation would refuse a box, it refuses it too and changes nothing.

#include <string>

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

// One coordinate as the board shows it.
struct CoordinateTexts {
    std::string sign;     // the sign button's caption
    std::string decimal;  // txtLAT or txtLON
    std::string degrees, minutes, seconds;
};

// Why the boxes of the coordinate that the calculation and the transfer read are refused, or
// "": in the sexagesimal form the three boxes typed in (the first that holds no number, "the
// minutes box of the Latitude", else the decimal value they join into, refused as the decimal
// box would refuse it, "the Latitude in its degrees, minutes and seconds boxes"), then, in
// either form, the decimal box (readBoardBox, naming "the Latitude box").
std::string coordinateRefusal(bool latitude, bool sexagesimal, const CoordinateTexts& texts);

// A coordinate after an edit: every text as it now reads, or, when the edit is refused, the
// texts unchanged and the message that says why, naming the box.
struct Conversion {
    CoordinateTexts texts;
    std::string refusal;
};

// The decimal box left: the sign caption and the three boxes are written from it ("-" for a
// negative value, else "+"; degrees and minutes in the general number format, seconds as
// "0.0000"; an empty box gives "+", "0", "0", "0.0000"). The decimal text is left as typed.
Conversion decimalToBoxes(bool latitude, CoordinateTexts texts);

// A degrees, minutes or seconds box left: the decimal box is written from the sign caption and
// the three boxes by GradiSexToDec.
Conversion boxesToDecimal(bool latitude, CoordinateTexts texts);

// The sign button pressed: the caption toggles ("+" becomes "-", anything else "+") and the
// decimal text becomes |value| with the new sign, in the general number format; the unsigned
// boxes stay. Refused where coordinateRefusal refuses the form the board is in.
Conversion toggleSign(bool latitude, bool sexagesimal, CoordinateTexts texts);

}  // namespace board
