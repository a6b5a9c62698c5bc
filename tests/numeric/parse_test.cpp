#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "decimal_comma_locale.h"
#include "failure_matchers.h"
#include "numeric/number_box.h"
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
    // and a number too small for a double as the smallest of its sign, not as a typed 0.
    const double least = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(numeric::parseNumberOrInfinity("-1e-400"), -least);
    EXPECT_EQ(numeric::parseNumberOrInfinity("0.000001e-99999"), least);
    EXPECT_EQ(numeric::parseNumberOrInfinity("0e-400"), 0.0);
}

TEST(ParseNumber, AWholeNumberHasNothingButBlanksBesideIt) {
    for (const char* whole : {"", "  ", "45", " -45.5\t", "+.5", "5.", "1e-3", "2E+5 ", "1e400",
                              "-Infinity", " inf "})
        EXPECT_TRUE(numeric::isWholeNumber(whole)) << whole;
    for (const char* text : {"abc", "CET", "UTC+1", "45,5", "1.2.3", "7-", "--5", "- 5", "3 4",
                             "1e", "1e+", "45N", ".", "-", "info", "0x10"})
        EXPECT_FALSE(numeric::isWholeNumber(text)) << text;
}

// Whether the text is well-formed UTF-8 without a control character (a line end, a tab, DEL).
bool shownWhole(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (lead < 0x20 || lead == 0x7F || (lead >= 0x80 && lead < 0xC2) || i + n > text.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

TEST(ParseNumber, ABoxIsOneNumberOrIsRefusedQuotingAndNamingWhatItHolds) {
    EXPECT_EQ(numeric::readNumberBox("the box", " 45\t\n").value, 45);
    EXPECT_EQ(numeric::readNumberBox("the box", "").value, 0);
    EXPECT_TRUE(std::isinf(numeric::readNumberBox("the box", "1e400").value));
    EXPECT_NE(numeric::readFiniteNumberBox("the box", "-inf").refusal.find("too large"),
              std::string::npos);
    const std::string accents = [] {
        std::string e;
        for (int k = 0; k < 30; ++k) e += "\u00e9";
        return e;
    }();
    // Each row: the text, how its message quotes it, and the character named ("" = none).
    struct Row {
        std::string text, quoted, named;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"abc", "\"abc\"", ""},
             {" 45,5 ", "\"45,5\"", ""},
             {"45\u00a0", "\"45\u00a0\"", "U+00A0 NO-BREAK SPACE"},
             {"\u221245", "\"\u221245\"", "U+2212 MINUS SIGN"},
             {"4\u20135", "\"4\u20135\"", "U+2013 EN DASH"},
             {"\uff14\uff15", "\"\uff14\uff15\"", "U+FF14 FULLWIDTH DIGIT FOUR"},
             {"\u0664\u0665", "\"\u0664\u0665\"", "U+0664 ARABIC-INDIC DIGIT FOUR"},
             {"4\u2075", "\"4\u2075\"", "U+2075 SUPERSCRIPT FIVE"},
             {"\U0001D7D2", "\"\U0001D7D2\"", "U+1D7D2 MATHEMATICAL BOLD DIGIT FOUR"},
             {"4\u20095", "\"4\u20095\"", "U+2009 THIN SPACE"},
             {"4\u200b5", "\"4\\u200B5\"", "U+200B ZERO WIDTH SPACE"},
             {"\u202e54", "\"\\u202E54\"", "U+202E RIGHT-TO-LEFT OVERRIDE"},
             {"4\n5", "\"4\\n5\"", "U+000A LINE FEED"},
             {"4\t5\r", "\"4\\t5\"", "U+0009 CHARACTER TABULATION"},
             {"4\x1b", "\"4\\u001B\"", "U+001B ESCAPE"},
             {"4\x7f", "\"4\\u007F\"", "U+007F DELETE"},
             {"4\u0085", "\"4\\u0085\"", "U+0085 NEXT LINE"},
             {"4\u2028", "\"4\\u2028\"", "U+2028 LINE SEPARATOR"},
             {"a" + accents, "\"a" + accents.substr(0, 46) + "...\"", "U+00E9"},
             {"4\xe9", "\"4\\xE9\"", "the byte 0xE9 (not UTF-8 text)"},
             {"4\xed\xa0\x80", "\"4\\xED\\xA0\\x80\"", "the byte 0xED"},
             {"\xc0\xaf", "\"\\xC0\\xAF\"", "the byte 0xC0"},
             {"4\xe2\x88", "\"4\\xE2\\x88\"", "the byte 0xE2"},
         }) {
        const std::string refusal = numeric::readNumberBox("the Latitude box", row.text).refusal;
        EXPECT_EQ(refusal.rfind("the Latitude box holds " + row.quoted + ", which is not", 0), 0u)
            << refusal;
        EXPECT_EQ(refusal.find("U+") != std::string::npos || refusal.find("byte") != std::string::npos,
                  !row.named.empty()) << refusal;
        EXPECT_NE(refusal.find(row.named), std::string::npos) << refusal;
        EXPECT_TRUE(shownWhole(refusal)) << refusal;
    }
}

TEST(ParseNumber, IgnoresTheLocale) {
    const DecimalCommaLocale comma;
    if (!comma.set()) GTEST_SKIP() << DecimalCommaLocale::kMissing;
    EXPECT_EQ(parseNumber("45.25"), 45.25);
    EXPECT_EQ(parseNumber("45,25"), 45.0);
}

}  // namespace
