// Decimal and sexagesimal degrees both ways, the sign buttons, the key filter and the number
// formats of the board.

#include "board/degree_conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "board/key_filter.h"
#include "board/number_text.h"
#include "numeric/failure.h"

namespace {

using board::boxesToDecimal;
using board::decimalToBoxes;

TEST(DegreeConversion, DecimalToSexagesimalAndBack) {
    const board::Sexagesimal parts = board::GradiDecToSex(-45.7438);
    EXPECT_EQ(parts.whole, -45);
    EXPECT_EQ(parts.minutes, -44);
    EXPECT_NEAR(parts.seconds, -37.68, 1e-9);

    const board::SexagesimalBoxes boxes = decimalToBoxes("-45.7438");
    EXPECT_EQ(boxes.sign, "-");
    EXPECT_EQ(boxes.degrees, "45");
    EXPECT_EQ(boxes.minutes, "44");
    EXPECT_EQ(boxes.seconds, "37.6800");
    // Five decimals on the way back, not the four of the seconds box.
    EXPECT_EQ(boxesToDecimal(boxes.sign, boxes.degrees, boxes.minutes, boxes.seconds), "-45.74380");
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
    const board::SexagesimalBoxes cape = decimalToBoxes("-33.9");
    EXPECT_EQ(cape.sign + cape.degrees + " " + cape.minutes + " " + cape.seconds, "-33 54 0.0000");
    // Every tenth of a degree, both signs: whole minutes, and the decimal text back exactly.
    for (int tenths = -1800; tenths <= 1800; ++tenths) {
        const double value = tenths / 10.0;
        const board::SexagesimalBoxes b = decimalToBoxes(board::generalText(value));
        EXPECT_EQ(b.seconds, "0.0000") << value;
        EXPECT_LT(std::stod(b.minutes), 60) << value;
        EXPECT_EQ(boxesToDecimal(b.sign, b.degrees, b.minutes, b.seconds),
                  board::fixedText(value, 5))
            << value;
    }
    // Five-decimal texts, as the sexagesimal boxes write them, come back unchanged.
    for (int k = 0; k < 18000000; k += 7919) {
        const std::string text = board::fixedText(k / 100000.0, 5);
        const board::SexagesimalBoxes b = decimalToBoxes(text);
        EXPECT_LT(std::stod(b.seconds), 60) << text;
        EXPECT_EQ(boxesToDecimal(b.sign, b.degrees, b.minutes, b.seconds), text);
    }
}

TEST(DegreeConversion, HalfDegreesEmptyTextsAndMinutesBeyondSixty) {
    const board::SexagesimalBoxes north = decimalToBoxes("0.5");
    const board::SexagesimalBoxes south = decimalToBoxes("-0.5");
    EXPECT_EQ(north.sign, "+");
    EXPECT_EQ(south.sign, "-");
    for (const auto& b : {north, south}) {
        EXPECT_EQ(b.degrees, "0");
        EXPECT_EQ(b.minutes, "30");
        EXPECT_EQ(b.seconds, "0.0000");
    }
    const board::SexagesimalBoxes empty = decimalToBoxes("");
    EXPECT_EQ(empty.sign + empty.degrees + empty.minutes + empty.seconds, "+000.0000");

    EXPECT_EQ(boxesToDecimal("+", "0", "90", "0"), "1.50000");
    EXPECT_EQ(boxesToDecimal("+", "7", "30", ""), "7.50000");
    EXPECT_EQ(boxesToDecimal("-", "7", "38", "37.68"), "-7.64380");
    // A box that holds no number converts to nothing: the other form stays as it was.
    for (const char* text : {"abc", "1,5", "45\u00a0", "1e400"}) {
        EXPECT_THROW(decimalToBoxes(text), numeric::NumericFailure) << text;
        EXPECT_THROW(boxesToDecimal("+", "7", text, "0"), numeric::NumericFailure) << text;
        EXPECT_THROW(board::toggleSign("+", text), numeric::NumericFailure) << text;
    }
}

TEST(DegreeConversion, SignButtonTogglesAndRewritesTheDecimalText) {
    const board::SignedDecimal once = board::toggleSign("+", "45.7000");
    EXPECT_EQ(once.sign, "-");
    EXPECT_EQ(once.decimal, "-45.7");
    const board::SignedDecimal twice = board::toggleSign(once.sign, once.decimal);
    EXPECT_EQ(twice.sign, "+");
    EXPECT_EQ(twice.decimal, "45.7");
    // A positive value under a "-" caption becomes negative; any other caption becomes "+".
    EXPECT_EQ(board::toggleSign("+", "12").decimal, "-12");
    EXPECT_EQ(board::toggleSign("x", "-12").sign, "+");
    EXPECT_EQ(board::toggleSign("x", "-12").decimal, "12");
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
