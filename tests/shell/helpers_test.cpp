// The colour actually drawn, the angle functions on the stored Pi, the ticked check box and the
// key filter.

#include <gtest/gtest.h>

#include "numeric/failure.h"
#include "numeric/palette.h"
#include "shell/context.h"
#include "shell/helpers.h"
#include "shell/input_record.h"
#include "shell/module1.h"
#include "shell/options.h"
#include "support/recording_services.h"

namespace {

constexpr numeric::Colour kWhite = numeric::rgb(255, 255, 255);

TEST(LineColor, MonochromeIgnoresTheIndexAndContrastsWithTheBackground) {
    shell::clsOptions options;
    options.IXMultiColor = false;
    for (int i = 0; i < 16; ++i) {
        options.IXBackColor = kWhite;
        EXPECT_EQ(shell::LineColor(options, numeric::palette::Index(i)), numeric::qbColor(0));
        options.IXBackColor = 0;
        EXPECT_EQ(shell::LineColor(options, numeric::palette::Index(i)), numeric::qbColor(15));
        options.IXBackColor = numeric::rgb(255, 255, 254);  // not exactly white
        EXPECT_EQ(shell::LineColor(options, numeric::palette::Index(i)), numeric::qbColor(15));
    }
}

TEST(LineColor, MultiColourSwapsGreysBlackAndWhiteOnlyOnAWhiteBackground) {
    shell::clsOptions options;
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(shell::LineColor(options, numeric::palette::Index(i)), numeric::qbColor(i));
    options.IXBackColor = kWhite;
    EXPECT_EQ(shell::LineColor(options, numeric::palette::Index(7)), numeric::qbColor(8));
    EXPECT_EQ(shell::LineColor(options, numeric::palette::Index(15)), numeric::qbColor(0));
    EXPECT_EQ(shell::LineColor(options, numeric::palette::Index(0)), numeric::qbColor(15));
    EXPECT_EQ(shell::LineColor(options, numeric::palette::Index(12)), numeric::qbColor(12));
    EXPECT_EQ(shell::LineColor(options, numeric::palette::Index(8)), numeric::qbColor(8));
}

TEST(AngleHelpers, WorkedValuesOnTheStoredPi) {
    shell::Module1 m;
    m.Pi = 3.141592654;
    EXPECT_NEAR(shell::Atn2(m, 1, 1), 0.785398163, 1e-9);
    EXPECT_NEAR(shell::Atn2(m, 1, -1), 2.356194491, 1e-9);
    EXPECT_NEAR(shell::Atn2(m, -1, -1), 3.926990817, 1e-9);
    EXPECT_NEAR(shell::Atn2(m, -1, 1), 5.497787145, 1e-9);
    EXPECT_NEAR(shell::Atn2(m, -0.5, 1), 5.819537699, 1e-9);
    EXPECT_EQ(shell::Atn2(m, 0, 5), 0);
    EXPECT_EQ(shell::Atn2(m, 0, -5), m.Pi);
    EXPECT_THROW(shell::Atn2(m, 1, 0), numeric::NumericFailure);
    EXPECT_THROW(shell::Atn2(m, 0, 0), numeric::NumericFailure);

    EXPECT_EQ(shell::ArcSin(m, 1), m.Pi / 2);
    EXPECT_EQ(shell::ArcSin(m, -1), -(m.Pi / 2));
    EXPECT_EQ(shell::ArcCos(m, 1), 0);
    EXPECT_NEAR(shell::ArcCos(m, -1), m.Pi, 1e-15);
    EXPECT_EQ(shell::ArcCos(m, 0), m.Pi / 2);
    EXPECT_NO_THROW(shell::ArcSin(m, 0.9999999));
    EXPECT_THROW(shell::ArcSin(m, 1.0000001), numeric::NumericFailure);
    EXPECT_THROW(shell::ArcCos(m, -1.0000001), numeric::NumericFailure);

    // The functions follow the value Pi holds at the call.
    m.Pi = 3.1415926536;
    EXPECT_EQ(shell::ArcSin(m, 1), 3.1415926536 / 2);
}

TEST(Ticked, OnlyACheckBoxOfValueOneIsTicked) {
    shell::InputRecord inputs;
    shell::Module1 m;
    shell::clsOptions options;
    testsupport::RecordingServices services;
    const shell::Context ctx{inputs, m, options, services, nullptr};
    inputs.setValue("ck_Lemniscate", 1);
    EXPECT_TRUE(shell::ticked(ctx, "ck_Lemniscate"));
    inputs.setValue("ck_Lemniscate", 2);  // greyed
    EXPECT_FALSE(shell::ticked(ctx, "ck_Lemniscate"));
    inputs.setValue("ck_Lemniscate", 0);
    EXPECT_FALSE(shell::ticked(ctx, "ck_Lemniscate"));
}

TEST(NumericKeyFilter, KeepsNumberKeysTurnsCommaToPointAndRefusesTheRestWithABeep) {
    testsupport::RecordingServices services;
    for (char c : std::string("0123456789.-")) EXPECT_EQ(shell::NumericKeyFilter(c, services), c);
    EXPECT_EQ(shell::NumericKeyFilter(8, services), 8);
    EXPECT_EQ(shell::NumericKeyFilter(',', services), '.');
    EXPECT_EQ(services.beeps, 0);
    EXPECT_EQ(shell::NumericKeyFilter('a', services), 0);
    EXPECT_EQ(shell::NumericKeyFilter('+', services), 0);
    EXPECT_EQ(shell::NumericKeyFilter(13, services), 0);     // Enter
    EXPECT_EQ(shell::NumericKeyFilter(22, services), 0);     // Ctrl+V
    EXPECT_EQ(shell::NumericKeyFilter(0x00E9, services), 0); // a letter beyond ASCII
    EXPECT_EQ(services.beeps, 5);
}

}  // namespace
