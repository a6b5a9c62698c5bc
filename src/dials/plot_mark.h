#pragma once
// The marks a dial sets beside its lines: labels (an hour's number, a place's name, the letters
// of a plan), numerals and glyphs (a Roman numeral, a zodiac sign, the tick at the end of the
// folded style, the small circle round a foot or a tip). Each belongs to one point of the dial,
// its anchor: the point it names or marks. A mark is recorded only when its anchor lies in the
// plot area, its edges included, and then whole, also where it runs past an edge. A mark whose
// anchor lies outside marks nothing the plot shows; written anyway it would be recorded wherever
// its point falls, kilometres off for a point next to infinity. Dial coordinates are metres in
// the plane of the dial, x to the right, y upward; the plot gets (x, -y).

#include <string>

#include "dials/geometry_names.h"
#include "geometry/dial_point.h"
#include "plot/plot_surface.h"

namespace dials {

// Whether the mark anchored at p is drawn: p lies in the plot area, its edges included.
bool markInArea(const plot::PlotSurface& plot, const DialPoint& anchor);

// Writes text with its top left corner at the anchor, when the anchor lies in the plot area.
void plotLabel(plot::PlotSurface& plot, const std::string& text, const DialPoint& anchor);
// The same with the corner at `at`, beside the anchor.
void plotLabel(plot::PlotSurface& plot, const std::string& text, const DialPoint& anchor,
               const DialPoint& at);

// A block of text lines anchored at its top left corner: an empty text placed there, then each
// line below the one before. Written when the corner lies in the plot area, not at all
// otherwise; the text colours set between its lines stay the caller's.
class TextBlock {
public:
    TextBlock(plot::PlotSurface& plot, const DialPoint& corner);
    void line(const std::string& text) const;

private:
    plot::PlotSurface& plot_;
    bool shown_;
};

}  // namespace dials
