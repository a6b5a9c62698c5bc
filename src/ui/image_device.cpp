#include "ui/image_device.h"

#include <algorithm>
#include <cmath>

#include "ui/qt_convert.h"

namespace ui {

namespace {

// Largest side of the picture image in pixels; the plot surface keeps its picture within
// 32,000 twips, a little over 2,000 pixels at the usual screen resolutions.
constexpr int kMaxSide = 16384;

int sideInPixels(double twips, double pixelsPerTwip, int previous) {
    if (!std::isfinite(twips) || twips < 0) return previous;
    const double px = std::ceil(twips * pixelsPerTwip);
    return static_cast<int>(std::clamp(px, 1.0, static_cast<double>(kMaxSide)));
}

}  // namespace

ImageDevice::ImageDevice(double dotsPerInch) : TwipDevice(dotsPerInch, 1.0) {
    image_ = QImage(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch_ / 0.0254));
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    image_.fill(background_);
}

void ImageDevice::setChangedCallback(std::function<void()> changed) {
    changed_ = std::move(changed);
}

void ImageDevice::setBackColor(plot::Colour colour) { background_ = toQColor(colour); }

QPainter& ImageDevice::target() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    return *painter_;
}

void ImageDevice::changed() {
    if (changed_) changed_();
}

void ImageDevice::resizeTwips(double width, double height) {
    const double k = pixelsPerTwip();
    const int w = sideInPixels(width, k, image_.width());
    const int h = sideInPixels(height, k, image_.height());
    if (w == image_.width() && h == image_.height()) return;
    painter_.reset();
    QImage next(w, h, QImage::Format_RGB32);
    next.setDotsPerMeterX(image_.dotsPerMeterX());
    next.setDotsPerMeterY(image_.dotsPerMeterY());
    next.fill(background_);
    {
        QPainter p(&next);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
    changed();
}

const QImage& ImageDevice::image() {
    painter_.reset();
    return image_;
}

bool ImageDevice::saveBmp(const QString& fileName) {
    return image().save(fileName, "BMP");
}

void ImageDevice::clear() {
    painter_.reset();
    image_.fill(background_);
    TwipDevice::clear();
    changed();
}

}  // namespace ui
