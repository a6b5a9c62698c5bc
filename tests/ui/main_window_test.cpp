// The main window: programme menu, key filter, Run, Reset, the save button, contained failures.

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "numeric/failure.h"
#include "plot/user_services.h"
#include "ui/frm_declin.h"
#include "ui/frm_ix.h"
#include "ui/mdi_form1.h"
#include "ui_test_support.h"

namespace {

using uitest::StartedApp;

template <typename T = QWidget>
T* child(ui::MDIForm1& w, const char* name) {
    T* found = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void click(ui::MDIForm1& w, const char* button) {
    QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton);
}

// A dial that titles the plot and draws one line.
shell::DriverTable oneLineDial() {
    shell::DriverTable t;
    t.RunVerticalSpherical = [](shell::Context& ctx) {
        plot::BusyCursor busy(ctx.services);
        ctx.ixPlot1().Messaggio("Test dial");
        ctx.ixPlot1().xLine(0, 0, 0.1, 0.1, numeric::rgb(255, 255, 255));
    };
    return t;
}

TEST(MainWindow, ProgrammeMenuChecksOneItemAndEnablesItsInputs) {
    StartedApp app;
    ui::MDIForm1& w = app.window();

    child<QAction>(w, "M_Parabolico")->trigger();
    EXPECT_TRUE(child<QAction>(w, "M_Parabolico")->isChecked());
    EXPECT_FALSE(child<QAction>(w, "mnuVertSph")->isChecked());
    EXPECT_TRUE(child(w, "txtRadius")->isEnabled());
    EXPECT_TRUE(child(w, "Option3D1")->isEnabled());
    EXPECT_FALSE(child(w, "txtlineofdeclination")->isEnabled());
    EXPECT_EQ(child<QLabel>(w, "lblradius")->text(), "Radius of curvature");
    EXPECT_EQ(child<QLabel>(w, "lblLatitudine")->text(), "Latitude");

    // Choosing the current item again keeps its check mark.
    child<QAction>(w, "M_Parabolico")->trigger();
    EXPECT_TRUE(child<QAction>(w, "M_Parabolico")->isChecked());

    child<QAction>(w, "M_Proiettivo")->trigger();
    EXPECT_FALSE(child(w, "TxtFuso")->isEnabled());
    EXPECT_FALSE(child(w, "ck_Lemniscate")->isEnabled());
    EXPECT_FALSE(child<QAction>(w, "M_Parabolico")->isChecked());

    child<QAction>(w, "M_Inclinati")->trigger();
    EXPECT_TRUE(child(w, "Frame2")->isEnabled());
    EXPECT_TRUE(child(w, "txtReclinZ")->isEnabled());
    EXPECT_TRUE(w.context().inputs.checked("M_Inclinati"));

    // The variable of the flat 3D programme: the record follows the option buttons, with a beep.
    QTest::mouseClick(child(w, "option3D5"), Qt::LeftButton);
    EXPECT_TRUE(w.context().inputs.selected("option3D5"));
    EXPECT_FALSE(w.context().inputs.selected("option3D4"));
    EXPECT_FALSE(child<QRadioButton>(w, "option3D4")->isChecked());
    EXPECT_EQ(app.services.beeps, 1);
}

TEST(MainWindow, NumericBoxesTurnACommaIntoAPeriodAndRefuseLetters) {
    StartedApp app;
    ui::MDIForm1& w = app.window();
    auto* txtStilo = child<QLineEdit>(w, "txtStilo");
    txtStilo->clear();
    QTest::keyClicks(txtStilo, "4,5");
    EXPECT_EQ(txtStilo->text(), "4.5");
    EXPECT_EQ(w.context().inputs.text("txtStilo"), "4.5");
    EXPECT_EQ(app.services.beeps, 0);

    QTest::keyClicks(txtStilo, "x");
    EXPECT_EQ(txtStilo->text(), "4.5");
    EXPECT_EQ(app.services.beeps, 1);
    QTest::keyClick(txtStilo, Qt::Key_Backspace);
    EXPECT_EQ(txtStilo->text(), "4.");

    // The zone box is not filtered.
    auto* TxtFuso = child<QLineEdit>(w, "TxtFuso");
    TxtFuso->clear();
    QTest::keyClicks(TxtFuso, "+1a");
    EXPECT_EQ(TxtFuso->text(), "+1a");
    EXPECT_EQ(app.services.beeps, 1);

    // A check box and an option button write the record.
    QTest::mouseClick(child(w, "ck_orizzonte"), Qt::LeftButton);
    EXPECT_EQ(w.context().inputs.value("ck_orizzonte"), 1);
}

TEST(MainWindow, RunDrawsAndResetEmptiesTheDrawing) {
    StartedApp app(oneLineDial());
    ui::MDIForm1& w = app.window();
    ui::frmIX* before = &w.plotWindow();
    const double areaH = before->ixPlot1().QuadranteH();

    click(w, "Command1");
    EXPECT_TRUE(child(w, "cmdData")->isEnabled());
    EXPECT_EQ(before->ixPlot1().displayList().lines.size(), 1u);
    EXPECT_EQ(w.findChild<QLabel*>("p_mess")->text(), "Test dial");
    EXPECT_FALSE(app.services.busy);

    click(w, "Command2");
    uitest::settle();
    const plot::PlotSurface& after = w.plotWindow().ixPlot1();
    EXPECT_TRUE(after.displayList().lines.empty());
    EXPECT_TRUE(after.displayList().DrawOrder.empty());
    EXPECT_EQ(after.view().title, "");
    EXPECT_EQ(w.findChildren<ui::frmIX*>().size(), 1);
    EXPECT_DOUBLE_EQ(after.QuadranteH(), areaH);   // the enlarged area comes back
    EXPECT_NEAR(after.ShiftY(), after.QuadranteH() / 3.3333333, 1e-12);
    EXPECT_TRUE(child(w, "cmdData")->isEnabled());
}

TEST(MainWindow, FailureInsideRunIsContained) {
    shell::DriverTable t;
    t.RunVerticalSpherical = [](shell::Context& ctx) {
        plot::BusyCursor busy(ctx.services);
        ctx.ixPlot1().xLine(0, 0, 0.1, 0, 15);
        numeric::fail(numeric::FailureKind::DivisionByZero);
    };
    t.RunLightGraphDial = [](shell::Context&) { throw std::logic_error("broken"); };
    StartedApp app(t);
    ui::MDIForm1& w = app.window();

    click(w, "Command1");
    ASSERT_EQ(app.services.messages.size(), 1u);
    EXPECT_FALSE(app.services.busy);
    // What was drawn before the failure stays.
    EXPECT_EQ(w.plotWindow().ixPlot1().displayList().lines.size(), 1u);

    child<QAction>(w, "M_Light")->trigger();
    click(w, "Command1");
    EXPECT_EQ(app.services.messages.size(), 2u);
    EXPECT_FALSE(app.services.busy);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(MainWindow, SaveButtonWritesTheParameterFile) {
    shell::DriverTable t;
    t.RunVerticalSpherical = [](shell::Context& ctx) { ctx.ixPlot1().xPset(0, 0, 12); };
    StartedApp app(t);
    ui::MDIForm1& w = app.window();
    auto* txtLAT = child<QLineEdit>(w, "txtLAT");
    txtLAT->clear();
    QTest::keyClicks(txtLAT, "41,9");
    child<QAction>(w, "mnuVertSph")->trigger();

    click(w, "cmdSave");
    QFile file(app.path("Umbralion.dat"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    EXPECT_TRUE(contents.contains("\"LAT\",\"41.9\"")) << contents.toStdString();
    EXPECT_TRUE(contents.contains("\"ORTO\",\".2\"")) << contents.toStdString();
    EXPECT_TRUE(app.services.messages.empty());
    // The focus moves to Run, so that Enter runs next.
    EXPECT_EQ(w.focusWidget(), child(w, "Command1"));
    QTest::keyClick(w.focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(child(w, "cmdData")->isEnabled());
    // A Run refused draws nothing, and leaves no list to show.
    txtLAT->setText("41,9");
    QTest::keyClick(child(w, "Command1"), Qt::Key_Return);
    EXPECT_FALSE(child(w, "cmdData")->isEnabled());
}

TEST(MainWindow, UtilitiesBoardTakesThePlaceFromTheMainWindow) {
    StartedApp app;
    ui::MDIForm1& w = app.window();
    child<QLineEdit>(w, "TxtFuso")->setText("-2");
    ui::frmDeclin board(w.context().inputs, &w);
    EXPECT_EQ(board.windowTitle(), "Utilities board");
    EXPECT_TRUE(board.isModal());
    EXPECT_EQ(board.findChild<QLineEdit*>("txtLAT")->text(), "-45.7438");
    EXPECT_EQ(board.findChild<QLineEdit*>("txtLON")->text(), "-7.6438");
    EXPECT_EQ(board.findChild<QLineEdit*>("TxtFuso")->text(), "-2");
}

}  // namespace

namespace {

TEST(MainWindow, PlotWindowFillsTheAreaUntilTheUserSizesIt) {
    StartedApp app;
    ui::MDIForm1& w = app.window();
    QWidget* viewport = w.findChild<QMdiArea*>()->viewport();
    QWidget* sub = w.findChild<QWidget*>("frmIXSubWindow");
    ASSERT_NE(sub, nullptr);
    w.resize(900, 500);
    uitest::settle();
    EXPECT_EQ(sub->geometry(), viewport->rect());
    w.resize(1100, 700);
    uitest::settle();
    EXPECT_EQ(sub->geometry(), viewport->rect());

    // Sized by hand, it stays as it is.
    sub->setGeometry(10, 10, 300, 200);
    w.resize(1000, 650);
    uitest::settle();
    EXPECT_EQ(sub->geometry(), QRect(10, 10, 300, 200));
}

}  // namespace
