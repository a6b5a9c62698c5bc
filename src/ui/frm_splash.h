#pragma once
// The splash window shown while the application starts. A key or a click on its frame closes
// it early; it deletes itself when closed.

#include <QWidget>

class QFrame;

namespace ui {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFrame* Frame1 = nullptr;
};

}  // namespace ui
