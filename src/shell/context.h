#pragma once
// One context for everything a programme touches: the input record (the main window's
// controls), the shared dial variables, the options, the desktop's services and the current
// plot surface. No global state: two contexts are two independent systems.

#include <functional>

#include "plot/plot_surface.h"
#include "plot/user_services.h"
#include "shell/input_record.h"
#include "shell/module1.h"
#include "shell/options.h"

namespace shell {

struct Context {
    InputRecord& inputs;
    Module1& m;
    clsOptions& Options;
    plot::UserServices& services;
    // The plot surface ixPlot1 of the plot window as it is now (Reset re-creates it).
    std::function<plot::PlotSurface&()> ixPlot1;
};

}  // namespace shell
