// Every widget is named after its control and shows its design-time caption, text, tool tip and
// enabled state; the input column scrolls by its scroll bar's twips.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>
#include <set>

#include <gtest/gtest.h>

#include "shell/control_table.h"
#include "ui/frm_ix.h"
#include "ui/input_panel.h"
#include "ui/mdi_form1.h"
#include "ui_test_support.h"

namespace {

QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

// The one widget of that name under root; fails when there is none or more than one.
QWidget* only(QWidget* root, std::string_view name) {
    const auto found = root->findChildren<QWidget*>(qstr(name));
    EXPECT_EQ(found.size(), 1) << name;
    return found.isEmpty() ? nullptr : found.first();
}

// Enabled as set on the widget itself, whatever its container's state.
bool ownEnabled(const QWidget* w) { return !w->testAttribute(Qt::WA_ForceDisabled); }

TEST(ControlNames, InputPanelAndBarsAreTheCoresTable) {
    uitest::StartedApp app;
    ui::MDIForm1& w = app.window();
    QWidget* Panel3D1 = only(&w, "Panel3D1");
    ASSERT_NE(Panel3D1, nullptr);

    std::set<QString> known = {"Panel3D1", "Picture3", "Picture2", "PicScroll", "VScroll1"};
    for (const shell::ControlInfo& c : shell::controlTable()) {
        known.insert(qstr(c.name));
        QWidget* widget = only(Panel3D1, c.name);
        if (!widget) continue;
        SCOPED_TRACE(std::string(c.name));
        EXPECT_EQ(widget->toolTip(), qstr(c.toolTip));
        EXPECT_EQ(ownEnabled(widget), c.enabled);
        switch (c.kind) {
            case shell::ControlKind::Label:
            case shell::ControlKind::HeadingLabel:
                ASSERT_TRUE(qobject_cast<QLabel*>(widget));
                EXPECT_EQ(static_cast<QLabel*>(widget)->text(), qstr(c.text));
                break;
            case shell::ControlKind::TextBox:
                ASSERT_TRUE(qobject_cast<QLineEdit*>(widget));
                EXPECT_EQ(static_cast<QLineEdit*>(widget)->text(), qstr(c.text));
                break;
            case shell::ControlKind::CheckBox:
                ASSERT_TRUE(qobject_cast<QCheckBox*>(widget));
                EXPECT_EQ(static_cast<QCheckBox*>(widget)->text(), qstr(c.text));
                EXPECT_EQ(static_cast<QCheckBox*>(widget)->checkState(),
                          c.value == 1 ? Qt::Checked : Qt::Unchecked);
                break;
            case shell::ControlKind::OptionButton:
                ASSERT_TRUE(qobject_cast<QRadioButton*>(widget));
                EXPECT_EQ(static_cast<QRadioButton*>(widget)->text(), qstr(c.text));
                EXPECT_EQ(static_cast<QRadioButton*>(widget)->isChecked(), c.value == 1);
                break;
            case shell::ControlKind::Frame:
                EXPECT_TRUE(qobject_cast<QGroupBox*>(widget));
                break;
        }
    }
    for (const shell::BarItemInfo& item : shell::barTable()) {
        known.insert(qstr(item.name));
        QWidget* widget = only(Panel3D1, item.name);
        if (!widget) continue;
        SCOPED_TRACE(std::string(item.name));
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QPushButton*>(widget);
        EXPECT_EQ(label ? label->text() : button ? button->text() : QString(), qstr(item.caption));
        EXPECT_EQ(widget->toolTip(), qstr(item.toolTip));
        EXPECT_EQ(widget->isEnabled(), item.enabled);
        EXPECT_EQ(widget->parentWidget()->objectName(), qstr(item.bar));
    }
    // No other name under the panel: nothing there is named after something it is not.
    for (QObject* o : Panel3D1->findChildren<QObject*>()) {
        const QString name = o->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        EXPECT_TRUE(known.count(name)) << name.toStdString();
    }
}

TEST(ControlNames, MenusCarryTheirCaptions) {
    uitest::StartedApp app;
    ui::MDIForm1& w = app.window();
    const std::pair<const char*, const char*> menus[] = {
        {"mnuFile", "File"}, {"M_Quadranti", "Types of sundials"}, {"O_PIANI", "Flat"},
        {"O_CILINDRICI", "Cylindrical"}, {"mnuTools", "Tools"}, {"M_Help", "?"}};
    for (const auto& [name, caption] : menus) {
        auto* menu = w.findChild<QMenu*>(name);
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(menu->title(), caption);
    }
    const std::pair<const char*, const char*> items[] = {
        {"mnuLoad", "Load..."},         {"MnuSalva", "Save..."},
        {"mnuExport", "Export to..."},  {"mnuPrinter", "Printer setup"},
        {"mnuExit", "Exit"},            {"mnu_Decl", "Utilities board"},
        {"mnuOption", "Options..."},    {"M_About", "About Umbralion 2001"}};
    for (const auto& [name, caption] : items) {
        auto* action = w.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), caption);
    }
    for (const shell::ProgrammeMenuItemInfo& item : shell::programmeMenuItems()) {
        auto* action = w.findChild<QAction*>(qstr(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), qstr(item.caption));   // trailing blanks included
        EXPECT_TRUE(action->isCheckable());
        EXPECT_EQ(w.findChild<QMenu*>(qstr(item.submenu))->actions().contains(action), true);
    }
}

