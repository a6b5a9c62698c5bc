#include "ui/startup.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "shell/parametri.h"
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

// The plot area grows tenfold (the surface caps each side at 15 m) and is remembered for a
// plot window created again; the origin goes to the horizontal centre, three tenths of the
// height from the top.
void enlargePlotArea(shell::Context& ctx) {
    plot::PlotSurface& ixPlot1 = ctx.ixPlot1();
    ctx.m.SavedQuadranteH = ixPlot1.QuadranteH() * 10;
    ctx.m.SavedQuadranteL = ixPlot1.QuadranteL() * 10;
    ixPlot1.setQuadranteH(ctx.m.SavedQuadranteH);
    ixPlot1.setQuadranteL(ctx.m.SavedQuadranteL);
    ixPlot1.setShiftX(ixPlot1.QuadranteL() / 2);
    ixPlot1.setShiftY(ixPlot1.QuadranteH() / 3.3333333);
}

}  // namespace

Session::Session() = default;
Session::~Session() = default;

std::unique_ptr<Session> Main(const StartUpSettings& settings, shell::DriverTable drivers,
                              plot::UserServices* services) {
    auto session = std::make_unique<Session>();

    // 1-2. The splash, painted once, then kept in view for a moment. The user may close it.
    QPointer<frmSplash> splash;
    if (settings.showSplash) {
        splash = new frmSplash;
        splash->show();
        QApplication::processEvents();
        pause(settings.splashPauseMs);
    }

    // 3-5. The stored Pi, the options, the cleared working variables.
    session->m.Pi = 3.141592654;
    session->Options = std::make_unique<shell::clsOptions>();
    session->m.PlotShiftX = 0;
    session->m.PlotShiftY = 0;
    session->m.CylTempA = 0;
    session->m.CylTempB = 0;
    if (services) {
        session->services = services;
    } else {
        session->ownServices = std::make_unique<QtUserServices>();
        session->services = session->ownServices.get();
    }

    // 6. The main window.
    session->window = std::make_unique<MDIForm1>(session->inputs, session->m, *session->Options,
                                                 *session->services, std::move(drivers));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize size(area.width() * 9 / 10, area.height() * 9 / 10);
        session->window->setGeometry(QRect(area.center() - QPoint(size.width(), size.height()) / 2, size));
    }
    session->window->show();

    // 7. The inputs from the parameter file; without one the design-time values stay.
    shell::LoadInputs(session->inputs, settings.parameterFile);

    // 8-10. The plot window and its enlarged area.
    session->window->loadPlotWindow();
    enlargePlotArea(session->window->context());

    // 11. The splash goes.
    if (splash) splash->close();
    return session;
}

}  // namespace ui
