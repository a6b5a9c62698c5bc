#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "decimal_comma_locale.h"
#include "failure_matchers.h"
#include "numeric/format.h"
#include "numeric/parse.h"

using numeric::toText;

namespace {

TEST(ToText, PlainForms) {
    EXPECT_EQ(toText(0.5), "0.5");
    EXPECT_EQ(toText(-0.25), "-0.25");
    EXPECT_EQ(toText(12), "12");
    EXPECT_EQ(toText(0), "0");
    EXPECT_EQ(toText(-0.0), "0");
    EXPECT_EQ(toText(45.7438), "45.7438");
    EXPECT_EQ(toText(0.0001), "0.0001");
    EXPECT_EQ(toText(-0.00012), "-0.00012");
    EXPECT_EQ(toText(123456789012345.0), "123456789012345");
}

TEST(ToText, FifteenSignificantDigits) {
    EXPECT_EQ(toText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(toText(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(toText(0.1 + 0.2), "0.3");
    EXPECT_EQ(toText(1 - 1e-16), "1");
    EXPECT_EQ(toText(1234567.8901234567), "1234567.89012346");
    EXPECT_EQ(toText(100000000000001.5), "100000000000002");
}

TEST(ToText, ExponentForms) {
    EXPECT_EQ(toText(1e15), "1E+15");
    EXPECT_EQ(toText(1.5e16), "1.5E+16");
    EXPECT_EQ(toText(999999999999999.9), "1E+15");  // exponent of the rounded value
    EXPECT_EQ(toText(0.00001), "1E-05");
    EXPECT_EQ(toText(1.5e-7), "1.5E-07");
    EXPECT_EQ(toText(-2.5e-7), "-2.5E-07");
    EXPECT_EQ(toText(-2.5e100), "-2.5E+100");
    EXPECT_EQ(toText(1.7976931348623157e308), "1.79769313486232E+308");
    EXPECT_EQ(toText(5e-324), "4.94065645841247E-324");
}

TEST(ToText, ReadsBackThroughTheParser) {
    for (double x : {0.5, -45.7438, 1e-5, 2.5e20, 123456789012345.0})
        EXPECT_EQ(numeric::parseNumber(toText(x)), x) << toText(x);
}

TEST(ToText, IgnoresTheLocale) {
    const DecimalCommaLocale comma;
    if (!comma.set()) GTEST_SKIP() << DecimalCommaLocale::kMissing;
    EXPECT_EQ(toText(-0.25), "-0.25");
}

TEST(ToText, NonFiniteValuesHaveNoText) {
    EXPECT_FAILS(toText(std::numeric_limits<double>::infinity()), numeric::FailureKind::Overflow);
    EXPECT_FAILS(toText(std::nan("")), numeric::FailureKind::NotANumber);
}

}  // namespace
