#include "ui/mdi_form1.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "shell/control_table.h"
#include "shell/programme_menu.h"
#include "shell/technical_data.h"
#include "ui/frm_about.h"
#include "ui/frm_declin.h"
#include "ui/frm_ix.h"
#include "ui/frm_options.h"
#include "ui/guarded.h"
#include "ui/input_panel.h"
#include "ui/named.h"
#include "ui/qt_convert.h"

namespace ui {

namespace {

constexpr int kPanelWidth = 290;

}  // namespace

MDIForm1::MDIForm1(shell::InputRecord& inputs, shell::Module1& m, shell::clsOptions& Options,
                   plot::UserServices& services, shell::DriverTable drivers, QWidget* parent)
    : QMainWindow(parent),
      ctx_{inputs, m, Options, services, [this]() -> plot::PlotSurface& {
               return plotWindow().ixPlot1();
           }},
      drivers_(std::move(drivers)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(qs(shell::kMainWindowCaption));
    chooser_ = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(buildLeftPanel());
    mdi_ = named(new QMdiArea(central), "MDIArea");
    mdi_->setBackground(QColor(171, 171, 171));
    // A plot window larger than the area stays reachable: the area scrolls.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    row->addWidget(mdi_, 1);
    setCentralWidget(central);
    mdi_->viewport()->installEventFilter(this);

    buildMenus();

    observer_ = inputs.addObserver([this](const std::string& name) { syncRecordItem(name); });
    syncRecordItem("cmdData");
    for (const auto& [name, action] : programmeItems_) syncRecordItem(name);
}

MDIForm1::~MDIForm1() {
    ctx_.inputs.removeObserver(observer_);
    unloadPlotWindow();
}

QWidget* MDIForm1::buildLeftPanel() {
    auto* Panel3D1 = named(new QWidget(this), "Panel3D1");
    Panel3D1->setFixedWidth(kPanelWidth);
    auto* column = new QVBoxLayout(Panel3D1);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);

    // The two bars above the input panel, from the core's table, and what their buttons run.
    const std::map<std::string_view, void (MDIForm1::*)()> handlers = {
        {"Command1", &MDIForm1::Command1_Click}, {"Command2", &MDIForm1::Command2_Click},
        {"cmdData", &MDIForm1::cmdData_Click}, {"cmdSave", &MDIForm1::cmdSave_Click}};
    std::map<std::string_view, QHBoxLayout*> bars;
    for (const char* barName : {"Picture3", "Picture2"}) {
        auto* bar = named(new QFrame(Panel3D1), barName);
        bar->setFrameShape(QFrame::StyledPanel);
        auto* line = new QHBoxLayout(bar);
        line->setContentsMargins(4, 2, 4, 2);
        bars.emplace(barName, line);
        column->addWidget(bar);
    }
    for (const shell::BarItemInfo& item : shell::barTable()) {
        QHBoxLayout* line = bars.at(item.bar);
        QWidget* parent = line->parentWidget();
        QWidget* w = nullptr;
        if (item.kind == shell::BarItemKind::Label) {
            auto* label = new QLabel(qs(item.caption), parent);
            QFont f = label->font();
            f.setBold(true);
            label->setFont(f);
            line->addWidget(label, 1);
            w = label;
        } else {
            auto* button = new QPushButton(qs(item.caption), parent);
            button->setAutoDefault(true);   // Enter presses the button that has the focus
            if (item.caption.size() == 1) button->setMaximumWidth(32);
            if (auto h = handlers.find(item.name); h != handlers.end())
                connect(button, &QPushButton::clicked, this, h->second);
            line->addWidget(button);
            w = button;
        }
        named(w, item.name);
        if (!item.toolTip.empty()) w->setToolTip(qs(item.toolTip));
        w->setEnabled(item.enabled);
    }
    Command1 = Panel3D1->findChild<QPushButton*>(QStringLiteral("Command1"));
    cmdData = Panel3D1->findChild<QPushButton*>(QStringLiteral("cmdData"));

    column->addWidget(new InputPanel(ctx_.inputs, ctx_.services, Panel3D1), 1);
    return Panel3D1;
}

