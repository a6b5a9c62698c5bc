#pragma once
// The printer output of the plot surface: primitives in twips painted on a QPrinter at its
// own resolution, so that a tile printed at 1:1 has its true size on paper. Pages are started
// lazily: a page asked for and never drawn on is not printed, and nothing is sent to the
// printer until something is drawn.

#include <QPainter>
#include <QPrinter>

#include <optional>

#include "plot/output_device.h"
#include "ui/twip_painter.h"

namespace ui {

class QtPrinterDevice : public plot::PrinterDevice {
public:
    // The printer must outlive the device.
    explicit QtPrinterDevice(QPrinter& printer);
    ~QtPrinterDevice() override;

    void newPage() override;
    int pageCount() const override { return pages_; }
    void endDoc() override;
    void abortDoc() override;

    void clear() override;
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
    // The painter on the page in progress; throws plot::PrinterFailure when the printer
    // cannot be started or cannot start a new page.
    QPainter& page();

    QPrinter& printer_;
    QPainter painter_;
    TwipPainter tp_;
    int pages_ = 0;
    bool pageWanted_ = false;
};

// The printable area of the system's default printer in twips, or nothing when there is no
// printer (the plot surface then assumes an A4 portrait page).
std::optional<plot::PageSizeTwips> defaultPrinterPageSize();

// Prepares a printer for output into a PDF file: A4 portrait, the page's corner as origin,
// so that one A4 tile fits the sheet.
void setUpPdfPrinter(QPrinter& printer, const QString& fileName);

}  // namespace ui
