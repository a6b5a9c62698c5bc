#pragma once
// Which lines get a numeral: a numeral belongs to a line that has a point in the plot area. A
// numeral stands where its line meets a row chosen for the numerals (a declination, a height),
// which may lie far beyond the stretch of the line that is drawn, on a day whose sun never casts
// that line, or off the plot while the line crosses it: the line decides, not the numeral's place.

#include "dials/plot_curve.h"
#include "dials/plot_line.h"

namespace dials {

// Whether the line, laid over its range by the shared curve sampler (layCurve) at `spacing`, has
// a point in the box: whether a numeral of the line is drawn. A line whose step the sampler
// refuses has none.
bool lineHasPointInBox(const CurveAt& line, const CurveRange& range, double spacing,
                       const PlotBox& box);

}  // namespace dials
