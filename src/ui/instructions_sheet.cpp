#include "ui/instructions_sheet.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>
#include <vector>

#include "board/az_sheet.h"
#include "board/number_text.h"
#include "geometry/stored_pi.h"

namespace ui {

namespace {

// The sketches turn their azimuths with the pi the board computes them with.
using geometry::kStoredPi;

// A direction on the sketch (north up, west left) for an azimuth from the south, west positive.
QPointF direction(double azimuthDeg, double length) {
    const double a = azimuthDeg * kStoredPi / 180;
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

// The lengths on a sketch, in pixels: the rays from the centre, half the plate, and the radii of
// the three angles' arcs (d, az, AZ from the inside out).
constexpr double kReferenceRay = 80, kFaceRay = 56, kSunRay = 64, kHalfPlate = 34;
constexpr double kArcD = 16, kArcAz = 30, kArcAZ = 44;
// What a name adds beyond the end of its ray (gap and half a label), the sun beyond its ray,
// and an angle's name beyond its arc.
constexpr double kRayLabel = 16, kSunDisc = 13, kArcLabel = 13;

// An angle of a sketch as an arc: where it starts (an azimuth from the south, west positive),
// its signed span in that sense, its radius and its name.
struct Arc {
    double from, span, radius;
    const char* name;
};

// The three angles of a case: d from the reference to p, az from p to the sun, AZ from the
// reference to the sun. Each goes round the side its sign says, a half turn included; in the
// south AZ and d are counted from the north, in the other sense.
std::vector<Arc> arcsOf(const board::SheetCase& c, double reference) {
    const double sense = c.south ? -1 : 1;
    return {{reference, sense * c.d, kArcD, "d"},
            {c.faceAzimuth, c.az, kArcAz, "az"},
            {reference, sense * c.AZ, kArcAZ, "AZ"}};
}

// An angle's arc, with its name just outside it: at the middle of the arc, or moved along it
// as little as keeps the name off the given directions (the sketch's rays, the plate). A zero
// angle has no arc.
void angleArc(QPainter& p, QPointF centre, const Arc& arc, const std::vector<double>& rays) {
    if (std::fabs(arc.span) < 1) return;
    const double radius = arc.radius;
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(box, qRound(screenAngle(arc.from) * 16), qRound(-arc.span * 16));

    // Where the name may go: along the arc, or a little past either end of it.
    const double clearance = 900 / (radius + 7);  // degrees that keep about 15 px off a ray
    auto clear = [&](double az) {
        for (double r : rays)
            if (std::fabs(board::foldDegrees(az - r)) < clearance) return false;
        return true;
    };
    const double middle = arc.from + arc.span / 2;
    const double reach = std::fabs(arc.span) / 2 + clearance;
    const double at = [&] {
        for (double shift = 0; shift <= reach; shift += 2)
            for (const double azimuth : {middle + shift, middle - shift})
                if (clear(azimuth)) return azimuth;
        return middle;
    }();
    const QPointF where = centre + direction(at, radius + 7);
    p.drawText(QRectF(where.x() - 10, where.y() - 6, 20, 12), Qt::AlignCenter,
               QString::fromLatin1(arc.name));
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

// How far a sketch reaches above and below its centre, labels included.
struct Reach {
    double up = 0, down = 0;
    void take(double azimuth, double length) {
        const double y = direction(azimuth, length).y();
        up = std::max(up, -y);
        down = std::max(down, y);
    }
};

Reach reachOf(const board::SheetCase& c, double reference) {
    Reach r;
    r.take(reference, kReferenceRay + kRayLabel);
    r.take(c.faceAzimuth, kFaceRay + kRayLabel);
    r.take(c.sunAzimuth, kSunRay + kSunDisc);
    r.take(c.faceAzimuth + 90, kHalfPlate + 2);
    r.take(c.faceAzimuth - 90, kHalfPlate + 2);
    for (const Arc& arc : arcsOf(c, reference))
        for (int k = 0; k <= 36; ++k) r.take(arc.from + arc.span * k / 36, arc.radius + kArcLabel);
    return r;
}

double distanceToSegment(QPointF q, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double t =
        std::clamp(QPointF::dotProduct(q - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    const QPointF gap = q - (a + t * ab);
    return std::hypot(gap.x(), gap.y());
}

// The height, from the centre, of the W and E at the cell's edges: on the side away from the
// reference where the sun, p and the plate leave room there, else level with the centre, else
// on the reference's side; within the band the sketch may use.
double compassHeight(const board::SheetCase& c, QPointF centre, double halfWidth, double bandTop,
                     double bandBottom) {
    const double away = c.south ? 1 : -1;
    const QPointF plate = direction(c.faceAzimuth + 90, kHalfPlate);
    const std::pair<QPointF, QPointF> marks[] = {
        {centre, centre + direction(c.sunAzimuth, kSunRay + kSunDisc)},
        {centre, centre + direction(c.faceAzimuth, kFaceRay + kRayLabel)},
        {centre - plate, centre + plate},
    };
    for (double dy : {away * 42, 0.0, -away * 42, away * 60, -away * 60}) {
        const double y = centre.y() + dy;
        if (y - 6 < bandTop || y + 6 > bandBottom) continue;
        bool clear = true;
        for (double x : {centre.x() - halfWidth, centre.x() + halfWidth})
            for (const auto& [from, to] : marks)
                if (distanceToSegment(QPointF(x, y), from, to) < 22) clear = false;
        if (clear) return dy;
    }
    return away * 42;
}

void drawSketch(QPainter& p, const QRectF& cell, const board::SheetCase& c) {
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(cell.adjusted(2, 2, -2, -2));
    QFont small = p.font();
    small.setPointSize(7);
    p.setFont(small);
    p.drawText(QRectF(cell.left() + 4, cell.top() + 5, cell.width() - 8, 12), Qt::AlignCenter,
               c.south ? QStringLiteral("latitude < 0 :   d = AZ + az")
                       : QStringLiteral("latitude >= 0 :   d = AZ - az"));

    // The drawing is centred in the band between the heading and the figures: a plate facing
    // the equator reaches mostly towards the reference (south or north), one facing the pole
    // both ways.
    const double reference = c.south ? 180 : 0;
    const double bandTop = cell.top() + 20, bandBottom = cell.bottom() - 24;
    const Reach reach = reachOf(c, reference);
    const double spare = bandBottom - bandTop - reach.up - reach.down;
    const QPointF centre(cell.center().x(), bandTop + reach.up + spare / 2);

    // West and east at the edges, clear of the sun, p and the plate.
    const double halfWidth = cell.width() / 2 - 11;
    const double compassY = centre.y() + compassHeight(c, centre, halfWidth, bandTop, bandBottom);
    for (const auto& [side, name] : {std::pair{-1.0, "W"}, std::pair{1.0, "E"}})
        p.drawText(QRectF(centre.x() + side * halfWidth - 6, compassY - 6, 12, 12),
                   Qt::AlignCenter, QString::fromLatin1(name));

    // The dial plate, thick, across its perpendicular p.
    const QPointF along = direction(c.faceAzimuth + 90, kHalfPlate);
    p.setPen(QPen(Qt::black, 4));
    p.drawLine(centre - along, centre + along);

    // The direction AZ and d are counted from (south or north), dotted; p, dashed, shorter.
    ray(p, centre, reference, kReferenceRay, Qt::DotLine,
        c.south ? QStringLiteral("N") : QStringLiteral("S"));
    // Where p runs along the reference its name goes beside it, away from the sun.
    const bool alongReference = std::fabs(board::foldDegrees(c.faceAzimuth - reference)) < 10;
    ray(p, centre, c.faceAzimuth, kFaceRay, Qt::DashLine, QStringLiteral("p"),
        alongReference ? (c.az > 0 ? -10 : 10) : 0);

    // The sun's direction, with the sun at its end.
    const QPointF sun = centre + direction(c.sunAzimuth, kSunRay);
    arrow(p, centre, sun);
    p.drawEllipse(sun + direction(c.sunAzimuth, 7), 6, 6);

    // The three angles; the names of the two inner ones keep off the plate too.
    const std::vector<double> rays = {reference, c.faceAzimuth, c.sunAzimuth};
    std::vector<double> raysAndPlate = rays;
    raysAndPlate.insert(raysAndPlate.end(), {c.faceAzimuth + 90, c.faceAzimuth - 90});
    for (const Arc& arc : arcsOf(c, reference))
        angleArc(p, centre, arc, arc.radius < kHalfPlate ? raysAndPlate : rays);

    const QString values = signedDegrees("AZ", c.AZ) + QStringLiteral("   ") +
                           signedDegrees("az", c.az) + QStringLiteral("   ") +
                           signedDegrees("d", c.d);
    p.drawText(QRectF(cell.left() + 4, cell.bottom() - 20, cell.width() - 8, 12),
               Qt::AlignCenter, values);
}

// The sheet's text, above the sketches.
constexpr const char* kSheetLines[] = {
    "p : the perpendicular to the dial plate, pointing out of the wall.",
    "az : the angle from p to the sun, seen from above. Stand at the wall and look out along p:",
    "       az > 0 when the sun is on your right, az < 0 when it is on your left.",
    "       This holds for every wall, facing the equator or the pole, in both hemispheres.",
    "Latitude >= 0 (north): AZ, the azimuth of the sun, and d, the declination of the dial,",
    "       from the SOUTH, west positive, east negative.   d = AZ - az",
    "Latitude < 0 (south): AZ and d from the NORTH, west positive, east negative.   d = AZ + az",
    "az = 0 : the declination of the dial is the azimuth of the sun.",
    "Enter d as it is in the main window: in the south it is read from the north too.",
    "Sketches seen from above, north up: plate (thick), p (dashed), S or N (dotted), sun.",
};

constexpr int kSheetWidth = 640;
constexpr double kTextTop = 42, kLineHeight = 16;
constexpr double kCellWidth = 158, kCellHeight = 216;
constexpr int kCellsPerRow = 4;

}  // namespace

QPixmap instructionsSheet() {
    const std::vector<board::SheetCase> cases = board::sheetCases();
    const double top = kTextTop + std::size(kSheetLines) * kLineHeight + 4;
    const std::size_t rows = (cases.size() + kCellsPerRow - 1) / kCellsPerRow;
    QPixmap sheet(kSheetWidth, static_cast<int>(std::ceil(top + rows * kCellHeight + 4)));
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
    double y = kTextTop;
    for (const char* line : kSheetLines) {
        p.drawText(QPointF(12, y), QString::fromLatin1(line));
        y += kLineHeight;
    }

    for (std::size_t k = 0; k < cases.size(); ++k) {
        const double row = static_cast<double>(k / kCellsPerRow);
        const double col = static_cast<double>(k % kCellsPerRow);
        const QRectF cell(4 + col * kCellWidth, top + row * kCellHeight, kCellWidth, kCellHeight);
        drawSketch(p, cell, cases[k]);
    }
    return sheet;
}

}  // namespace ui
