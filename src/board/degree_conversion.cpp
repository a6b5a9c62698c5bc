#include "board/degree_conversion.h"

#include <cmath>

#include "board/board_box.h"
#include "board/number_text.h"
#include "board/sexagesimal.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/parse.h"

namespace board {

namespace {

// The number a box holds. A box that holds none fails (NotANumber), as a number the board
// refuses does: the form converted from it stays as it was, and the calculation names the box.
double valueOf(const std::string& text) {
    const numeric::BoxNumber read = readBoardBox("the box", text);
    if (!read.refusal.empty()) numeric::fail(numeric::FailureKind::NotANumber);
    return read.value;
}

}  // namespace

Sexagesimal GradiDecToSex(double GradiDec, int secondDecimals) {
    const Sexagesimal parts = splitSexagesimal(GradiDec, secondDecimals);
    if (!(GradiDec < 0)) return parts;
    return {-parts.whole, -parts.minutes, -parts.seconds};
}

std::string GradiSexToDec(const std::string& segno, double varG, double varP, double varS) {
    const double value = numeric::checkedAdd(numeric::checkedAdd(varG, varP / 60), varS / 3600);
    const std::string prefix = segno == "+" ? std::string() : segno;
    return prefix + fixedText(value, 5, ".");
}

SexagesimalBoxes decimalToBoxes(const std::string& decimalText) {
    const double value = valueOf(decimalText);
    const Sexagesimal parts = splitSexagesimal(value, 4);   // unsigned
    return {value < 0 ? "-" : "+", generalText(parts.whole), generalText(parts.minutes),
            fixedText(parts.seconds, 4, ".")};
}

std::string boxesToDecimal(const std::string& sign, const std::string& degrees,
                           const std::string& minutes, const std::string& seconds) {
    return GradiSexToDec(sign, valueOf(degrees), valueOf(minutes), valueOf(seconds));
}

std::string coordinateRefusal(std::string_view caption, const std::string& degrees,
                              const std::string& minutes, const std::string& seconds) {
    const std::string of = " box of the " + std::string(caption);
    for (const auto& [part, text] : {std::pair{"the degrees", &degrees},
                                     std::pair{"the minutes", &minutes},
                                     std::pair{"the seconds", &seconds}}) {
        numeric::BoxNumber read = readBoardBox(part + of, *text);
        if (!read.refusal.empty()) return std::move(read.refusal);
    }
    return {};
}

SignedDecimal toggleSign(const std::string& sign, const std::string& decimalText) {
    const std::string toggled = sign == "+" ? "-" : "+";
    const double factor = numeric::parseNumber(toggled + "1");
    const double value = std::fabs(valueOf(decimalText)) * factor;
    return {toggled, generalText(value, ".")};
}

}  // namespace board
