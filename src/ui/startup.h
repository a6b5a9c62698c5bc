#pragma once
// Start-up: the splash, the pause that keeps it in view, the shared state, the main window,
// the inputs from the parameter file, the plot window and its enlarged area.

#include <QPointer>

#include <memory>
#include <string>

#include "plot/user_services.h"
#include "shell/input_record.h"
#include "shell/module1.h"
#include "shell/options.h"
#include "shell/run_dispatch.h"

namespace ui {

class MDIForm1;
class frmSplash;

struct StartUpSettings {
    int splashPauseMs = 1000;   // how long the splash stays in view before the main window
    std::string parameterFile = "Umbralion.dat";   // in the current directory
};

// Everything the running application holds; the main window lives as long as it.
struct Session {
    Session();
    ~Session();
    shell::Module1 m;
    std::unique_ptr<shell::clsOptions> Options;
    shell::InputRecord inputs;
    std::unique_ptr<plot::UserServices> ownServices;   // the Qt ones, when none were given
    std::unique_ptr<MDIForm1> window;   // last: it goes first, before what it refers to
};

// Brings the application up. services: the desktop services to use, or nullptr for the Qt
// ones (message boxes, beep, wait cursor).
std::unique_ptr<Session> Main(const StartUpSettings& settings, shell::DriverTable drivers,
                              plot::UserServices* services = nullptr);

}  // namespace ui
