// The fan search over a full catalogue: 2000 fans, half with polynomial characteristics,
// half with 200-point curve files, which the search reads anew for every candidate.
#include "core/catalogue/curve_cache.h"
#include "core/schedule/schedule_file.h"
#include "core/schedule/schedule_selection.h"
#include "core/schedule/schedule_table.h"
#include "core/selection/fan_search.h"
#include "core/selection/fan_search_catalogue.h"
#include "core/selection/result_energy.h"
#include "core/shell/file_io.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>

#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <vector>
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

FanSearchCriteria CriteriaFor(double flow_m3h, double pressure_pa)
{
    FanSearchCriteria criteria;
    criteria.duty = {flow_m3h / 3600.0, pressure_pa};
    return criteria;
}

// The search as it was: every step of the scan evaluated and the curve files read anew for
// every search (a new data folder has an empty curve cache).
FanSearchOutcome ReferenceSearch(const Catalogue& catalogue, const FanSearchCriteria& criteria)
{
    const DataFolder fresh(catalogue.data.root());
    return SearchFans(catalogue.table, fresh, criteria, NumberFormat::point(), {FindOperatingPointByScan, 0});
}

double Milliseconds(const std::function<void()>& work, int repeats)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i) work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / repeats;
}

// The search the program does, timed by the framework; the reference search at the same
// duty point timed beside it, with the ratio of the two and a check that they agree.
void BM_FanSearch(benchmark::State& state)
{
    const Catalogue& catalogue = SharedCatalogue();
    const FanSearchCriteria criteria = CriteriaFor(static_cast<double>(state.range(0)), static_cast<double>(state.range(1)));
    FanSearchOutcome outcome;
    for (auto _ : state) {
        outcome = SearchFans(catalogue.table, catalogue.data, criteria, NumberFormat::point());
        benchmark::DoNotOptimize(outcome.results.data());
    }
    const FanSearchOutcome reference = ReferenceSearch(catalogue, criteria);
    bool same = reference.results.size() == outcome.results.size();
    for (std::size_t i = 0; same && i < reference.results.size(); ++i) {
        same = reference.results[i].index == outcome.results[i].index
               && std::memcmp(&reference.results[i].Power, &outcome.results[i].Power, sizeof(double)) == 0
               && std::memcmp(&reference.results[i].Efficiency, &outcome.results[i].Efficiency, sizeof(double)) == 0;
    }
    if (!same) state.SkipWithError("the search and the reference scan disagree");
    const double fast_ms = Milliseconds([&] { SearchFans(catalogue.table, catalogue.data, criteria, NumberFormat::point()); }, 5);
    const double reference_ms = Milliseconds([&] { ReferenceSearch(catalogue, criteria); }, 2);
    state.counters["found"] = static_cast<double>(outcome.results.size());
    state.counters["reference_ms"] = reference_ms;
    state.counters["fast_ms"] = fast_ms;
    state.counters["ratio"] = reference_ms / fast_ms;
}

// The search with the energy figures of every result, as `select --energy` gives them; the
// counter is its time over the search's own.
void BM_FanSearchWithEnergyFigures(benchmark::State& state)
{
    const Catalogue& catalogue = SharedCatalogue();
    const FanSearchCriteria criteria = CriteriaFor(static_cast<double>(state.range(0)), static_cast<double>(state.range(1)));
    const auto with_figures = [&] {
        const FanSearchOutcome outcome = SearchFans(catalogue.table, catalogue.data, criteria, NumberFormat::point());
        double total = 0;
        for (const SelectionResult& result : outcome.results) {
            total += ResultEnergyFigures(catalogue.table.at(result.index), catalogue.data, NumberFormat::point(), result,
                                         EnergySettings{}, kCatalogueAirDensity, outcome.curve_use)
                         .sfp;
        }
        benchmark::DoNotOptimize(total);
    };
    for (auto _ : state) with_figures();
    const double plain_ms =
        Milliseconds([&] { SearchFans(catalogue.table, catalogue.data, criteria, NumberFormat::point()); }, 5);
    state.counters["times_search"] = Milliseconds(with_figures, 5) / plain_ms;
}

