#pragma once
// Whether no shadow of the style's tip falls within the plot area because the style is so long
// that every shadow falls beyond it: then only the construction (the style's foot, the substyle,
// a cylinder's meridian) and lines laid whole across the area are seen, and Run says why.

#include <cstddef>
#include <functional>
#include <string_view>

#include "plot/plot_surface.h"
#include "shell/context.h"
#include "shell/module1.h"

namespace shell {

// Where the display list stood when a run began.
struct RecordMark {
    std::size_t points = 0, lines = 0, shapes = 0;
    static RecordMark of(const plot::PlotSurface& plot);
};

// The programmes of a run, called on a context.
using RunProgrammes = std::function<void(Context&)>;

// After a run that completed: whether no shadow of its style's tip falls within the plot area
// because of the style's length. That is so when the run drew something, and
// - every point the run laid in the plot area since `from` lies at the style's foot or on a few
//   lines through it (the most the construction lays there), and
// - no shadow of the style's tip can fall within the plot area: for no sun of the year above
//   the horizon does one fall nearer the foot than the plot area's farthest corner (the
//   programme, by its name, says whether its face reclines), and
// - what the run laid in the plot area lies there whatever the style's length: the run made
//   again, unseen, from `before` (the shared state the run started from) with the style twice
//   as long lays it all again, exactly.
// The run again is made only when the first two hold; its failures, messages and rounds stay
// with it, and say no.
bool everyShadowBeyondThePlot(Context& ctx, const RunProgrammes& programmes,
                              const Module1& before, const RecordMark& from,
                              std::string_view programme);

}  // namespace shell
