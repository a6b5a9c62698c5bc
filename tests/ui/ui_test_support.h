#pragma once
// What the GUI tests share: the application object, desktop services that record instead of
// showing, and a start-up in a temporary current directory.

#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include "support/recording_services.h"
#include "shell/run_dispatch.h"
#include "ui/startup.h"

namespace uitest {

using RecordingServices = testsupport::RecordingServices;

// A started application whose current directory is a fresh temporary one for its lifetime.
class StartedApp {
public:
    // parameterFile: contents of Umbralion.dat written before start-up ("" = no file).
    explicit StartedApp(shell::DriverTable drivers = {}, const std::string& parameterFile = "");
    ~StartedApp();

    ui::MDIForm1& window() { return *session->window; }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QString previousDir;
    RecordingServices services;
    std::unique_ptr<ui::Session> session;
};

// Waits for queued events and deferred deletions.
void settle();

}  // namespace uitest
