// The plot surface under load: recording a million primitives, and replaying a million lines
// through a device that paints nothing.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "plot/null_device.h"
#include "plot/plot_surface.h"
#include "plot/user_services.h"

namespace {

using plot::NullDevice;
using QuietServices = plot::SilentServices;

constexpr int Primitives = 1'000'000;

// Segments of a dial-sized drawing: mostly inside a 3 m by 4 m area, some crossing its edges.
std::vector<double> segments() {
    std::mt19937_64 rng(1);
    std::uniform_real_distribution<double> x(-2.5, 2.5), y(-1.5, 2.5);
    std::vector<double> v(4 * Primitives);
    for (double& c : v) c = (&c - v.data()) % 2 ? y(rng) : x(rng);
    return v;
}

void setUp(plot::PlotSurface& surface) {
    surface.setQuadranteH(3);
    surface.setQuadranteL(4);
    surface.setShiftX(2);
    surface.setShiftY(0.9);
}

// Recording: a million mixed primitives (lines, points, circles in the proportions of a dial)
// drawn on a fresh surface.
void BM_RecordMillionPrimitives(benchmark::State& state) {
    const std::vector<double> s = segments();
    for (auto _ : state) {
        state.PauseTiming();
        NullDevice device;
        QuietServices services;
        auto surface = std::make_unique<plot::PlotSurface>(device, services);
        setUp(*surface);
        state.ResumeTiming();
        for (int i = 0; i < Primitives; ++i) {
            const double* p = &s[4 * i];
            switch (i % 8) {
            case 0: surface->xCircle(p[0], p[1], 0.01, 3); break;
            case 1:
            case 2: surface->xPset(p[0], p[1], 4); break;
            default: surface->xLine(p[0], p[1], p[2], p[3], 7); break;
            }
        }
        benchmark::DoNotOptimize(surface->displayList().DrawOrder.size());
        state.PauseTiming();
        surface.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Primitives);
}
BENCHMARK(BM_RecordMillionPrimitives)->Unit(benchmark::kMillisecond);

// Replay: Refresh of a million recorded lines, each clipped again.
void BM_RefreshMillionLines(benchmark::State& state) {
    const std::vector<double> s = segments();
    NullDevice device;
    QuietServices services;
    plot::PlotSurface surface(device, services);
    setUp(surface);
    for (int i = 0; i < Primitives; ++i)
        surface.xLine(s[4 * i], s[4 * i + 1], s[4 * i + 2], s[4 * i + 3], 7);
    for (auto _ : state) {
        surface.Refresh();
        benchmark::DoNotOptimize(device.painted);
    }
    state.SetItemsProcessed(state.iterations() * Primitives);
}
BENCHMARK(BM_RefreshMillionLines)->Unit(benchmark::kMillisecond);

}  // namespace
