#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "decimal_comma_locale.h"
#include "failure_matchers.h"
#include "numeric/parse.h"

using numeric::parseNumber;

namespace {

TEST(ParseNumber, TextWithoutALeadingNumberIsZero) {
    EXPECT_EQ(parseNumber(""), 0.0);
    EXPECT_EQ(parseNumber("   "), 0.0);
    EXPECT_EQ(parseNumber("abc"), 0.0);
    EXPECT_EQ(parseNumber("-"), 0.0);
    EXPECT_EQ(parseNumber("."), 0.0);
    EXPECT_EQ(parseNumber("-.e5"), 0.0);
    EXPECT_EQ(parseNumber("--5"), 0.0);
    EXPECT_EQ(parseNumber(",5"), 0.0);
}

TEST(ParseNumber, StopsAtTheFirstCharacterThatDoesNotFit) {
    EXPECT_EQ(parseNumber("12abc"), 12.0);
    EXPECT_EQ(parseNumber("1.2.3"), 1.2);
    EXPECT_EQ(parseNumber("4,5"), 4.0);  // only "." is the decimal separator
    EXPECT_EQ(parseNumber("7-3"), 7.0);
    EXPECT_EQ(parseNumber("3 4"), 3.0);
}

TEST(ParseNumber, SignsPointsAndBlanks) {
    EXPECT_EQ(parseNumber(".5"), 0.5);
    EXPECT_EQ(parseNumber("-.5"), -0.5);
    EXPECT_EQ(parseNumber("5."), 5.0);
    EXPECT_EQ(parseNumber("+4"), 4.0);
    EXPECT_EQ(parseNumber("  \t-45.7438"), -45.7438);
    EXPECT_EQ(parseNumber("007.25"), 7.25);
    EXPECT_EQ(parseNumber("0.1"), 0.1);  // the nearest double, as a literal gives it
}

TEST(ParseNumber, Exponents) {
    EXPECT_EQ(parseNumber("1e3"), 1000.0);
    EXPECT_EQ(parseNumber("2.5e-2"), 0.025);
    EXPECT_EQ(parseNumber("-3.25E+1"), -32.5);
    EXPECT_EQ(parseNumber("1e"), 1.0);
    EXPECT_EQ(parseNumber("1e+"), 1.0);
    EXPECT_EQ(parseNumber("1e-x"), 1.0);
    EXPECT_EQ(parseNumber("1e2e3"), 100.0);
    EXPECT_EQ(parseNumber("0e99999"), 0.0);
}

TEST(ParseNumber, OverflowFailsAndUnderflowIsZero) {
    EXPECT_FAILS(parseNumber("1e400"), numeric::FailureKind::Overflow);
    EXPECT_FAILS(parseNumber("-1e400"), numeric::FailureKind::Overflow);
    EXPECT_FAILS(parseNumber("1e99999999999999999999"), numeric::FailureKind::Overflow);
    EXPECT_FAILS(parseNumber(std::string(400, '9')), numeric::FailureKind::Overflow);
    EXPECT_EQ(parseNumber("1.7976931348623157e308"), 1.7976931348623157e308);
    EXPECT_EQ(parseNumber("1e-400"), 0.0);
    EXPECT_EQ(parseNumber("0.000001e-99999"), 0.0);
    // A check of the inputs sees such a number, or a spelt infinity, as infinite.
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(numeric::parseNumberOrInfinity("-1e400"), -inf);
    EXPECT_EQ(numeric::parseNumberOrInfinity(" +INFINITY"), inf);
    EXPECT_EQ(numeric::parseNumberOrInfinity("in"), 0.0);
}

TEST(ParseNumber, AWholeNumberHasNothingButBlanksBesideIt) {
    for (const char* whole : {"", "  ", "45", " -45.5\t", "+.5", "5.", "1e-3", "2E+5 ", "1e400",
                              "-Infinity", " inf "})
        EXPECT_TRUE(numeric::isWholeNumber(whole)) << whole;
    for (const char* text : {"abc", "CET", "UTC+1", "45,5", "1.2.3", "7-", "--5", "- 5", "3 4",
                             "1e", "1e+", "45N", ".", "-", "info", "0x10"})
        EXPECT_FALSE(numeric::isWholeNumber(text)) << text;
}

TEST(ParseNumber, IgnoresTheLocale) {
    const DecimalCommaLocale comma;
    if (!comma.set()) GTEST_SKIP() << DecimalCommaLocale::kMissing;
    EXPECT_EQ(parseNumber("45.25"), 45.25);
    EXPECT_EQ(parseNumber("45,25"), 45.0);
}

}  // namespace
