#pragma once
// The picture of the board's instructions window: the rule for the angle az measured on the
// wall, how AZ and the wall's declination d are counted and follow from it in either
// hemisphere, and sketches of the worked cases (board::sheetCases) seen from above, four to a
// row. 640 pixels wide and as tall as its sketches need, black on white.

#include <QPixmap>

namespace ui {

QPixmap instructionsSheet();

}  // namespace ui
