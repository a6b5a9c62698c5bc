// Umbralion: the desktop application for designing sundials.

#include <QApplication>

#include "dispatch/driver_table.h"
#include "ui/app_info.h"
#include "ui/startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ui::kAppTitle);
    QApplication::setApplicationVersion(ui::versionNumber());
    auto session = ui::Main(ui::StartUpSettings{}, dispatch::allDrivers());
    return QApplication::exec();
}
