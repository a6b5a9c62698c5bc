#include "ui/frm_ix.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/app_info.h"
#include "ui/guarded.h"
#include "ui/image_device.h"
#include "ui/printer_device.h"
#include "ui/qt_convert.h"

namespace ui {

frmIX::frmIX(shell::Context& ctx, QPrinter& printer, const PlotWidget::PrinterChooser& chooser,
             QWidget* parent)
    : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmIX"));
    setWindowTitle(QStringLiteral("Plot"));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(grey);
    setAutoFillBackground(true);

    // The picture maps its twips to pixels at the screen's logical resolution.
    const QScreen* screen = QGuiApplication::primaryScreen();
    screen_ = std::make_unique<ImageDevice>(screen ? screen->logicalDotsPerInch() : 96.0);
    surface_ = std::make_unique<plot::PlotSurface>(*screen_, ctx_.services,
                                                   defaultPrinterPageSize());
    widget_ = new PlotWidget(*surface_, *screen_, ctx_.services, printer, chooser, this);
    surface_->setViewObserver([w = widget_] { w->syncView(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget_);

    // Load: the background of the options, the brand text, and the area start-up chose when
    // the window is created again.
    guarded(ctx_.services, [&] {
        surface_->setBackColor(ctx_.Options.IXBackColor);
        surface_->setMarchio(ss(brandText()));
        if (ctx_.m.SavedQuadranteH + ctx_.m.SavedQuadranteL > 0) {
            surface_->setQuadranteH(ctx_.m.SavedQuadranteH);
            surface_->setQuadranteL(ctx_.m.SavedQuadranteL);
        }
    });
    widget_->syncView();
    resize(760, 560);
}

frmIX::~frmIX() {
    // The face goes before the surface and the image it shows.
    surface_->setViewObserver({});
    delete widget_;
    widget_ = nullptr;
}

void frmIX::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    guarded(ctx_.services, [&] { surface_->hostResized(); });
}

}  // namespace ui
