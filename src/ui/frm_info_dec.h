#pragma once
// The instructions window of the utilities board: a sheet of sketches explaining the angle az
// measured on the wall and how the wall's declination follows from it in either hemisphere,
// scrolled by a bar at the right edge. It has no buttons; the close box closes it.

#include <QDialog>

class QLabel;
class QScrollBar;

namespace ui {

class frmInfoDec : public QDialog {
    Q_OBJECT
public:
    explicit frmInfoDec(QWidget* parent = nullptr);

    // The top of the picture in twips: 500 - the scroll bar's value.
    int Image1Top() const;

private:
    void VScroll1_Change();

    QLabel* Image1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
};

}  // namespace ui
