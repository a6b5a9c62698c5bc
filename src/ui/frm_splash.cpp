#include "ui/frm_splash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/app_info.h"
#include "ui/artwork.h"
#include "ui/named.h"

namespace ui {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int pointSize,
                  bool bold) {
    auto* label = named(new QLabel(text, parent), name);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kAppTitle);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    Frame1 = named(new QFrame(this), "Frame1");
    Frame1->setFrameShape(QFrame::Box);
    Frame1->installEventFilter(this);
    outer->addWidget(Frame1);

    auto* layout = new QVBoxLayout(Frame1);
    auto* imgLogo = named(new QLabel(Frame1), "imgLogo");
    imgLogo->setPixmap(sundialArtwork(360, 200));
    imgLogo->setAlignment(Qt::AlignCenter);
    layout->addWidget(imgLogo);
    layout->addWidget(makeLabel(Frame1, "lblProductName", kAppTitle, 20, true));
    layout->addWidget(
        makeLabel(Frame1, "lblVersion", QStringLiteral("Release ") + versionNumber(), 10, false));
    layout->addWidget(makeLabel(Frame1, "lblCompanyProduct", kMakersLine, 9, false));

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void frmSplash::keyPressEvent(QKeyEvent*) { close(); }

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Frame1 && event->type() == QEvent::MouseButtonRelease) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ui
