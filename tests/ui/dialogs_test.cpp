// Splash, about box and options dialog.

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/app_info.h"
#include "ui/frm_about.h"
#include "ui/frm_ix.h"
#include "ui/frm_options.h"
#include "ui/frm_splash.h"
#include "ui/image_device.h"
#include "ui/mdi_form1.h"
#include "ui/qt_user_services.h"
#include "ui_test_support.h"

namespace {

TEST(Splash, ShowsTheReleaseAndClosesSafelyOnAKey) {
    QPointer<ui::frmSplash> splash = new ui::frmSplash;
    splash->show();
    EXPECT_EQ(splash->findChild<QLabel*>("lblVersion")->text(), "Release " + ui::versionNumber());
    EXPECT_EQ(splash->findChild<QLabel*>("lblProductName")->text(), "Umbralion 2001");
    QTest::keyClick(splash.data(), Qt::Key_Space);
    uitest::settle();
    EXPECT_TRUE(splash.isNull());
}

TEST(About, ShowsTheVersionAndSaysWhenNoSystemInformationProgramExists) {
    uitest::RecordingServices services;
    ui::frmAbout about(services);
    EXPECT_EQ(about.windowTitle(), "About Umbralion 2001");
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version " + ui::versionNumber());
    EXPECT_EQ(about.findChild<QPushButton*>("cmdSysInfo")->text(), "&System Info...");

    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toUtf8());
    QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    qputenv("PATH", path);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0], "System Information Is Unavailable At This Time");
}

TEST(Options, BackgroundChangesAtOnceAndCancelKeepsWhatWasApplied) {
    uitest::StartedApp app;
    ui::MDIForm1& w = app.window();
    shell::Context& ctx = w.context();
    ui::frmIX& plot = w.plotWindow();
    plot.ixPlot1().xLine(0, 0, 0.3, 0, numeric::rgb(255, 0, 0));

    {
        ui::frmOptions options(ctx.Options, ctx.ixPlot1, ctx.services, &w);
        EXPECT_TRUE(options.findChild<QRadioButton*>("optBlack")->isChecked());
        EXPECT_TRUE(options.findChild<QRadioButton*>("optMulti")->isChecked());
        options.findChild<QRadioButton*>("optWhite")->setChecked(true);
        options.findChild<QRadioButton*>("optMono")->setChecked(true);
        QTest::mouseClick(options.findChild<QPushButton*>("cmdApply"), Qt::LeftButton);
        QTest::mouseClick(options.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    }
    const numeric::Colour white = numeric::rgb(255, 255, 255);
    EXPECT_EQ(ctx.Options.IXBackColor, white);
    EXPECT_FALSE(ctx.Options.IXMultiColor);
    EXPECT_EQ(plot.ixPlot1().BackColor(), white);
    const QImage& image = plot.screen().image();
    EXPECT_EQ(QColor(image.pixel(1, 1)), QColor(Qt::white));
    // The drawing is still there on the new background.
    const double k = plot.screen().pixelsPerTwip();
    const plot::PlotSurface& s = plot.ixPlot1();
    EXPECT_EQ(QColor(image.pixel(static_cast<int>(s.ShiftX() * 56700 / s.Scala() * k) + 2,
                                 static_cast<int>(s.ShiftY() * 56700 / s.Scala() * k))),
              QColor(255, 0, 0));

    // Reopened, the dialog shows the options in force; a plot window created again takes
    // the background from them.
    ui::frmOptions again(ctx.Options, ctx.ixPlot1, ctx.services, &w);
    EXPECT_TRUE(again.findChild<QRadioButton*>("optWhite")->isChecked());
    EXPECT_TRUE(again.findChild<QRadioButton*>("optMono")->isChecked());
    QTest::mouseClick(w.findChild<QPushButton*>("Command2"), Qt::LeftButton);
    EXPECT_EQ(w.plotWindow().ixPlot1().BackColor(), white);
}

TEST(QtUserServices, MessageBoxCarriesTheApplicationTitle) {
    ui::QtUserServices services;
    QString title, text;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    services.messageBox("Nessuna area selezionata");
    EXPECT_EQ(title, "Umbralion 2001");
    EXPECT_EQ(text, "Nessuna area selezionata");
    {
        plot::BusyCursor busy(services);
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
