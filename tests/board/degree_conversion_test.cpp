// Decimal and sexagesimal degrees both ways, the sign buttons, the key filter and the number
// formats of the board.

#include "board/degree_conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "board/key_filter.h"
#include "board/number_text.h"

namespace {

using namespace std::string_literals;

// The boxes a decimal text fills ("-45 44 37.6800") and the decimal text three boxes write
// ("-45.74380"), or the refusal.
std::string boxes(const std::string& decimal, bool latitude = false) {
    const board::Conversion c = board::decimalToBoxes(latitude, {"+", decimal, "", "", ""});
    const board::CoordinateTexts& t = c.texts;
    return c.refusal.empty() ? t.sign + t.degrees + " " + t.minutes + " " + t.seconds : c.refusal;
}

std::string decimal(const std::string& sign, const std::string& degrees,
                    const std::string& minutes, const std::string& seconds,
                    bool latitude = false) {
    const board::Conversion c =
        board::boxesToDecimal(latitude, {sign, "old", degrees, minutes, seconds});
    return c.refusal.empty() ? c.texts.decimal : c.refusal;
}

// The boxes of a decimal text, converted back.
std::string backAgain(const std::string& text) {
    const board::CoordinateTexts t = board::decimalToBoxes(false, {"+", text, "", "", ""}).texts;
    return decimal(t.sign, t.degrees, t.minutes, t.seconds);
}

TEST(DegreeConversion, DecimalToSexagesimalAndBack) {
    const board::Sexagesimal parts = board::GradiDecToSex(-45.7438);
    EXPECT_EQ(parts.whole, -45);
    EXPECT_EQ(parts.minutes, -44);
    EXPECT_NEAR(parts.seconds, -37.68, 1e-9);

    EXPECT_EQ(boxes("-45.7438", true), "-45 44 37.6800");
    // Five decimals on the way back, not the four of the seconds box.
    EXPECT_EQ(backAgain("-45.7438"), "-45.74380");
}

TEST(DegreeConversion, SplitsAnAngleIntoHoursOfTime) {
    board::Sexagesimal t = board::splitSexagesimal(7.6438 / 15, 4);
    EXPECT_EQ(t.whole, 0);
    EXPECT_EQ(t.minutes, 30);
    EXPECT_NEAR(t.seconds, 34.512, 1e-9);
    // The total is rounded before it is split: 18.4 degrees is 1 h 13 m 36 s, not 35.99...
    t = board::splitSexagesimal(18.4 / 15, 0);
    EXPECT_EQ(t.whole, 1);
    EXPECT_EQ(t.minutes, 13);
    EXPECT_EQ(t.seconds, 36);
    t = board::splitSexagesimal(187.25 / 15, 4);
    EXPECT_EQ(t.whole, 12);
    EXPECT_EQ(t.minutes, 29);
    EXPECT_EQ(t.seconds, 0);
}

TEST(DegreeConversion, SecondsNeverReadSixtyAndRoundValuesComeBackRound) {
    EXPECT_EQ(boxes("-33.9", true), "-33 54 0.0000");
    // Every tenth of a degree, both signs: whole minutes, and the decimal text back exactly.
    for (int tenths = -1800; tenths <= 1800; ++tenths) {
        const double value = tenths / 10.0;
        const std::string b = boxes(board::generalText(value));
        EXPECT_EQ(b.substr(b.rfind(' ')), " 0.0000") << value;
        EXPECT_EQ(backAgain(board::generalText(value)), board::fixedText(value, 5)) << value;
    }
    // Five-decimal texts, as the sexagesimal boxes write them, come back unchanged.
    for (int k = 0; k < 18000000; k += 7919) {
        const std::string text = board::fixedText(k / 100000.0, 5);
        EXPECT_EQ(backAgain(text), text);
    }
}

TEST(DegreeConversion, HalfDegreesEmptyTextsAndMinutesBeyondSixty) {
    EXPECT_EQ(boxes("0.5", true), "+0 30 0.0000");
    EXPECT_EQ(boxes("-0.5", true), "-0 30 0.0000");
    EXPECT_EQ(boxes("", true), "+0 0 0.0000");

    EXPECT_EQ(decimal("+", "0", "90", "0", true), "1.50000");
    EXPECT_EQ(decimal("+", "7", "30", "", true), "7.50000");
    EXPECT_EQ(decimal("-", "7", "38", "37.68"), "-7.64380");
    EXPECT_EQ(decimal("+", "0", "5400", "0", true), "90.00000");
}

TEST(DegreeConversion, EditsTheCalculationRefusesChangeNothingAndNameTheBox) {
    // A decimal box is refused by the calculation's words, its own bound for one beyond a double.
    for (const auto& [text, refusal] :
         {std::pair{"1e400", "the Longitude box holds a number too large for the arithmetic of "
                             "any dial: it must lie between -1000000000 and 1000000000."},
          {"-inf", "the Longitude box holds a number too large"},
          {"1e-300", "the Longitude box holds a number too small"}}) {
        const board::CoordinateTexts before{"+", text, "4", "5", "6"};
        for (const board::Conversion& c :
             {board::decimalToBoxes(false, before), board::toggleSign(false, true, before)}) {
            EXPECT_EQ(c.refusal.find(refusal), c.refusal.find(": ") + 2) << c.refusal;
            EXPECT_EQ(c.texts.decimal + c.texts.sign + c.texts.degrees, text + "+4"s);
        }
    }
    EXPECT_EQ(boxes("12000000"), "+12000000 0 0.0000");
    // The three boxes are refused one by one, then as the decimal value they make.
    const std::string of = "Nothing was converted: the Latitude in its degrees, minutes and "
                           "seconds boxes must hold a latitude between -90 and 90";
    for (const auto& [box, refusal] :
         {std::pair{"4x5", "Nothing was converted: the degrees box of the Latitude holds \"4x5\""},
          {"-5", "Nothing was converted: the degrees box of the Latitude holds a number below 0"},
          {"1e400", of.c_str()},
          {"91", of.c_str()}})
        EXPECT_EQ(decimal("+", box, "0", "0", true).rfind(refusal, 0), 0u) << box;
    EXPECT_EQ(decimal("+", "90", "0", "0.1", true).rfind(of, 0), 0u);
    EXPECT_NE(decimal("+", "999999999", "60", "0").find("seconds boxes holds a number too large"),
              std::string::npos);
}

TEST(DegreeConversion, SignButtonTogglesAndRewritesTheDecimalText) {
    const board::Conversion once = board::toggleSign(true, false, {"+", "45.7000", "45", "42", ""});
    EXPECT_EQ(once.texts.sign, "-");
    EXPECT_EQ(once.texts.decimal, "-45.7");
    EXPECT_EQ(once.texts.degrees, "45");
    const board::Conversion twice = board::toggleSign(true, false, once.texts);
    EXPECT_EQ(twice.texts.sign, "+");
    EXPECT_EQ(twice.texts.decimal, "45.7");
    // A positive value under a "-" caption becomes negative; any other caption becomes "+".
    EXPECT_EQ(board::toggleSign(false, false, {"+", "12", "", "", ""}).texts.decimal, "-12");
    EXPECT_EQ(board::toggleSign(false, false, {"x", "-12", "", "", ""}).texts.sign, "+");
    EXPECT_EQ(board::toggleSign(false, false, {"x", "-12", "", "", ""}).texts.decimal, "12");
}

TEST(KeyFilter, DigitsAndPointEverywhereSignsOnlyWhereAllowed) {
    for (char c : std::string("0123456789.")) {
        EXPECT_EQ(board::SoloNumeri(c, false), c);
        EXPECT_EQ(board::SoloNumeri(c, true), c);
    }
    EXPECT_EQ(board::SoloNumeri('-', true), '-');
    EXPECT_EQ(board::SoloNumeri('+', true), '+');
    EXPECT_EQ(board::SoloNumeri('-', false), 0);
    EXPECT_EQ(board::SoloNumeri('+', false), 0);
    EXPECT_EQ(board::SoloNumeri(8, false), 8);
    for (int c : {int{','}, int{'e'}, int{'E'}, int{' '}, 0, -1, 200}) {
        EXPECT_EQ(board::SoloNumeri(static_cast<std::int16_t>(c), true), 0) << c;
    }
}

TEST(NumberText, FixedPatternsRoundHalfAwayFromZeroWithTheChosenSeparator) {
    EXPECT_EQ(board::fixedText(0.125, 2), "0.13");
    EXPECT_EQ(board::fixedText(-0.125, 2), "-0.13");
    EXPECT_EQ(board::fixedText(9.99996, 4), "10.0000");
    EXPECT_EQ(board::fixedText(-0.00001, 4), "0.0000");
    EXPECT_EQ(board::fixedText(37.68, 4, ","), "37,6800");
    EXPECT_EQ(board::generalText(-7.5, ","), "-7,5");
    EXPECT_EQ(board::generalText(2451545), "2451545");
}

}  // namespace
