// The fan search over a full catalogue: 2000 fans, half with polynomial characteristics,
// half with 200-point curve files, which the search reads anew for every candidate.
#include "core/selection/fan_search.h"
#include "core/shell/file_io.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>

using namespace kalvintera;

namespace {

constexpr int kCurvePoints = 200;

// Fan n: shut-off pressure and free flow grow with the size, so each duty point is met
// by a band of the catalogue, as in a real range.
struct FanSize {
    double p0_pa;
    double vmax_m3s;
};

FanSize SizeOf(int n)
{
    const double scale = 1.0 + (n % 100) / 20.0; // 1 … 6
    return {150.0 * scale + (n % 7) * 10.0, 0.15 * scale * scale};
}

std::string Number(double value) { return FormatShortest(value, NumberFormat::point()); }

void WriteCurves(const DataFolder& data, const std::string& name, FanSize size)
{
    std::string pressure;
    std::string efficiency;
    for (int i = 0; i < kCurvePoints; ++i) {
        const double q = size.vmax_m3s * i / (kCurvePoints - 1);     // m³/s
        const double r = q / size.vmax_m3s;
        const long flow_m3h = std::lround(q * 3600.0 * 10) + i;      // strictly increasing whole numbers
        pressure += std::to_string(flow_m3h) + ";" + std::to_string(std::lround(size.p0_pa * (1 - r * r))) + "\r\n";
        efficiency += std::to_string(flow_m3h) + ";" + std::to_string(std::lround(30 + 45 * 4 * r * (1 - r))) + "\r\n";
    }
    WriteFileAtomically(data.root() / "interpolacja" / "vdp" / name, pressure);
    WriteFileAtomically(data.root() / "interpolacja" / "eta" / name, efficiency);
}

struct Catalogue {
    DataFolder data{std::filesystem::temp_directory_path() / "kalvintera-bench-catalogue"};
    DeviceTable table;

    Catalogue()
    {
        std::filesystem::create_directories(data.root() / "interpolacja" / "vdp");
        std::filesystem::create_directories(data.root() / "interpolacja" / "eta");
        for (int n = 1; n <= kDeviceTableSlots; ++n) {
            const FanSize size = SizeOf(n);
            DeviceRecord& r = table.slot(n);
            r.NamePl = "WENTYLATOR DACHOWY BENCH " + std::to_string(n);
            r.Model = "BENCH-" + std::to_string(n);
            r.ExecStandard = "TAK";
            r.FlowMin = Number(size.vmax_m3s * 0.1);
            r.FlowMax = Number(size.vmax_m3s * 0.9);
            if (n % 2 == 0) {
                r.CurveFile = "bench-" + std::to_string(n) + ".txt";
                WriteCurves(data, r.CurveFile, size);
            } else {
                r.PressureCoef = {"", "", Number(-size.p0_pa / (size.vmax_m3s * size.vmax_m3s)), "", Number(size.p0_pa)};
                r.EfficiencyCoef = {"", "", Number(-1.8 / (size.vmax_m3s * size.vmax_m3s)),
                                    Number(1.8 / size.vmax_m3s), "0.3"};
            }
        }
    }
};

const Catalogue& SharedCatalogue()
{
    static const Catalogue catalogue;
    return catalogue;
}

void BM_FanSearch(benchmark::State& state)
{
    const Catalogue& catalogue = SharedCatalogue();
    FanSearchCriteria criteria;
    criteria.duty = {static_cast<double>(state.range(0)) / 3600.0, static_cast<double>(state.range(1))};
    std::size_t found = 0;
    for (auto _ : state) {
        const FanSearchOutcome outcome = SearchFans(catalogue.table, catalogue.data, criteria, NumberFormat::point());
        found = outcome.results.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
}

} // namespace

// Duty points in m³/h and Pa, from a small extract fan to a large roof unit.
BENCHMARK(BM_FanSearch)->Args({300, 50})->Args({1200, 150})->Args({5000, 300})->Args({15000, 500})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
