#pragma once
// The plot window "Plot": a child of the main window holding the plot surface ixPlot1 with its
// screen image and its face. On load it takes the background from the options, the brand text
// and the plot area chosen at start-up; on every resize the surface fills it and the origin is
// placed again.

#include <QWidget>

#include <memory>

#include "plot/plot_surface.h"
#include "shell/context.h"
#include "ui/plot_widget.h"

namespace ui {

class ImageDevice;

class frmIX : public QWidget {
    Q_OBJECT
public:
    // Prints on the printer through the chooser; both outlive the window.
    frmIX(shell::Context& ctx, QPrinter& printer, const PlotWidget::PrinterChooser& chooser,
          QWidget* parent = nullptr);
    ~frmIX() override;

    plot::PlotSurface& ixPlot1() { return *surface_; }
    ImageDevice& screen() { return *screen_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    shell::Context& ctx_;
    std::unique_ptr<ImageDevice> screen_;
    std::unique_ptr<plot::PlotSurface> surface_;
    PlotWidget* widget_ = nullptr;
};

}  // namespace ui