// A schedule: 1000 random duty points over the same catalogue, read once.
void BM_ScheduleOfThousandDutyPoints(benchmark::State& state)
{
    const Catalogue& catalogue = SharedCatalogue();
    std::mt19937 random(1000);
    std::vector<FanSearchCriteria> duties;
    for (int i = 0; i < 1000; ++i) {
        duties.push_back(CriteriaFor(std::uniform_real_distribution<double>(200, 15000)(random),
                                     std::uniform_real_distribution<double>(20, 600)(random)));
    }
    std::size_t found = 0;
    for (auto _ : state) {
        found = 0;
        // The schedule reads the catalogue once: records and curve files.
        const FanSearchCatalogue records(catalogue.table, catalogue.data, NumberFormat::point());
        const FanSearchOptions options{FindOperatingPoint, catalogue.data.curveCache().beginUse(), &records};
        for (const FanSearchCriteria& criteria : duties) {
            found += SearchFans(catalogue.table, catalogue.data, criteria, NumberFormat::point(), options).results.size();
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["candidates"] = static_cast<double>(found);
}

// A schedule file of 1000 lines, read, selected with two alternatives each and made into the
// result table, as `kalvintera-cli schedule` does.
void BM_ScheduleFileOfThousandLines(benchmark::State& state)
{
    const Catalogue& catalogue = SharedCatalogue();
    std::mt19937 random(1000);
    std::string csv = "tag;flow;pressure\n";
    for (int i = 0; i < 1000; ++i) {
        csv += "F" + std::to_string(i) + ";" + std::to_string(std::uniform_real_distribution<double>(200, 15000)(random)) + ";" +
               std::to_string(std::uniform_real_distribution<double>(20, 600)(random)) + "\n";
    }
    const std::filesystem::path file = catalogue.data.root() / "schedule.csv";
    std::ofstream(file, std::ios::binary) << csv;
    const LanguageTable language;
    std::size_t chosen = 0;
    for (auto _ : state) {
        const ScheduleFile schedule = ReadScheduleFile(file);
        const std::vector<ScheduleRow> rows =
            *SelectSchedule(catalogue.table, catalogue.data, NumberFormat::point(), schedule, ScheduleOptions{});
        const auto table = ScheduleTable(rows, catalogue.table, language, {NumberFormat::point()});
        chosen = static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), [](const ScheduleRow& row) {
            return row.choice() != nullptr;
        }));
        benchmark::DoNotOptimize(table.data());
    }
    state.counters["lines_with_a_fan"] = static_cast<double>(chosen);
}

// Loading the 2000-record database the program reads at every activation.
void BM_LoadDatabase(benchmark::State& state)
{
    const Catalogue& catalogue = SharedCatalogue();
    const std::filesystem::path file = catalogue.data.root() / "urzadzenia.dbx";
    std::vector<DeviceRecord> records;
    for (DeviceIndex i = 1; i <= kDeviceTableSlots; ++i) records.push_back(catalogue.table.at(i));
    WriteDeviceFile(file, records);
    DeviceTable table;
    for (auto _ : state) {
        const int count = LoadDeviceTable(file, table, NumberFormat::comma());
        benchmark::DoNotOptimize(count);
    }
}

} // namespace

// Duty points in m³/h and Pa, from a small extract fan to a large roof unit.
BENCHMARK(BM_FanSearch)->Args({300, 50})->Args({1200, 150})->Args({5000, 300})->Args({15000, 500})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FanSearchWithEnergyFigures)->Args({1200, 150})->Args({5000, 300})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScheduleOfThousandDutyPoints)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ScheduleFileOfThousandLines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
