#pragma once
// The parts of start-up that concern the shared variables and the plot surface, so that the
// window and the headless tools bring a system up the same way.

#include "plot/plot_surface.h"
#include "shell/module1.h"

namespace shell {

// Stores Pi and clears the four working cells start-up clears.
void initialiseSharedVariables(Module1& m);

// Enlarges the plot area ten times (the surface caps each side at 15 m), remembers the result in
// SavedQuadranteH / SavedQuadranteL, and puts the origin of dial coordinates at the horizontal
// centre and three tenths of the height from the top.
void enlargePlotArea(Module1& m, plot::PlotSurface& surface);

}  // namespace shell
