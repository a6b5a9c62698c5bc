#include "ui/printer_device.h"

#include <QPageLayout>
#include <QPrinterInfo>

namespace ui {

// Printed line widths: one unit is a tenth of a millimetre.
QtPrinterDevice::QtPrinterDevice(QPrinter& printer)
    : TwipDevice(printer.resolution(), printer.resolution() / 254.0), printer_(printer) {}

QPainter& QtPrinterDevice::target() {
    if (!painter_.isActive()) {
        if (!painter_.begin(&printer_)) throw plot::PrinterFailure("The printer is not available");
        painter_.setRenderHint(QPainter::Antialiasing, true);
        pages_ = 1;
        pageWanted_ = false;
    } else if (pageWanted_) {
        if (!printer_.newPage()) throw plot::PrinterFailure("The printer cannot start a new page");
        ++pages_;
        pageWanted_ = false;
    }
    return painter_;
}

void QtPrinterDevice::newPage() {
    if (pages_ > 0) pageWanted_ = true;
    TwipDevice::clear();
}

void QtPrinterDevice::endDoc() {
    pageWanted_ = false;
    if (painter_.isActive() && !painter_.end())
        throw plot::PrinterFailure("The document could not be finished");
}

void QtPrinterDevice::abortDoc() {
    pageWanted_ = false;
    if (!painter_.isActive()) return;
    printer_.abort();
    if (painter_.isActive()) painter_.end();
}

std::optional<plot::PageSizeTwips> defaultPrinterPageSize() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    if (area.width() <= 0 || area.height() <= 0) return std::nullopt;
    // 20 twips to the point.
    return plot::PageSizeTwips{area.width() * 20.0, area.height() * 20.0};
}

}  // namespace ui
