// Umbralion: the desktop application for designing sundials.

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "dispatch/driver_table.h"
#include "ui/app_info.h"
#include "ui/startup.h"

namespace {

// What Qt says while the application is being made, held back until it is made.
std::string heldBack;

// Qt ends the process when no platform plugin starts, that is when no display could be opened,
// with the advice to reinstall the application. Until the application is made, that end says
// what is missing instead, in the words ./run says before a build without a display.
void whileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        heldBack += qFormatLogMessage(type, context, message).toStdString() + '\n';
        return;
    }
    const char* display = std::getenv("DISPLAY");
    const std::string which = display != nullptr && *display != '\0'
                                  ? "DISPLAY is \"" + std::string(display) + "\""
                                  : std::string("DISPLAY is not set");
    std::fprintf(stderr,
                 "Umbralion needs a display to show its windows, and none could be opened (%s).\n"
                 "Start it in a desktop session. Without a screen, xvfb-run ./run only checks "
                 "that it starts (see the README).\n",
                 which.c_str());
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

int main(int argc, char* argv[]) {
    // An interrupt (a terminal's Ctrl-C) or a termination ends the application at once and
    // quietly, as it ends any program that asks nothing else, also when it was started with them
    // ignored, as a script's background job is. Left running, it would outlive the virtual display
    // that xvfb-run ends on the same Ctrl-C, and Qt would then end it with a message about the
    // broken connection to the display.
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    qInstallMessageHandler(whileStarting);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    std::fputs(heldBack.c_str(), stderr);
    QApplication::setApplicationName(ui::kAppTitle);
    QApplication::setApplicationVersion(ui::versionNumber());
    auto session = ui::Main(ui::StartUpSettings{}, dispatch::allDrivers());
    return QApplication::exec();
}
