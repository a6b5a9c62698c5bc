#include "ui/frm_info_dec.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollBar>

#include "ui/instructions_sheet.h"

namespace ui {

namespace {

constexpr int kTwipsPerPixel = 15;

}  // namespace

frmInfoDec::frmInfoDec(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInfoDec"));
    setWindowTitle(QStringLiteral("Instructions about the use of az"));
    setModal(true);
    setFixedSize(10140 / kTwipsPerPixel, 6792 / kTwipsPerPixel);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    const QPixmap sheet = instructionsSheet();
    Image1->setPixmap(sheet);
    Image1->setGeometry(0, 0, sheet.width(), sheet.height());

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(9765 / kTwipsPerPixel, 0, 330 / kTwipsPerPixel, 6795 / kTwipsPerPixel);
    VScroll1->setRange(500, 9000);
    VScroll1->setSingleStep(500);
    VScroll1->setPageStep(1000);
    VScroll1->setValue(500);
    // Tracking is on: dragging the thumb changes the value, and runs the same rule.
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmInfoDec::VScroll1_Change);
    VScroll1_Change();
}

int frmInfoDec::Image1Top() const { return 500 - VScroll1->value(); }

void frmInfoDec::VScroll1_Change() { Image1->move(0, Image1Top() / kTwipsPerPixel); }

}  // namespace ui
