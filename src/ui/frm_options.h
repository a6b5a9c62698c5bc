#pragma once
// The options dialog: plot background (black or white) and colour mode. The background
// reaches the plot surface at once; the colour mode is read at the next drawing.

#include <QDialog>

#include <functional>

#include "plot/plot_surface.h"
#include "plot/user_services.h"
#include "shell/options.h"

class QRadioButton;

namespace ui {

class frmOptions : public QDialog {
    Q_OBJECT
public:
    frmOptions(shell::clsOptions& Options, std::function<plot::PlotSurface&()> ixPlot1,
               plot::UserServices& services, QWidget* parent = nullptr);

    void ApplyOptions();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ApplyBackColor();
    void ApplyMultiColor();

    shell::clsOptions& Options_;
    std::function<plot::PlotSurface&()> ixPlot1_;
    plot::UserServices& services_;
    QRadioButton* optBlack = nullptr;
    QRadioButton* optMulti = nullptr;
};

}  // namespace ui
