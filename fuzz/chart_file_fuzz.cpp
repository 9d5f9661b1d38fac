// Chart files (".ixc"): the points read, listed, opened in the point dialog and drawn on
// the chart, and saved; a saved chart must read back as it was saved.
#include "fuzz_support.h"

#include "core/humidair/chart_contents.h"
#include "core/humidair/chart_file.h"
#include "core/humidair/chart_points.h"
#include "core/humidair/ix_chart_drawing.h"
#include "core/shell/file_io.h"

#include <cstddef>
#include <cstdint>

using namespace kalvintera;

namespace {

// The traced line families cost far more than the points and take nothing from the file.
constexpr IxChartOptions kPointsOnly{101300, false, false, false};

void ShowPoints(const ChartContents& chart, NumberFormat numbers)
{
    for (const ChartPoint& point : chart.points()) {
        PointTreeLines(point, numbers);
        const PointDataTexts texts = PointDataTextsOf(point, numbers);
        fuzz::Expecting([&] { ComputePointData(texts, PointDataInput::Moisture, point.barometric_pa, numbers); });
        fuzz::Expecting([&] { ComputePointData(texts, PointDataInput::Temperature, 101300, numbers); });
        fuzz::Expecting([&] { PointFromDataTexts(texts, 101300, numbers); });
    }
    DrawIxChart(IxChartGeometry::ForClientArea(700, 650), kPointsOnly, chart.points(), chart.processes(), numbers);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput(data, size, "wykres.ixc");
    const auto saved = file.parent_path() / "saved.ixc";
    std::vector<ChartPoint> points;
    if (!fuzz::Expecting([&] { points = ReadChartPointFile(file); })) return 0;
    ChartContents chart;
    chart.replaceAll(points, {});
    for (NumberFormat numbers : fuzz::kBothSeparators) ShowPoints(chart, numbers);

    WriteChartFiles(saved, points, {});
    const std::string first_save = ReadWholeFile(saved);
    const std::vector<ChartPoint> reopened = ReadChartPointFile(saved);
    fuzz::Require(reopened.size() == points.size(), "a saved chart reopens with another number of points");
    WriteChartFiles(saved, reopened, {});
    fuzz::Require(ReadWholeFile(saved) == first_save, "a saved chart does not read back as it was saved");
    return 0;
}
