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
#include "ui/twip_device.h"

namespace ui {

class ImageDevice : public TwipDevice<plot::OutputDevice> {
public:
    explicit ImageDevice(double dotsPerInch);

    // Told after anything was painted.
    void setChangedCallback(std::function<void()> changed);

    // Resizes the image to the picture size in twips; what is drawn is kept where the old and
    // the new image overlap, the rest takes the background.
    void resizeTwips(double width, double height);

    // The image as painted so far.
    const QImage& image();
    // Writes the image as a BMP file; false when it could not be written.
    bool saveBmp(const QString& fileName);

    void clear() override;
    void setBackColor(plot::Colour colour) override;

protected:
    // The painter on the image, started when first needed.
    QPainter& target() override;
    void painted() override { changed(); }

private:
    void changed();

    QImage image_;
    // The painter on the image while one is drawing; ended before the image is read, resized
    // or cleared.
    std::unique_ptr<QPainter> painter_;
    QColor background_ = Qt::black;
    std::function<void()> changed_;
};

}  // namespace ui
