#pragma once
// Small helpers every programme shares: the colour actually drawn for a palette index, the
// angle functions on the stored Pi, whether a check box is ticked, and the key filter of the
// main window's numeric boxes.

#include <string_view>

#include "numeric/palette.h"
#include "plot/plot_surface.h"
#include "shell/context.h"
#include "shell/module1.h"
#include "shell/options.h"

namespace shell {

// The colour to draw with for a palette colour, by the options' background and colour mode.
numeric::Colour LineColor(const clsOptions& Options, numeric::palette::Index colorIndex);
inline numeric::Colour LineColor(const Context& ctx, numeric::palette::Index colorIndex) {
    return LineColor(ctx.Options, colorIndex);
}

// Angle functions on m.Pi; they throw numeric::NumericFailure where the division or the square
// root inside them fails (Atn2 with x = 0, ArcSin / ArcCos beyond +-1).
double Atn2(const Module1& m, double y, double x);
double ArcSin(const Module1& m, double x);
double ArcCos(const Module1& m, double x);

// A check box counts as ticked when its value is 1 (a greyed box, 2, does not).
bool ticked(const Context& ctx, std::string_view checkBox);

// The key filter of the main window's numeric boxes, the one the plot surface's boxes use.
using plot::NumericKeyFilter;

}  // namespace shell
