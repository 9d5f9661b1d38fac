// Process files (".ixp", beside a chart file): the processes read, listed with their heat
// and drawn between the chart's points, and saved; a saved file must read back as it was
// saved.
#include "fuzz_support.h"

#include "core/humidair/chart_contents.h"
#include "core/humidair/chart_file.h"
#include "core/humidair/ix_chart_drawing.h"
#include "core/shell/file_io.h"

#include <cstddef>
#include <cstdint>

using namespace kalvintera;

namespace {

constexpr IxChartOptions kPointsOnly{101300, false, false, false};

// Points for the processes to name: ordinary ones and one far off the chart.
std::vector<ChartPoint> Points()
{
    std::vector<ChartPoint> points(3);
    points[0].name = "A";
    points[0].moisture_kgkg = 0.005;
    points[0].temperature_c = 10;
    points[0].enthalpy_kjkg = 22.6;
    points[0].density_kgm3 = 1.24;
    points[1].name = "B";
    points[1].moisture_kgkg = 0.005;
    points[1].temperature_c = 30;
    points[1].enthalpy_kjkg = 42.9;
    points[1].density_kgm3 = 1.16;
    points[2].name = "1";
    points[2].moisture_kgkg = 1e300;
    points[2].temperature_c = -1e300;
    points[2].enthalpy_kjkg = 1e300;
    points[2].density_kgm3 = 1e300;
    return points;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<ChartPoint> kPoints = Points();
    const auto file = fuzz::WriteInput(data, size, "wykres.ixp");
    const auto saved = file.parent_path() / "saved.ixc";
    std::vector<ChartProcess> processes;
    if (!fuzz::Expecting([&] { processes = ReadChartProcessFile(file); })) return 0;
    ChartContents chart;
    chart.replaceAll(kPoints, processes);
    for (NumberFormat numbers : fuzz::kBothSeparators) {
        ProcessRows(chart, 1000, numbers);
        DrawIxChart(IxChartGeometry::ForClientArea(700, 650), kPointsOnly, chart.points(), chart.processes(), numbers);
    }

    WriteChartFiles(saved, {}, processes);
    const auto saved_processes = ProcessFilePath(saved);
    const std::string first_save = ReadWholeFile(saved_processes);
    const std::vector<ChartProcess> reopened = ReadChartProcessFile(saved_processes);
    fuzz::Require(reopened.size() == processes.size(), "a saved process file reopens with another number of processes");
    WriteChartFiles(saved, {}, reopened);
    fuzz::Require(ReadWholeFile(saved_processes) == first_save, "a saved process file does not read back as it was saved");
    return 0;
}
