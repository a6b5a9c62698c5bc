#include "ui/frm_info_dec.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "ui/instructions_sheet.h"
#include "ui/named.h"

namespace ui {

namespace {

constexpr int kTwipsPerPixel = 15;
// The scroll bar's value, in twips, at which the picture's top is at the window's top.
constexpr int kImageTopAtRest = 500;

}  // namespace

frmInfoDec::frmInfoDec(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInfoDec"));
    setWindowTitle(QStringLiteral("Instructions about the use of az"));
    setModal(true);
    setFixedSize(10140 / kTwipsPerPixel, 6792 / kTwipsPerPixel);

    Image1 = named(new QLabel(this), "Image1");
    const QPixmap sheet = instructionsSheet();
    Image1->setPixmap(sheet);
    Image1->setGeometry(0, 0, sheet.width(), sheet.height());

    // At value 500 the picture's top is at the window's top; at the maximum its bottom is at
    // the window's bottom (a picture no taller than the window does not scroll).
    const int hidden = std::max(0, sheet.height() - height());
    VScroll1 = named(new QScrollBar(Qt::Vertical, this), "VScroll1");
    VScroll1->setGeometry(9765 / kTwipsPerPixel, 0, 330 / kTwipsPerPixel, 6795 / kTwipsPerPixel);
    VScroll1->setRange(kImageTopAtRest, kImageTopAtRest + hidden * kTwipsPerPixel);
    VScroll1->setSingleStep(500);
    VScroll1->setPageStep(1000);
    VScroll1->setValue(kImageTopAtRest);
    // Tracking is on: dragging the thumb changes the value, and runs the same rule.
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmInfoDec::VScroll1_Change);
    VScroll1_Change();
    // The wheel over the picture scrolls it as over the rest of the window.
    Image1->installEventFilter(this);
}

int frmInfoDec::Image1Top() const { return kImageTopAtRest - VScroll1->value(); }

void frmInfoDec::VScroll1_Change() { Image1->move(0, Image1Top() / kTwipsPerPixel); }

void frmInfoDec::scrollBy(QWheelEvent* event) {
    // A notch of the wheel moves the bar by as many steps as the platform scrolls lines.
    const int twips = event->angleDelta().y() * QApplication::wheelScrollLines() *
                      VScroll1->singleStep() / 120;
    VScroll1->setValue(VScroll1->value() - twips);
    event->accept();
}

void frmInfoDec::wheelEvent(QWheelEvent* event) { scrollBy(event); }

bool frmInfoDec::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::Wheel) {
        scrollBy(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ui
