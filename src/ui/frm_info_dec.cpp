#include "ui/frm_info_dec.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScrollBar>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "board/az_sheet.h"
#include "board/number_text.h"

namespace ui {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr double kPi = 3.141592654;

// A direction on the sketch (north up, west left) for an azimuth from the south, west positive.
QPointF direction(double azimuthDeg, double length) {
    const double a = azimuthDeg * kPi / 180;
    return {-std::sin(a) * length, std::cos(a) * length};
}

// The angle of that direction as QPainter counts arcs: degrees counter-clockwise from 3 o'clock.
double screenAngle(double azimuthDeg) { return -90 - azimuthDeg; }

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

// The arc of an angle from one direction to another (azimuths from the south, west positive),
// the short way round, with its name just outside it: at the middle of the arc, or moved along
// it as little as keeps the name off the sketch's rays. A zero angle has no arc.
void angleArc(QPainter& p, QPointF centre, double radius, double fromAz, double toAz,
              const QString& name, std::initializer_list<double> rays) {
    const double span = board::foldDegrees(toAz - fromAz);
    if (std::fabs(span) < 1) return;
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(box, qRound(screenAngle(fromAz) * 16), qRound(-span * 16));

    // Where the name may go: along the arc, or a little past either end of it.
    const double clearance = 900 / (radius + 7);  // degrees that keep about 15 px off a ray
    auto clear = [&](double az) {
        for (double r : rays)
            if (std::fabs(board::foldDegrees(az - r)) < clearance) return false;
        return true;
    };
    const double middle = fromAz + span / 2;
    const double reach = std::fabs(span) / 2 + clearance;
    double at = middle;
    for (double shift = 0; shift <= reach; shift += 2) {
        if (clear(middle + shift)) {
            at = middle + shift;
            break;
        }
        if (clear(middle - shift)) {
            at = middle - shift;
            break;
        }
    }
    const QPointF where = centre + direction(at, radius + 7);
    p.drawText(QRectF(where.x() - 10, where.y() - 6, 20, 12), Qt::AlignCenter, name);
}

QString signedDegrees(const char* name, double value) {
    const QString number = value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
    return QStringLiteral("%1 = %2").arg(QLatin1String(name), number);
}

// A labelled ray from the centre: the label beyond its end, or beside it (sideways > 0: to
// the right of one who looks along the ray) where another ray runs on along the same direction.
void ray(QPainter& p, QPointF centre, double azimuth, double length, Qt::PenStyle style,
         const QString& label, double sideways = 0) {
    p.setPen(QPen(Qt::black, 1, style));
    arrow(p, centre, centre + direction(azimuth, length));
    p.setPen(QPen(Qt::black, 1));
    const QPointF at = centre + direction(azimuth, sideways == 0 ? length + 9 : length - 4) +
                       direction(azimuth + 90, sideways);
    p.drawText(QRectF(at.x() - 7, at.y() - 7, 14, 14), Qt::AlignCenter, label);
}

void drawSketch(QPainter& p, const QRectF& cell, const board::SheetCase& c) {
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(cell.adjusted(2, 2, -2, -2));
    // The drawing lies mostly on the side of the reference direction: the centre is put high
    // in the northern cells, whose reference (south) points down, low in the southern ones.
    const QPointF centre(cell.center().x(), cell.top() + (c.south ? 122 : 72));
    QFont small = p.font();
    small.setPointSize(7);
    p.setFont(small);
    p.drawText(QRectF(cell.left() + 4, cell.top() + 5, cell.width() - 8, 12), Qt::AlignCenter,
               c.south ? QStringLiteral("latitude < 0 :   d = AZ + az")
                       : QStringLiteral("latitude >= 0 :   d = AZ - az"));
    // West and east at the edges, on the side away from the reference, clear of the sun.
    const double compassY = centre.y() + (c.south ? 42 : -42);
    p.drawText(QRectF(cell.left() + 5, compassY - 6, 12, 12), Qt::AlignCenter, QStringLiteral("W"));
    p.drawText(QRectF(cell.right() - 17, compassY - 6, 12, 12), Qt::AlignCenter,
               QStringLiteral("E"));

    // The dial plate, thick, across its perpendicular p.
    const QPointF along = direction(c.faceAzimuth + 90, 34);
    p.setPen(QPen(Qt::black, 4));
    p.drawLine(centre - along, centre + along);

    // The direction AZ and d are counted from (south or north), dotted; p, dashed, shorter.
    const double reference = c.south ? 180 : 0;
    ray(p, centre, reference, 80, Qt::DotLine,
        c.south ? QStringLiteral("N") : QStringLiteral("S"));
    // Where p runs along the reference its name goes beside it, away from the sun.
    const bool alongReference = std::fabs(board::foldDegrees(c.faceAzimuth - reference)) < 10;
    ray(p, centre, c.faceAzimuth, 56, Qt::DashLine, QStringLiteral("p"),
        alongReference ? (c.az > 0 ? -10 : 10) : 0);

    // The sun's direction, with the sun at its end.
    const QPointF sun = centre + direction(c.sunAzimuth, 64);
    arrow(p, centre, sun);
    p.drawEllipse(sun + direction(c.sunAzimuth, 7), 6, 6);

    // The three angles: d from the reference to p, az from p to the sun, AZ from the reference
    // to the sun.
    const auto rays = {reference, c.faceAzimuth, c.sunAzimuth};
    angleArc(p, centre, 16, reference, c.faceAzimuth, QStringLiteral("d"), rays);
    angleArc(p, centre, 30, c.faceAzimuth, c.sunAzimuth, QStringLiteral("az"), rays);
    angleArc(p, centre, 44, reference, c.sunAzimuth, QStringLiteral("AZ"), rays);

    const QString values = signedDegrees("AZ", c.AZ) + QStringLiteral("    ") +
                           signedDegrees("az", c.az) + QStringLiteral("    ") +
                           signedDegrees("d", c.d);
    p.drawText(QRectF(cell.left() + 4, cell.bottom() - 20, cell.width() - 8, 12),
               Qt::AlignCenter, values);
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
    p.drawText(QPointF(12, 22), QStringLiteral("The angle az and the declination of the dial"));

    QFont text = p.font();
    text.setPointSize(9);
    text.setBold(false);
    p.setFont(text);
    const char* lines[] = {
        "p : the perpendicular to the dial plate, pointing out of the wall.",
        "az : the angle from p to the sun, seen from above. Standing at the wall and looking",
        "       out along p: az > 0 when the sun is on your right, az < 0 when on your left.",
        "Latitude >= 0 (north): AZ, the azimuth of the sun, and d, the declination of the dial,",
        "       from the SOUTH, west positive, east negative; az > 0: sun west of p.   d = AZ - az",
        "Latitude < 0 (south): AZ and d from the NORTH, west positive, east negative;",
        "       az > 0: sun east of p.   d = AZ + az",
        "az = 0 : the declination of the dial is the azimuth of the sun.",
        "Enter d as it is in the main window: in the south it is read from the north too.",
        "Sketches seen from above, north up: plate (thick), p (dashed), S or N (dotted), sun.",
    };
    double y = 42;
    for (const char* line : lines) {
        p.drawText(QPointF(12, y), QString::fromLatin1(line));
        y += 16;
    }

    const std::vector<board::SheetCase> cases = board::sheetCases();
    const double top = 206, cellW = 158, cellH = 196;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const double row = static_cast<double>(k / 4), col = static_cast<double>(k % 4);
        drawSketch(p, QRectF(4 + col * cellW, top + row * cellH, cellW, cellH), cases[k]);
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
