#pragma once
// The screen output of the plot surface: a persistent image on which every primitive is
// painted, twips mapped to pixels at the screen's logical resolution. The plot window shows
// it, and "Save" writes it as a BMP file.

#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>
#include <memory>

#include "plot/output_device.h"
#include "ui/twip_painter.h"

namespace ui {

class ImageDevice : public plot::OutputDevice {
public:
    explicit ImageDevice(double dotsPerInch);
    ~ImageDevice() override;

    // Told after anything was painted.
    void setChangedCallback(std::function<void()> changed);

    // Resizes the image to the picture size in twips; what is drawn is kept where the old and
    // the new image overlap, the rest takes the background.
    void resizeTwips(double width, double height);

    // The image as painted so far.
    const QImage& image();
    double pixelsPerTwip() const { return tp_.pixelsPerTwip(); }
    // Writes the image as a BMP file; false when it could not be written.
    bool saveBmp(const QString& fileName);

    void clear() override;
    void setBackColor(plot::Colour colour) override;
    void point(double x, double y, plot::Colour colour) override;
    void line(double x1, double y1, double x2, double y2, plot::Colour colour) override;
    void box(double x1, double y1, double x2, double y2, plot::Colour colour,
             bool filled) override;
    void ellipse(double cx, double cy, double radius, plot::Colour colour, double aspect,
                 double start, double end, plot::Colour fillColour) override;
    void textLine(const std::string& text, plot::Colour colour) override;
    double currentX() const override { return tp_.currentX; }
    double currentY() const override { return tp_.currentY; }
    void setCurrentX(double x) override { tp_.currentX = x; }
    void setCurrentY(double y) override { tp_.currentY = y; }
    void setLineWidth(int width) override { tp_.lineWidth = width; }
    void setDotted(bool dotted) override { tp_.dotted = dotted; }
    double maxCoordinate() const override { return tp_.maxCoordinate(); }

private:
    QPainter& painter();
    void endPainting();
    void changed();

    TwipPainter tp_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    QColor background_ = Qt::black;
    std::function<void()> changed_;
};

}  // namespace ui
