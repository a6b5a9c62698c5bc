#include "ui/frm_info_dec.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScrollBar>
#include <cmath>

namespace ui {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr double kPi = 3.141592654;

// One case of the sheet: the declination of the dial and the sun's azimuth, degrees from the
// south, west positive; az = AZ - d.
struct SketchCase {
    int d;
    int AZ;
};

constexpr SketchCase kCases[] = {{0, 40},    {0, -40},  {30, 60}, {30, 10},
                                 {-30, -60}, {-30, 10}, {50, -20}};

// A direction on the sketch (north up, west left) for an azimuth from the south, west positive.
QPointF direction(double azimuthDeg, double length) {
    const double a = azimuthDeg * kPi / 180;
    return {-std::sin(a) * length, std::cos(a) * length};
}

void arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len == 0) return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    p.drawLine(to, to - u * 8 + n * 4);
    p.drawLine(to, to - u * 8 - n * 4);
}

QString signOf(const char* name, int value) {
    if (value == 0) return QStringLiteral("%1 = 0").arg(QLatin1String(name));
    return QStringLiteral("%1 %2 0").arg(QLatin1String(name), value > 0 ? ">" : "<");
}

void drawSketch(QPainter& p, const QRectF& cell, const SketchCase& c) {
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(cell.adjusted(2, 2, -2, -2));
    const QPointF centre(cell.center().x(), cell.top() + 85);
    QFont small = p.font();
    small.setPointSize(7);
    p.setFont(small);
    p.drawText(QPointF(cell.left() + 6, centre.y() + 4), QStringLiteral("W"));
    p.drawText(QPointF(cell.right() - 14, centre.y() + 4), QStringLiteral("E"));

    // The dial plate, thick, across its perpendicular.
    const QPointF along = direction(c.d + 90, 45);
    p.setPen(QPen(Qt::black, 4));
    p.drawLine(centre - along, centre + along);

    // The perpendicular to the plate, dashed, and the south.
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    arrow(p, centre, centre + direction(c.d, 65));
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    arrow(p, centre, centre + direction(0, 70));
    p.setPen(QPen(Qt::black, 1));
    p.drawText(centre + direction(0, 70) + QPointF(-4, 14), QStringLiteral("S"));
    p.drawText(centre + direction(c.d, 65) + QPointF(4, -2), QStringLiteral("p"));

    // The sun's direction, with the sun at its end.
    const QPointF sun = centre + direction(c.AZ, 60);
    arrow(p, centre, sun);
    p.drawEllipse(sun + direction(c.AZ, 7), 6, 6);

    const int az = c.AZ - c.d;
    const double y = cell.bottom() - 40;
    p.drawText(QPointF(cell.left() + 8, y), signOf("AZ", c.AZ));
    p.drawText(QPointF(cell.left() + 8, y + 13), signOf("az", az));
    p.drawText(QPointF(cell.left() + 8, y + 26), signOf("d", c.d));
}

}  // namespace

QPixmap instructionsSheet() {
    QPixmap sheet(640, 600);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);

    QFont title = p.font();
    title.setPointSize(11);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QPointF(12, 24), QStringLiteral("The angle az and the declination of the dial"));

    QFont text = p.font();
    text.setPointSize(9);
    text.setBold(false);
    p.setFont(text);
    const char* lines[] = {
        "AZ : azimuth of the sun (from the south, west positive, east negative)",
        "az : azimuth of the sun measured from the perpendicular p to the dial plate,",
        "       positive when the sun is west of p, negative when east of it",
        "d  : declination of the dial (direction of p from the south, west positive)",
        "latitude > 0 :  d = AZ - az          latitude < 0 :  d = AZ + az",
        "az = 0 : the declination of the dial is the azimuth of the sun.",
        "Sketches seen from above, north up: plate (thick), p (dashed), south S (dotted), sun.",
    };
    double y = 48;
    for (const char* line : lines) {
        p.drawText(QPointF(12, y), QString::fromLatin1(line));
        y += 17;
    }

    const double top = 175, cellW = 158, cellH = 210;
    for (int k = 0; k < 7; ++k) {
        const int row = k / 4, col = k % 4;
        const double left = row == 0 ? 4 + col * cellW : 4 + cellW / 2 + col * cellW;
        drawSketch(p, QRectF(left, top + row * cellH, cellW, cellH), kCases[k]);
    }
    return sheet;
}

frmInfoDec::frmInfoDec(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInfoDec"));
    setWindowTitle(QStringLiteral("Instructions about the use of az"));
    setModal(true);
    setFixedSize(10140 / kTwipsPerPixel, 6792 / kTwipsPerPixel);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(instructionsSheet());
    Image1->setGeometry(0, 0, 640, 600);

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