TEST(ControlNames, PlotWindowAndItsPanels) {
    uitest::StartedApp app;
    ui::frmIX& plot = app.window().plotWindow();
    EXPECT_EQ(plot.objectName(), "frmIX");
    EXPECT_EQ(plot.windowTitle(), "Plot");
    EXPECT_EQ(plot.palette().color(QPalette::Window), QColor(128, 128, 128));
    const std::pair<const char*, const char*> captions[] = {
        {"lblScala", "Scale"},        {"lblDim", "HxL (m)"},
        {"Label1", "x,y (mm)"},       {"cmdDim", "..."},
        {"cmdStampa", "Print"},       {"cmdAssi", "Axes"},
        {"CmdGriglia", "Grid"},       {"cmdPulisci", "Clear"},
        {"cmdSave", "Save"},          {"lblDimensioni", " Dimensions (metres)"},
        {"lblQH", "H Altezza"},       {"lblQL", "L Larghezza "},
        {"cmdQAggiorna", "Update"},   {"cmdQAnnulla", "Hide"},
        {"lblAssi", " Shift Axes (metres)"}, {"lblX", "Axis X"},
        {"LblY", "Axis Y"},           {"cmdAssiAgg", "Update"},
        {"cmdAssiChiudi", "Hide"},    {"Label4", " Print options"},
        {"optAll", "Whole Area"},     {"optSelected", "Selected areas"},
        {"cmdPOk", "Print"},          {"cmdPCancel", "Hide"}};
    for (const auto& [name, caption] : captions) {
        QWidget* widget = only(&plot, name);
        if (!widget) continue;
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        EXPECT_EQ(label ? label->text() : button ? button->text() : QString(), caption) << name;
    }
    for (const char* name : {"ixPlot1", "picHead", "cmbScala", "lblDimVal", "lblXYval",
                             "picPlot", "p_mess", "VScroll1", "HScroll1", "picDimensioni",
                             "txtQH", "txtQL", "PicAssi", "txtX", "txtY", "picPrint"})
        only(&plot, name);
    EXPECT_EQ(only(&plot, "cmdSave")->toolTip(), "Save as BMP file (image.bmp)");
    EXPECT_EQ(only(&plot, "p_mess")->parentWidget()->objectName(), "picPlot");
    EXPECT_TRUE(plot.findChild<QRadioButton*>("optSelected")->isChecked());
    for (const char* panel : {"picDimensioni", "PicAssi", "picPrint"})
        EXPECT_FALSE(only(&plot, panel)->isVisible()) << panel;
}

TEST(InputColumn, ScrollBarMovesTheColumnByItsTwips) {
    uitest::StartedApp app;
    ui::MDIForm1& w = app.window();
    auto* panel = w.findChild<ui::InputPanel*>();
    auto* VScroll1 = panel->findChild<QScrollBar*>("VScroll1");
    QWidget* PicScroll = w.findChild<QWidget*>("PicScroll");
    EXPECT_EQ(VScroll1->minimum(), 0);
    EXPECT_EQ(VScroll1->maximum(), 6375);
    EXPECT_EQ(VScroll1->singleStep(), 10);
    EXPECT_EQ(VScroll1->pageStep(), 500);
    EXPECT_EQ(panel->picScrollTop(), 690);
    EXPECT_EQ(PicScroll->y(), 0);

    VScroll1->setValue(6375);
    EXPECT_EQ(panel->picScrollTop(), -5685);
    EXPECT_EQ(PicScroll->y(), std::lround(-6375 * panel->pixelsPerTwip()));
    EXPECT_LT(PicScroll->y(), -PicScroll->sizeHint().height() / 2);

    // A box reached with the keyboard comes back into view.
    auto* txtLAT = w.findChild<QLineEdit*>("txtLAT");
    w.activateWindow();
    txtLAT->setFocus();
    uitest::settle();
    ASSERT_TRUE(txtLAT->hasFocus());
    EXPECT_GE(txtLAT->mapTo(panel, QPoint(0, 0)).y(), 0);
    EXPECT_LT(VScroll1->value(), 6375);

    VScroll1->setValue(0);
    EXPECT_EQ(panel->picScrollTop(), 690);
    EXPECT_EQ(PicScroll->y(), 0);
}

}  // namespace
