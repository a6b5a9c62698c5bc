#pragma once
// The drawing shared by the screen picture and the printer: primitives given in twips are
// painted with a QPainter on a device of a known resolution. Nothing that is not a finite
// number, and nothing beyond the device's coordinate limit, reaches the painter.

#include <QFont>
#include <QPainter>

#include <string>

#include "numeric/palette.h"

namespace ui {

class TwipPainter {
public:
    // dotsPerInch: the device's resolution; penUnit: device pixels per unit of line width.
    TwipPainter(double dotsPerInch, double penUnit);

    double pixelsPerTwip() const { return dotsPerInch_ / 1440.0; }
    double dotsPerInch() const { return dotsPerInch_; }
    // The largest coordinate in twips handed to the painter (a million device pixels).
    double maxCoordinate() const { return 1.0e6 / pixelsPerTwip(); }

    void point(QPainter& p, double x, double y, numeric::Colour colour) const;
    void line(QPainter& p, double x1, double y1, double x2, double y2,
              numeric::Colour colour) const;
    void ellipse(QPainter& p, double cx, double cy, double radius, numeric::Colour colour,
                 double aspect, double start, double end, numeric::Colour fillColour) const;
    // Writes the text with its top at the current position, then moves the position to the
    // left edge, one text line lower.
    void textLine(QPainter& p, const std::string& text, numeric::Colour colour);

    double currentX = 0;   // twips
    double currentY = 0;
    int lineWidth = 1;
    bool dotted = false;
    QFont font;

private:
    bool usable(double v) const;
    QPen pen(numeric::Colour colour) const;

    double dotsPerInch_;
    double penUnit_;
};

}  // namespace ui
