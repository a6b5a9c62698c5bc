#include "ui/picture_pane.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/image_device.h"

namespace ui {

PicturePane::PicturePane(ImageDevice& screen, QWidget* parent)
    : QWidget(parent), screen_(screen) {
    setObjectName(QStringLiteral("picPlot"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitImage();
}

void PicturePane::fitImage() {
    const QSize size = screen_.image().size();
    if (this->size() != size) setFixedSize(size);
}

void PicturePane::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), screen_.image(), event->rect());
}

void PicturePane::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(event->position());
}

}  // namespace ui
