#include "ui/twip_device.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <cmath>

#include "geometry/stored_pi.h"
#include "ui/qt_convert.h"

namespace ui {

namespace {

// The Pi the programmes compute their arc ends with, so that an end they give as 2 * Pi
// converts to exactly a full turn.
using geometry::kStoredPi;

double toDegrees(double radians) { return radians * 180.0 / kStoredPi; }

}  // namespace

template <class Base>
TwipDevice<Base>::TwipDevice(double dotsPerInch, double penUnit)
    : dotsPerInch_(dotsPerInch > 0 && std::isfinite(dotsPerInch) ? dotsPerInch : 96.0),
      penUnit_(penUnit > 0 && std::isfinite(penUnit) ? penUnit : 1.0) {
    font_.setPointSizeF(8.0);
}

template <class Base>
bool TwipDevice<Base>::usable(double v) const {
    return std::isfinite(v) && std::fabs(v) <= maxCoordinate();
}

template <class Base>
QPen TwipDevice<Base>::pen(plot::Colour colour) const {
    QPen p(toQColor(colour));
    p.setWidthF(std::max(1, lineWidth_) * penUnit_);
    p.setStyle(dotted_ ? Qt::DotLine : Qt::SolidLine);
    p.setCapStyle(Qt::SquareCap);
    return p;
}

template <class Base>
void TwipDevice<Base>::point(double x, double y, plot::Colour colour) {
    QPainter& p = target();
    if (!usable(x) || !usable(y)) return;
    QPen pn = pen(colour);
    pn.setStyle(Qt::SolidLine);
    p.setPen(pn);
    p.drawPoint(QPointF(x * pixelsPerTwip(), y * pixelsPerTwip()));
    painted();
}

template <class Base>
void TwipDevice<Base>::line(double x1, double y1, double x2, double y2, plot::Colour colour) {
    QPainter& p = target();
    if (!usable(x1) || !usable(y1) || !usable(x2) || !usable(y2)) return;
    const double k = pixelsPerTwip();
    p.setPen(pen(colour));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k));
    painted();
}

template <class Base>
void TwipDevice<Base>::ellipse(double cx, double cy, double radius, plot::Colour colour,
                               double aspect, double start, double end,
                               plot::Colour fillColour) {
    QPainter& p = target();
    if (!usable(cx) || !usable(cy) || !usable(radius) || radius < 0) return;
    if (!std::isfinite(aspect) || aspect <= 0 || !std::isfinite(start) || !std::isfinite(end))
        return;
    const double k = pixelsPerTwip();
    // The radius runs along the longer axis; the aspect is height / width.
    const double r = radius * k;
    const double rx = aspect < 1 ? r : r / aspect;
    const double ry = aspect < 1 ? r * aspect : r;
    const QPointF centre(cx * k, cy * k);
    const QRectF rect(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);

    p.setPen(pen(colour));
    const QBrush fill = fillColour >= 0 ? QBrush(toQColor(fillColour)) : QBrush(Qt::NoBrush);

    if (start == 0 && end == 0) {
        p.setBrush(fill);
        p.drawEllipse(rect);
        p.setBrush(Qt::NoBrush);
        painted();
        return;
    }
    // An arc counter-clockwise from start to end; a negative end also draws the radius to
    // that end, and with both ends negative the figure is a closed (fillable) sector.
    const double s = std::fabs(start);
    double sweep = std::fabs(end) - s;
    if (sweep <= 0) sweep += 2 * kStoredPi;
    QPainterPath path;
    if (start < 0) {
        path.moveTo(centre);
        QPainterPath probe;
        probe.arcMoveTo(rect, toDegrees(s));
        path.lineTo(probe.currentPosition());
    } else {
        path.arcMoveTo(rect, toDegrees(s));
    }
    path.arcTo(rect, toDegrees(s), toDegrees(sweep));
    if (end < 0) path.lineTo(centre);
    const bool closed = start < 0 && end < 0;
    if (closed) path.closeSubpath();
    p.setBrush(closed ? fill : QBrush(Qt::NoBrush));
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
    painted();
}

template <class Base>
void TwipDevice<Base>::textLine(const std::string& text, plot::Colour colour) {
    QPainter& p = target();
    const double k = pixelsPerTwip();
    p.setFont(font_);
    const QFontMetricsF metrics(font_, p.device());
    if (usable(currentX_) && usable(currentY_)) {
        p.setPen(toQColor(colour));
        p.drawText(QPointF(currentX_ * k, currentY_ * k + metrics.ascent()), qs(text));
    }
    currentX_ = 0;
    currentY_ += metrics.lineSpacing() / k;
    painted();
}

template class TwipDevice<plot::OutputDevice>;
template class TwipDevice<plot::PrinterDevice>;

}  // namespace ui
