// A full redraw of the IX chart on a 1920 × 1080 display (client area 1920 × 990): frame,
// all three line families, and a chart full of points and processes.
#include "core/humidair/ix_chart_drawing.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace kalvintera;

namespace {

void IxChartFullRedraw(benchmark::State& state)
{
    const IxChartGeometry geometry = IxChartGeometry::ForClientArea(1920, 990);
    std::vector<ChartPoint> points(kMaxChartPoints);
    for (std::size_t k = 0; k < points.size(); ++k) {
        points[k].name = "P" + std::to_string(k);
        points[k].moisture_kgkg = 0.0003 * static_cast<double>(k);
        points[k].temperature_c = -25 + 0.6 * static_cast<double>(k);
    }
    std::vector<ChartProcess> processes;
    for (std::size_t k = 0; k < kMaxChartProcesses; ++k) {
        processes.push_back({"przemiana", points[2 * k].name, points[2 * k + 1].name, true});
    }
    IxChartOptions options;
    options.barometric_pa = 101325; // above 101300: all 40 density lines are tried
    std::size_t items = 0;
    for (auto _ : state) {
        const DisplayList list = DrawIxChart(geometry, options, points, processes, NumberFormat::point());
        items = list.items.size();
        benchmark::DoNotOptimize(list.items.data());
    }
    state.counters["items"] = static_cast<double>(items);
}

} // namespace

BENCHMARK(IxChartFullRedraw)->Unit(benchmark::kMillisecond);
