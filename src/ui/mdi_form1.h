#pragma once
// The main window: the input panel on the left, the plot window in the multiple-document area,
// the buttons Run, Reset, "Data" and "!", and the menus File, "Types of sundials", Tools and
// "?". The window only forwards its events to the core and shows the input record.

#include <QMainWindow>
#include <QPointer>

#include <map>
#include <memory>
#include <string>

#include "shell/context.h"
#include "shell/run_dispatch.h"
#include "ui/plot_widget.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QPushButton;

namespace ui {

class frmIX;

class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    MDIForm1(shell::InputRecord& inputs, shell::Module1& m, shell::clsOptions& Options,
             plot::UserServices& services, shell::DriverTable drivers,
             QWidget* parent = nullptr);
    ~MDIForm1() override;

    shell::Context& context() { return ctx_; }

    // Loads the plot window and shows it (start-up and Reset).
    void loadPlotWindow();
    // The plot window, loaded on first reference.
    frmIX& plotWindow();

    // How a print job gets its printer: the print dialog, unless replaced, as the offscreen
    // tests do to print to a file with no modal dialog; the plot window prints through it.
    void setPrinterChooser(PlotWidget::PrinterChooser chooser);

    // Handlers of the buttons and menus.
    void Command1_Click();
    void Command2_Click();
    void cmdData_Click();
    void cmdSave_Click();
    void mnuPrinter_Click();
    void mnu_Decl_Click();
    void mnuOption_Click();
    void M_About_Click();
    void mnuExit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildLeftPanel();
    void buildMenus();
    void syncRecordItem(const std::string& name);
    void unloadPlotWindow();

    shell::Context ctx_;
    shell::DriverTable drivers_;
    std::unique_ptr<QPrinter> printer_;
    PlotWidget::PrinterChooser chooser_;

    QMdiArea* mdi_ = nullptr;
    QPointer<QMdiSubWindow> plotSub_;
    QPointer<frmIX> plot_;
    QPushButton* Command1 = nullptr;
    QPushButton* cmdData = nullptr;
    std::map<std::string, QAction*, std::less<>> programmeItems_;
    int observer_ = -1;
};

}  // namespace ui
