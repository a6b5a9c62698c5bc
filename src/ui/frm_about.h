#pragma once
// The about box: title, version, description, and a button that starts the desktop's
// system-information program when one is installed.

#include <QDialog>

#include "plot/user_services.h"

namespace ui {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(plot::UserServices& services, QWidget* parent = nullptr);

    // Starts the first system-information program found on the PATH, detached; without one,
    // or when it cannot be started, says so in a message box.
    void StartSysInfo();

private:
    plot::UserServices& services_;
};

}  // namespace ui
