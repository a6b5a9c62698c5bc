// The board's instructions window: its picture and the scroll bar that moves it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

#include "ui/frm_info_dec.h"
#include "ui/instructions_sheet.h"

namespace {

// The wheel turned by whole notches (negative: towards the user, down the page) over a widget.
void turnWheel(QWidget* over, int notches) {
    const QPointF at(over->width() / 2.0, over->height() / 2.0);
    QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &wheel);
}

TEST(BoardInstructions, PictureScrollsUpAsTheBarGoesDown) {
    ui::frmInfoDec info;
    EXPECT_EQ(info.windowTitle(), "Instructions about the use of az");
    EXPECT_TRUE(info.isModal());
    EXPECT_EQ(info.size(), QSize(676, 452));
    auto* bar = info.findChild<QScrollBar*>("VScroll1");
    auto* picture = info.findChild<QLabel*>("Image1");
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(bar->value(), 500);
    EXPECT_EQ(picture->size(), ui::instructionsSheet().size());
    ASSERT_GT(picture->height(), info.height());
    EXPECT_EQ(info.Image1Top(), 0);
    EXPECT_EQ(picture->y(), 0);
    // At the end of the bar the picture's bottom is at the window's bottom, not above it.
    bar->setValue(bar->maximum());
    EXPECT_EQ(info.Image1Top(), 500 - bar->maximum());
    EXPECT_EQ(picture->y() + picture->height(), info.height());
    bar->setValue(bar->maximum() + 1000);
    EXPECT_EQ(picture->y() + picture->height(), info.height());
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(info.Image1Top(), 1500 - bar->maximum());
}

TEST(BoardInstructions, TheWheelScrollsThePictureOverItAndOverTheWindow) {
    ui::frmInfoDec info;
    auto* bar = info.findChild<QScrollBar*>("VScroll1");
    auto* picture = info.findChild<QLabel*>("Image1");
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(picture, nullptr);
    // A notch down over the picture moves it up by as many steps as the platform scrolls lines.
    turnWheel(picture, -1);
    EXPECT_EQ(bar->value(), 500 + QApplication::wheelScrollLines() * bar->singleStep());
    EXPECT_LT(picture->y(), 0);
    // A notch up over the window brings it back; no further than its top.
    turnWheel(&info, 1);
    EXPECT_EQ(picture->y(), 0);
    turnWheel(&info, 3);
    EXPECT_EQ(picture->y(), 0);
    // Down to the end: the picture's bottom stops at the window's bottom.
    turnWheel(picture, -50);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(picture->y() + picture->height(), info.height());
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
