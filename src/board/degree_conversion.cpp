#include "board/degree_conversion.h"

#include <cmath>

#include "board/number_text.h"
#include "board/sexagesimal.h"
#include "numeric/checked.h"
#include "numeric/parse.h"

namespace board {

void GradiDecToSex(double GradiDec, double& varG, double& varP, double& varS,
                   int secondDecimals) {
    const Sexagesimal parts = splitSexagesimal(GradiDec, secondDecimals);
    varG = parts.whole;
    varP = parts.minutes;
    varS = parts.seconds;
    if (GradiDec < 0) {
        varG = -varG;
        varP = -varP;
        varS = -varS;
    }
}

std::string GradiSexToDec(const std::string& segno, double varG, double varP, double varS) {
    const double value = numeric::checkedAdd(numeric::checkedAdd(varG, varP / 60), varS / 3600);
    const std::string prefix = segno == "+" ? std::string() : segno;
    return prefix + fixedText(value, 5, ".");
}

SexagesimalBoxes decimalToBoxes(const std::string& decimalText) {
    const double value = numeric::parseNumber(decimalText);
    double g = 0, p = 0, s = 0;
    GradiDecToSex(value, g, p, s);
    return {value < 0 ? "-" : "+", generalText(std::fabs(g)), generalText(std::fabs(p)),
            fixedText(std::fabs(s), 4, ".")};
}

std::string boxesToDecimal(const std::string& sign, const std::string& degrees,
                           const std::string& minutes, const std::string& seconds) {
    return GradiSexToDec(sign, numeric::parseNumber(degrees), numeric::parseNumber(minutes),
                         numeric::parseNumber(seconds));
}

SignedDecimal toggleSign(const std::string& sign, const std::string& decimalText) {
    const std::string toggled = sign == "+" ? "-" : "+";
    const double factor = numeric::parseNumber(toggled + "1");
    const double value = std::fabs(numeric::parseNumber(decimalText)) * factor;
    return {toggled, generalText(value, ".")};
}

}  // namespace board
