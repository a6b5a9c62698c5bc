#pragma once
// The drawing picture picPlot: shows the screen image at its size and reports mouse presses
// in pixels of the image.

#include <QWidget>

#include <functional>

namespace ui {

class ImageDevice;

class PicturePane : public QWidget {
    Q_OBJECT
public:
    PicturePane(ImageDevice& screen, QWidget* parent = nullptr);

    // Sizes the pane to the image.
    void fitImage();
    std::function<void(QPointF)> onPress;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ImageDevice& screen_;
};

}  // namespace ui
