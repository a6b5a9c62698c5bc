// A Run of each programme at a northern place with every feature box unticked, on a device that
// paints nothing: the cost of what a run does besides drawing its lines (set-up, construction,
// the checks after it).

#include <benchmark/benchmark.h>

#include <memory>
#include <string_view>

#include "dispatch/driver_table.h"
#include "plot/null_device.h"
#include "plot/plot_surface.h"
#include "shell/context.h"
#include "shell/control_table.h"
#include "shell/programme_menu.h"
#include "shell/run_dispatch.h"
#include "shell/startup.h"

namespace {

constexpr std::string_view kProgrammes[] = {
    "M_Inclinati", "M_Light", "M_CILINDRICI", "M_Proiettivo", "M_Parabolico", "M_Param",
    "M_nProiettivo", "M_Frinter", "mnuCCs", "mnuCircp", "mnuVertSph", "mnuUni"};

void BM_RunNothingTicked(benchmark::State& state) {
    const std::string_view programme = kProgrammes[state.range(0)];
    state.SetLabel(std::string(programme));
    const shell::DriverTable drivers = dispatch::allDrivers();
    for (auto _ : state) {
        state.PauseTiming();
        shell::InputRecord inputs;
        shell::Module1 m;
        shell::clsOptions options;
        plot::SilentServices services;
        plot::NullDevice device;
        auto surface = std::make_unique<plot::PlotSurface>(device, services, plot::PageSizeTwips{});
        shell::Context ctx{inputs, m, options, services,
                           [&]() -> plot::PlotSurface& { return *surface; }};
        shell::initialiseSharedVariables(m);
        shell::enlargePlotArea(m, *surface);
        for (const shell::ControlInfo& c : shell::controlTable())
            if (c.kind == shell::ControlKind::CheckBox) inputs.setValue(c.name, 0);
        inputs.setText("txtLAT", "45.7438");  // a northern place: every programme draws
        shell::chooseProgramme(inputs, programme);
        state.ResumeTiming();
        benchmark::DoNotOptimize(shell::Command1_Click(ctx, drivers));
    }
}
BENCHMARK(BM_RunNothingTicked)->DenseRange(0, 11)->Unit(benchmark::kMicrosecond);

}  // namespace
