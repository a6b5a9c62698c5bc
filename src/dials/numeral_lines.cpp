#include "dials/numeral_lines.h"

#include "numeric/skip.h"

namespace dials {

bool lineHasPointInBox(const CurveAt& line, const CurveRange& range, double spacing,
                       const PlotBox& box) {
    bool found = false;
    numeric::skip([&] {
        layCurve(line, range, spacing, box, [&](double, const DialPoint& p) {
            found = found || inPlotBox(box, p);
        });
    });
    return found;
}

}  // namespace dials
