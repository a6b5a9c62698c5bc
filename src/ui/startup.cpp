#include "ui/startup.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "shell/parametri.h"
#include "shell/startup.h"
#include "ui/frm_splash.h"
#include "ui/mdi_form1.h"
#include "ui/qt_user_services.h"

namespace ui {

namespace {

// Waits while the window system goes on painting and handling events (the splash stays in
// view and can be closed by the user).
void pause(int milliseconds) {
    if (milliseconds <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

Session::Session() = default;
Session::~Session() = default;

std::unique_ptr<Session> Main(const StartUpSettings& settings, shell::DriverTable drivers,
                              plot::UserServices* services) {
    auto session = std::make_unique<Session>();

    // 1-2. The splash, painted once, then kept in view for a moment. The user may close it.
    const QPointer<frmSplash> splash = new frmSplash;
    splash->show();
    QApplication::processEvents();
    pause(settings.splashPauseMs);

    // 3-5. The stored Pi, the options, the cleared working variables.
    shell::initialiseSharedVariables(session->m);
    session->Options = std::make_unique<shell::clsOptions>();
    if (!services) {
        session->ownServices = std::make_unique<QtUserServices>();
        services = session->ownServices.get();
    }

    // 6. The main window.
    session->window = std::make_unique<MDIForm1>(session->inputs, session->m, *session->Options,
                                                 *services, std::move(drivers));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize size(area.width() * 9 / 10, area.height() * 9 / 10);
        session->window->setGeometry(QRect(area.center() - QPoint(size.width(), size.height()) / 2, size));
    }
    session->window->show();

    // 7. The inputs from the parameter file; without one the design-time values stay. A file
    // that is there but cannot be one (a FIFO, a device) is not read, and the user is told.
    const std::string loadMessage = shell::LoadInputs(session->inputs, settings.parameterFile);

    // 8-10. The plot window and its enlarged area.
    session->window->loadPlotWindow();
    shell::enlargePlotArea(session->m, session->window->context().ixPlot1());

    // 11. The splash goes.
    if (splash) splash->close();

    // Said once the splash, which stays on top, has gone.
    if (!loadMessage.empty()) services->messageBox(loadMessage);
    return session;
}

}  // namespace ui
