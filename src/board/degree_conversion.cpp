#include "board/degree_conversion.h"

#include <cmath>
#include <limits>
#include <utility>

#include "board/board_box.h"
#include "board/number_text.h"
#include "numeric/checked.h"
#include "numeric/parse.h"
#include "shell/input_check.h"

namespace board {

namespace {

std::string captionOf(bool latitude) { return latitude ? "Latitude" : "Longitude"; }

numeric::BoxNumber readDecimal(bool latitude, const std::string& decimal) {
    return readBoardBox("the " + captionOf(latitude) + " box", decimal, latitude);
}

// The value the degrees, minutes and seconds boxes join into, or why they are refused.
numeric::BoxNumber readSexagesimal(bool latitude, const CoordinateTexts& texts) {
    const std::string of = " box of the " + captionOf(latitude);
    double value = 0, unit = 1;
    for (const auto& [part, text] : {std::pair{"the degrees", &texts.degrees},
                                     std::pair{"the minutes", &texts.minutes},
                                     std::pair{"the seconds", &texts.seconds}}) {
        numeric::BoxNumber read = numeric::readNumberBox(part + of, *text);
        if (!read.refusal.empty()) return read;
        if (read.value < 0)
            return {0, part + of + " holds a number below 0: the degrees, minutes and seconds "
                                   "are written unsigned, and the button before them signs them."};
        value += read.value / unit;
        unit *= 60;
    }
    // The three are one number, refused as the decimal box it is written into would refuse it.
    const std::string named =
        "the " + captionOf(latitude) + " in its degrees, minutes and seconds boxes";
    if (!std::isfinite(value))
        return {0, shell::valueRefusal(named, std::numeric_limits<double>::infinity(), latitude)};
    return readBoardBox(named, GradiSexToDec("+", value, 0, 0), latitude);
}

Conversion refused(CoordinateTexts texts, const char* what, const std::string& why) {
    return {std::move(texts), what + why + " Please check the inputs."};
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

std::string coordinateRefusal(bool latitude, bool sexagesimal, const CoordinateTexts& texts) {
    std::string why = sexagesimal ? readSexagesimal(latitude, texts).refusal : std::string();
    return why.empty() ? readDecimal(latitude, texts.decimal).refusal : why;
}

Conversion decimalToBoxes(bool latitude, CoordinateTexts texts) {
    const numeric::BoxNumber read = readDecimal(latitude, texts.decimal);
    if (!read.refusal.empty())
        return refused(std::move(texts), "Nothing was converted: ", read.refusal);
    const Sexagesimal parts = splitSexagesimal(read.value, 4);  // unsigned
    texts.sign.assign(1, read.value < 0 ? '-' : '+');
    texts.degrees = generalText(parts.whole);
    texts.minutes = generalText(parts.minutes);
    texts.seconds = fixedText(parts.seconds, 4, ".");
    return {std::move(texts), {}};
}

Conversion boxesToDecimal(bool latitude, CoordinateTexts texts) {
    const numeric::BoxNumber read = readSexagesimal(latitude, texts);
    if (!read.refusal.empty())
        return refused(std::move(texts), "Nothing was converted: ", read.refusal);
    texts.decimal = GradiSexToDec(texts.sign, read.value, 0, 0);
    return {std::move(texts), {}};
}

Conversion toggleSign(bool latitude, bool sexagesimal, CoordinateTexts texts) {
    if (std::string why = coordinateRefusal(latitude, sexagesimal, texts); !why.empty())
        return refused(std::move(texts), "The sign was not changed: ", why);
    texts.sign.assign(1, texts.sign == "+" ? '-' : '+');
    const double factor = numeric::parseNumber(texts.sign + "1");
    texts.decimal = generalText(std::fabs(numeric::parseNumber(texts.decimal)) * factor, ".");
    return {std::move(texts), {}};
}

}  // namespace board
