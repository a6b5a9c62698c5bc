// Replay of the display list on the current output.

#include "plot/plot_surface.h"
#include "plot/surface_state.h"

namespace plot {

void PlotSurface::Refresh() {
    BusyCursor busy(d->services);
    const DisplayList& list = d->list;

    // On the screen the picture is cleared and the texts go first, under everything else. On
    // paper nothing is cleared and the texts are printed as a list by the print procedure.
    if (!d->outputToPRN) {
        d->screen->clear();
        for (const TextRecord& t : list.texts) Dati(t.text, t.x, t.y, false);
    }

    // Paper takes every outline in black. Each primitive recorded its kind in DrawOrder with
    // its record, so the kinds count off the records of each kind in order.
    auto colour = [&](Colour c) { return d->outputToPRN ? Colour{0} : c; };
    std::size_t point = 0, line = 0, shape = 0;
    for (char kind : list.DrawOrder) {
        switch (kind) {
        case 'P': {
            const PointRecord& p = list.points[point++];
            xPset(p.x, p.y, colour(p.Color), false);
            break;
        }
        case 'L': {
            const LineRecord& l = list.lines[line++];
            xLine(l.x1, l.y1, l.x2, l.Y2, colour(l.Color), false);
            break;
        }
        case 'C': {
            // The fill colour is kept on paper too.
            const ShapeRecord& s = list.shapes[shape++];
            const bool whole = s.ArcEnd == 0;
            xCircle(s.First, s.Second, s.Third, colour(s.Color), s.FillColor, s.Fourth,
                    whole ? 0 : s.ArcStart, whole ? 0 : s.ArcEnd, false);
            break;
        }
        }
    }
}

}  // namespace plot
