#include "ui/qt_user_services.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include "ui/app_info.h"
#include "ui/qt_convert.h"

namespace ui {

void QtUserServices::messageBox(const std::string& text) {
    // The message is read with the ordinary pointer even while work shows the wait cursor.
    if (busy_) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, qs(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    if (busy_) QGuiApplication::restoreOverrideCursor();
}

void QtUserServices::beep() { QApplication::beep(); }

void QtUserServices::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace ui
