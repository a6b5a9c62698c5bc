#include "dials/plot_mark.h"

#include "dials/plot_line.h"

namespace dials {

bool markInArea(const plot::PlotSurface& plot, const DialPoint& anchor) {
    return inPlotBox(plotBox(plot), anchor);
}

void plotLabel(plot::PlotSurface& plot, const std::string& text, const DialPoint& anchor) {
    plotLabel(plot, text, anchor, anchor);
}

void plotLabel(plot::PlotSurface& plot, const std::string& text, const DialPoint& anchor,
               const DialPoint& at) {
    if (markInArea(plot, anchor)) plot.Dati(text, at.x, -at.y);
}

TextBlock::TextBlock(plot::PlotSurface& plot, const DialPoint& corner)
    : plot_(plot), shown_(markInArea(plot, corner)) {
    if (shown_) plot_.Dati("", corner.x, -corner.y);
}

void TextBlock::line(const std::string& text) const {
    if (shown_) plot_.Dati(text);
}

}  // namespace dials
