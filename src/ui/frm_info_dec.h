#pragma once
// The instructions window of the utilities board: a sheet of sketches explaining the angle az
// measured on the wall and how the wall's declination follows from it in either hemisphere,
// scrolled by a bar at the right edge or by the mouse wheel anywhere over the window. It has no
// buttons; the close box closes it.

#include <QDialog>

class QLabel;
class QScrollBar;
class QWheelEvent;

namespace ui {

class frmInfoDec : public QDialog {
    Q_OBJECT
public:
    explicit frmInfoDec(QWidget* parent = nullptr);

    // The top of the picture in twips: 500 - the scroll bar's value. The bar runs from 500 to
    // the value that brings the picture's bottom to the window's bottom.
    int Image1Top() const;

protected:
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void VScroll1_Change();
    void scrollBy(QWheelEvent* event);

    QLabel* Image1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
};

}  // namespace ui
