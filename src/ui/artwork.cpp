#include "ui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QLineF>

namespace ui {

QPixmap sundialArtwork(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Sky.
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(40, 90, 170));
    sky.setColorAt(1.0, QColor(250, 220, 150));
    p.fillRect(pixmap.rect(), sky);

    // The sun in the upper left corner.
    const double s = qMin(width, height);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 60));
    p.drawEllipse(QPointF(width * 0.18, height * 0.2), s * 0.09, s * 0.09);

    // The dial plate seen in perspective.
    const QPointF centre(width * 0.55, height * 0.68);
    const double rx = width * 0.38, ry = height * 0.2;
    p.setBrush(QColor(205, 190, 160));
    p.setPen(QPen(QColor(90, 70, 40), qMax(1.0, s * 0.01)));
    p.drawEllipse(centre, rx, ry);

    // Hour lines fanning out from the foot of the style, six in the morning to six at night.
    const QPointF foot(centre.x(), centre.y() + ry * 0.55);
    p.setPen(QPen(QColor(60, 45, 25), qMax(1.0, s * 0.006)));
    for (int hour = 0; hour <= 12; ++hour) {
        // A unit direction, squeezed to the plate's perspective.
        const QPointF d = QLineF::fromPolar(1.0, 180.0 - hour * 15.0).p2();
        const QPointF tip(centre.x() + rx * 0.92 * d.x(), foot.y() + ry * 1.45 * d.y() - ry * 0.05);
        p.drawLine(foot, tip);
    }

    // The style and its shadow.
    QPainterPath gnomon;
    gnomon.moveTo(foot);
    gnomon.lineTo(foot.x(), foot.y() - ry * 1.9);
    gnomon.lineTo(foot.x() - rx * 0.05, foot.y());
    gnomon.closeSubpath();
    p.setPen(QPen(QColor(60, 40, 20), qMax(1.0, s * 0.006)));
    p.setBrush(QColor(120, 80, 40));
    p.drawPath(gnomon);
    p.setPen(QPen(QColor(40, 30, 20, 150), qMax(2.0, s * 0.02)));
    p.drawLine(foot, QPointF(foot.x() + rx * 0.6, foot.y() - ry * 0.7));
    return pixmap;
}

}  // namespace ui
