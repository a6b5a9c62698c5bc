// Start-up: the state of the main window and the plot window with and without a parameter file.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/control_table.h"
#include "support/recording_device.h"
#include "ui/app_info.h"
#include "ui/frm_ix.h"
#include "ui/frm_splash.h"
#include "ui/mdi_form1.h"
#include "ui_test_support.h"

namespace {

using uitest::StartedApp;

QString boxText(ui::MDIForm1& w, const char* name) {
    auto* box = w.findChild<QLineEdit*>(QString::fromLatin1(name));
    return box ? box->text() : QStringLiteral("<missing>");
}

bool ticked(ui::MDIForm1& w, const char* name) {
    auto* check = w.findChild<QCheckBox*>(QString::fromLatin1(name));
    return check && check->isChecked();
}

bool enabled(ui::MDIForm1& w, const char* name) {
    auto* widget = w.findChild<QWidget*>(QString::fromLatin1(name));
    return widget && widget->isEnabled();
}

TEST(StartUp, WithoutParameterFileShowsTheDesignTimeState) {
    StartedApp app;
    ui::MDIForm1& w = app.window();

    EXPECT_EQ(w.windowTitle().toStdString(), std::string(shell::kMainWindowCaption));
    EXPECT_EQ(boxText(w, "txtLAT"), "-45.7438");
    EXPECT_EQ(boxText(w, "txtLON"), "-7.6438");
    EXPECT_EQ(boxText(w, "txtDecl"), "-14.57");
    EXPECT_EQ(boxText(w, "txtStilo"), ".2");
    EXPECT_EQ(boxText(w, "TxtHour"), "2");
    EXPECT_TRUE(ticked(w, "ck_DayLightCurves"));
    EXPECT_TRUE(ticked(w, "ck_Sustilare"));
    EXPECT_FALSE(ticked(w, "ck_Lemniscate"));

    // Exactly the start-up programme is checked, and the inputs are enabled as it wants them.
    int checkedItems = 0;
    for (const auto& item : shell::programmeMenuItems()) {
        auto* action = w.findChild<QAction*>(QString::fromLatin1(item.name.data(),
                                                                 item.name.size()));
        ASSERT_NE(action, nullptr) << item.name;
        checkedItems += action->isChecked();
    }
    EXPECT_EQ(checkedItems, 1);
    EXPECT_TRUE(w.findChild<QAction*>("mnuVertSph")->isChecked());
    EXPECT_TRUE(enabled(w, "txtlineofdeclination"));
    EXPECT_TRUE(enabled(w, "ckZodiaco"));
    EXPECT_FALSE(enabled(w, "txtReclinZ"));
    EXPECT_FALSE(enabled(w, "txtRadius"));
    EXPECT_FALSE(enabled(w, "Frame2"));
    EXPECT_FALSE(enabled(w, "cmdData"));
    EXPECT_FALSE(w.findChild<QAction*>("mnuLoad")->isEnabled());
    EXPECT_FALSE(w.findChild<QAction*>("MnuSalva")->isEnabled());

    // The plot window with its area enlarged tenfold from one page, a tile (at most 15 m), and
    // the origin at the horizontal centre, three tenths of the height from the top.
    ui::frmIX& plot = w.plotWindow();
    EXPECT_EQ(plot.windowTitle(), "Plot");
    plot::PlotSurface& s = plot.ixPlot1();
    s.xTrovaA4(0, 0);   // the first tile's outline: its left side, then its top side
    const auto& tile = s.displayList().lines;
    EXPECT_NEAR(s.QuadranteH(), std::min(15.0, (tile.at(0).Y2 - tile.at(0).y1) * 10), 1e-12);
    EXPECT_NEAR(s.QuadranteL(), std::min(15.0, (tile.at(1).x2 - tile.at(1).x1) * 10), 1e-12);
    EXPECT_NEAR(s.ShiftX(), s.QuadranteL() / 2, 1e-12);
    EXPECT_NEAR(s.ShiftY(), s.QuadranteH() / 3.3333333, 1e-12);
    EXPECT_DOUBLE_EQ(w.context().m.Pi, 3.141592654);
    testsupport::RecordingPrinter printer;
    s.PrintAll(printer);   // the brand heads the page
    EXPECT_EQ(printer.only(testsupport::DeviceCall::Op::Text).at(0).text,
              "Umbralion " + ui::versionNumber().toStdString() + " by the Umbralion authors");

    // The splash has gone.
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_NE(top->objectName(), "frmSplash");
    EXPECT_TRUE(app.services.messages.empty());
}

TEST(StartUp, ParameterFileFillsItsInputsAndLeavesTheOthers) {
    StartedApp app({}, "\"LAT\",\"12.5\"\r\n\"DIURNE\",\"0\"\r\n\"ORTO\",\"0.35\"\r\n"
                       "\"LEMNISCATA\",\"1\"\r\n");
    ui::MDIForm1& w = app.window();
    EXPECT_EQ(boxText(w, "txtLAT"), "12.5");
    EXPECT_EQ(boxText(w, "txtStilo"), "0.35");
    EXPECT_FALSE(ticked(w, "ck_DayLightCurves"));
    EXPECT_TRUE(ticked(w, "ck_Lemniscate"));
    EXPECT_EQ(boxText(w, "txtLON"), "-7.6438");
    EXPECT_EQ(w.context().inputs.text("txtLAT"), "12.5");
    EXPECT_TRUE(w.findChild<QAction*>("mnuVertSph")->isChecked());
}

TEST(StartUp, ClosingTheSplashDuringThePauseIsSafe) {
    uitest::RecordingServices services;
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QTimer::singleShot(20, [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("frmSplash")) top->close();
    });
    ui::StartUpSettings settings;
    settings.splashPauseMs = 200;
    auto session = ui::Main(settings, {}, &services);
    uitest::settle();
    ASSERT_NE(session->window, nullptr);
    EXPECT_TRUE(session->window->isVisible());
    EXPECT_EQ(session->window->context().ixPlot1().displayList().DrawOrder.size(), 0u);
    session.reset();
    QDir::setCurrent(previous);
}

TEST(StartUp, AParameterFileThatIsAFifoOrAnEndlessDeviceIsNotReadAndStartUpGoesOn) {
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "FIFO" : "link to the zero device");
        uitest::RecordingServices services;
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        EXPECT_EQ(fifo ? mkfifo("Umbralion.dat", 0644) : symlink("/dev/zero", "Umbralion.dat"), 0);
        ui::StartUpSettings settings;
        settings.splashPauseMs = 0;
        auto session = ui::Main(settings, {}, &services);
        uitest::settle();
        EXPECT_TRUE(session->window->isVisible());
        EXPECT_EQ(boxText(*session->window, "txtLAT"), "-45.7438");
        EXPECT_EQ(services.messages.size(), 1u);
        const std::string message = services.messages.empty() ? "" : services.messages[0];
        EXPECT_NE(message.find("Umbralion.dat: it is a"), std::string::npos) << message;
        EXPECT_NE(message.find(fifo ? "FIFO" : "device"), std::string::npos) << message;
        session.reset();
        uitest::settle();
        QDir::setCurrent(previous);
    }
}

}  // namespace
