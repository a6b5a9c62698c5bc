#include "ui_test_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

#include "ui/mdi_form1.h"

namespace uitest {

namespace {

// The one application object of the test run, created before the first test and destroyed
// after the last.
class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty()
                                       ? QByteArray("offscreen")
                                       : qgetenv("QT_QPA_PLATFORM"));
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[8] = "test_ui";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] testing::Environment* const kQtEnvironment =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

StartedApp::StartedApp(shell::DriverTable drivers, const std::string& parameterFile) {
    previousDir = QDir::currentPath();
    QDir::setCurrent(dir.path());
    if (!parameterFile.empty()) {
        QFile file(dir.filePath(QStringLiteral("Umbralion.dat")));
        if (file.open(QIODevice::WriteOnly))
            file.write(parameterFile.data(), static_cast<qint64>(parameterFile.size()));
    }
    ui::StartUpSettings settings;
    settings.splashPauseMs = 0;
    session = ui::Main(settings, std::move(drivers), &services);
    settle();
}

StartedApp::~StartedApp() {
    session.reset();
    settle();
    QDir::setCurrent(previousDir);
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace uitest
