#pragma once
// The application's picture: a small horizontal sundial under the sun, drawn with QPainter.

#include <QPixmap>

namespace ui {

QPixmap sundialArtwork(int width, int height);

}  // namespace ui