void MDIForm1::buildMenus() {
    // An item and the handler it runs; an item without one is disabled.
    auto addItem = [this](QMenu* menu, const char* name, const char* caption,
                          void (MDIForm1::*handler)() = nullptr) {
        QAction* a = named(menu->addAction(QString::fromLatin1(caption)), name);
        a->setEnabled(handler != nullptr);
        if (handler) connect(a, &QAction::triggered, this, handler);
    };
    QMenu* mnuFile = named(menuBar()->addMenu(QStringLiteral("File")), "mnuFile");
    addItem(mnuFile, "mnuLoad", "Load...");
    addItem(mnuFile, "MnuSalva", "Save...");
    addItem(mnuFile, "mnuExport", "Export to...");
    mnuFile->addSeparator();
    addItem(mnuFile, "mnuPrinter", "Printer setup", &MDIForm1::mnuPrinter_Click);
    mnuFile->addSeparator();
    addItem(mnuFile, "mnuExit", "Exit", &MDIForm1::mnuExit_Click);

    QMenu* M_Quadranti =
        named(menuBar()->addMenu(qs(shell::kProgrammeMenuCaption)), shell::kProgrammeMenu);
    std::map<std::string_view, QMenu*> submenus;
    for (const auto& [name, caption] :
         {std::pair{shell::kFlatSubmenu, shell::kFlatSubmenuCaption},
          std::pair{shell::kCylindricalSubmenu, shell::kCylindricalSubmenuCaption}})
        submenus.emplace(name, named(M_Quadranti->addMenu(qs(caption)), name));
    for (const shell::ProgrammeMenuItemInfo& item : shell::programmeMenuItems()) {
        QAction* a = named(submenus.at(item.submenu)->addAction(qs(item.caption)), item.name);
        a->setCheckable(true);
        const std::string name(item.name);
        connect(a, &QAction::triggered, this, [this, name] {
            guarded(ctx_.services, [&] { shell::chooseProgramme(ctx_.inputs, name); });
            // The check marks are the record's, also when the current item was chosen again.
            for (const auto& [itemName, action] : programmeItems_) syncRecordItem(itemName);
        });
        programmeItems_.emplace(name, a);
    }

    QMenu* mnuTools = named(menuBar()->addMenu(QStringLiteral("Tools")), "mnuTools");
    addItem(mnuTools, "mnu_Decl", "Utilities board", &MDIForm1::mnu_Decl_Click);
    mnuTools->addSeparator();
    addItem(mnuTools, "mnuOption", "Options...", &MDIForm1::mnuOption_Click);

    QMenu* M_Help = named(menuBar()->addMenu(QStringLiteral("?")), "M_Help");
    addItem(M_Help, "M_About", "About Umbralion 2001", &MDIForm1::M_About_Click);
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
    // A plot window that fills the area goes on filling it when the main window is resized;
    // one the user has moved or sized is left where it is.
    if (watched == mdi_->viewport() && event->type() == QEvent::Resize && plotSub_ &&
        !(plotSub_->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        if (plotSub_->geometry() == QRect(QPoint(0, 0), resize->oldSize()))
            plotSub_->setGeometry(QRect(QPoint(0, 0), resize->size()));
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::syncRecordItem(const std::string& name) {
    if (name == "cmdData") {
        cmdData->setEnabled(ctx_.inputs.enabled(name));
        return;
    }
    auto it = programmeItems_.find(name);
    if (it == programmeItems_.end()) return;
    it->second->setChecked(ctx_.inputs.checked(name));
    it->second->setEnabled(ctx_.inputs.enabled(name));
}

void MDIForm1::loadPlotWindow() {
    auto* window = new frmIX(ctx_, *printer_, chooser_);
    auto* sub = mdi_->addSubWindow(window, Qt::SubWindow | Qt::CustomizeWindowHint |
                                               Qt::WindowTitleHint |
                                               Qt::WindowMinMaxButtonsHint);
    sub->setObjectName(QStringLiteral("frmIXSubWindow"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    plotSub_ = sub;
    plot_ = window;
    // The plot window fills the area it is shown in.
    const QSize area = mdi_->viewport()->size();
    if (area.width() > 200 && area.height() > 200)
        sub->setGeometry(0, 0, area.width(), area.height());
    else
        sub->resize(800, 600);
    sub->show();
}

void MDIForm1::unloadPlotWindow() {
    if (plotSub_) delete plotSub_.data();
    plotSub_ = nullptr;
    plot_ = nullptr;
}

frmIX& MDIForm1::plotWindow() {
    if (!plot_) loadPlotWindow();
    return *plot_;
}

void MDIForm1::setPrinterChooser(PlotWidget::PrinterChooser chooser) {
    chooser_ = std::move(chooser);
}

void MDIForm1::Command1_Click() {
    guarded(ctx_.services, [&] { shell::Command1_Click(ctx_, drivers_); });
}

void MDIForm1::Command2_Click() {
    guarded(ctx_.services, [&] {
        shell::Command2_Click(ctx_, [this] {
            unloadPlotWindow();
            loadPlotWindow();
        });
    });
}

void MDIForm1::cmdData_Click() {
    guarded(ctx_.services, [&] { shell::cmdData_Click(ctx_); });
}

void MDIForm1::cmdSave_Click() {
    guarded(ctx_.services, [&] { shell::cmdSave_Click(ctx_); });
    Command1->setFocus();
}

void MDIForm1::mnuPrinter_Click() {
    // The choice stays with the printer the plot window prints on.
    QPrintDialog(printer_.get(), this).exec();
}

void MDIForm1::mnu_Decl_Click() {
    frmDeclin(ctx_.inputs, this).exec();
}

void MDIForm1::mnuOption_Click() {
    frmOptions(ctx_.Options, ctx_.ixPlot1, ctx_.services, this).exec();
}

void MDIForm1::M_About_Click() {
    frmAbout(ctx_.services, this).exec();
}

void MDIForm1::mnuExit_Click() { QCoreApplication::exit(0); }

}  // namespace ui
