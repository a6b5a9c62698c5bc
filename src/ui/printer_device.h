#pragma once
// The printer output of the plot surface: primitives in twips painted on a QPrinter at its
// own resolution, so that a tile printed at 1:1 has its true size on paper. Pages are started
// lazily: a page asked for and never drawn on is not printed, and nothing is sent to the
// printer until something is drawn.

#include <QPainter>
#include <QPrinter>

#include <optional>

#include "plot/output_device.h"
#include "ui/twip_device.h"

namespace ui {

class QtPrinterDevice : public TwipDevice<plot::PrinterDevice> {
public:
    // The printer must outlive the device.
    explicit QtPrinterDevice(QPrinter& printer);

    void newPage() override;
    int pageCount() const override { return pages_; }
    void endDoc() override;
    void abortDoc() override;

protected:
    // The painter on the page in progress; throws plot::PrinterFailure when the printer
    // cannot be started or cannot start a new page.
    QPainter& target() override;

private:
    QPrinter& printer_;
    QPainter painter_;
    int pages_ = 0;
    bool pageWanted_ = false;
};

// The printable area of the system's default printer in twips, or nothing when there is no
// printer (the plot surface then assumes an A4 portrait page).
std::optional<plot::PageSizeTwips> defaultPrinterPageSize();

}  // namespace ui
