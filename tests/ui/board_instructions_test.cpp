// The board's instructions window: its picture and the scroll bar that moves it.

#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>

#include "ui/frm_info_dec.h"
#include "ui/instructions_sheet.h"

namespace {

TEST(BoardInstructions, PictureScrollsUpAsTheBarGoesDown) {
    ui::frmInfoDec info;
    EXPECT_EQ(info.windowTitle(), "Instructions about the use of az");
    EXPECT_TRUE(info.isModal());
    auto* bar = info.findChild<QScrollBar*>("VScroll1");
    auto* picture = info.findChild<QLabel*>("Image1");
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(bar->value(), 500);
    EXPECT_EQ(bar->maximum(), 9000);
    EXPECT_EQ(info.Image1Top(), 0);
    EXPECT_EQ(picture->y(), 0);
    bar->setValue(9000);
    EXPECT_EQ(info.Image1Top(), -8500);
    EXPECT_LT(picture->y(), -500);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(info.Image1Top(), -7500);
}

TEST(BoardInstructions, SheetIsBlackDrawingOnWhite) {
    const QImage sheet = ui::instructionsSheet().toImage();
    // Four sketches to a row below the text; the sheet as tall as they need.
    EXPECT_EQ(sheet.width(), 640);
    EXPECT_GE(sheet.height(), 206 + 3 * 196);
    int dark = 0;
    for (int y = 0; y < sheet.height(); y += 2)
        for (int x = 0; x < sheet.width(); x += 2)
            if (qGray(sheet.pixel(x, y)) < 128) ++dark;
    EXPECT_GT(dark, 500);
    EXPECT_LT(dark, 640 * 600 / 4 / 4);
    EXPECT_EQ(QColor(sheet.pixel(639, 0)), QColor(Qt::white));
}

}  // namespace
