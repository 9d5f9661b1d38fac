#include "core/humidair/ix_chart_drawing.h"

#include "core/humidair/ix_chart_lines.h"

#include <string>

namespace kalvintera {
namespace {

constexpr Pen kAxisPen{colours::kBlack, 1, PenStyle::Solid};
constexpr Pen kGridPen{colours::kSilver, 1, PenStyle::Solid};
constexpr Pen kEnthalpyPen{colours::kBlue, 1, PenStyle::Solid};
constexpr Pen kHumidityPen{colours::kRed, 1, PenStyle::Solid};
constexpr Pen kDensityPen{colours::kGreen, 1, PenStyle::Solid};
constexpr Pen kPointPen{colours::kBlack, 2, PenStyle::Solid};

// A line between two chart positions.
void ChartLine(DisplayList& list, const IxChartGeometry& g, ChartPosition from, ChartPosition to, Pen pen)
{
    list.line(g.pixel(from), g.pixel(to), pen);
}

void ChartText(DisplayList& list, const IxChartGeometry& g, int cx, int cy, std::string text, Colour colour)
{
    const PixelPoint at = g.pixel(cx, cy);
    list.text(at.x, at.y, std::move(text), colour);
}

void DrawFrame(DisplayList& list, const IxChartGeometry& g, NumberFormat format)
{
    const int w = g.width;
    const int h = g.height;
    ChartLine(list, g, {20, 20}, {w - 10, 20}, kAxisPen);
    ChartLine(list, g, {w - 10, 20}, {w - 20, 25}, kAxisPen);
    ChartLine(list, g, {w - 10, 20}, {w - 20, 15}, kAxisPen);
    ChartLine(list, g, {20, 20}, {20, h - 10}, kAxisPen);
    ChartLine(list, g, {20, h - 10}, {15, h - 20}, kAxisPen);
    ChartLine(list, g, {20, h - 10}, {25, h - 20}, kAxisPen);
    for (int k = 1; k <= 7; ++k) {
        const int cx = RoundPixel(5 * k * g.kx) + 20;
        ChartLine(list, g, {cx, 15}, {cx, 25}, kAxisPen);
        ChartText(list, g, cx - 5, 14, FormatShortest(5 * k, format), colours::kBlack);
    }
    for (int k = 1; k <= 13; ++k) {
        const int cy = RoundPixel(5 * k * g.ky) + 20;
        ChartLine(list, g, {15, cy}, {25, cy}, kAxisPen);
        ChartText(list, g, 0, cy + 5, FormatShortest(5 * k - 30, format), colours::kBlack);
    }
    for (int k = 1; k <= 38; ++k) {
        const int cx = RoundPixel(k * g.kx) + 20;
        ChartLine(list, g, {cx, 25}, {cx, h}, kGridPen);
    }
    for (int k = 1; k <= 72; ++k) {
        const int cy = RoundPixel(k * g.ky) + 20;
        ChartLine(list, g, {25, cy}, {w, cy}, kGridPen);
    }
    ChartText(list, g, w - 60, 40, "X [g/kg]", colours::kBlack);
    ChartText(list, g, 25, h, "t [C]", colours::kBlack);
}

void DrawTraced(DisplayList& list, const TracedLine& line, Pen pen)
{
    list.polyline(line.points, pen);
    list.text(line.label_at.x, line.label_at.y, line.label, pen.colour);
}

void DrawPointsAndProcesses(DisplayList& list, const IxChartGeometry& g, const std::vector<ChartPoint>& points,
                            const std::vector<ChartProcess>& processes)
{
    const auto position = [&g](const ChartPoint& p) {
        return ChartToPixel(g, {p.moisture_kgkg, p.temperature_c});
    };
    for (const ChartPoint& point : points) {
        const ChartPosition at = position(point);
        const PixelPoint centre = g.pixel(at);
        list.ellipse(centre.x - 5, centre.y - 5, centre.x + 5, centre.y + 5, kPointPen);
        ChartText(list, g, at.cx - 10, at.cy - 10, point.name, colours::kBlack);
    }
    for (const ChartProcess& process : processes) {
        if (!process.draw_line) continue;
        const ChartPoint* first = FindChartPoint(points, process.first);
        const ChartPoint* second = FindChartPoint(points, process.second);
        if (first && second) ChartLine(list, g, position(*first), position(*second), kPointPen);
    }
}

} // namespace

DisplayList DrawIxChart(const IxChartGeometry& g, const IxChartOptions& options, const std::vector<ChartPoint>& points,
                        const std::vector<ChartProcess>& processes, NumberFormat format)
{
    DisplayList list;
    list.width = g.width;
    list.height = g.height;
    list.background = colours::kWhite;
    DrawFrame(list, g, format);
    const double pb = options.barometric_pa;
    if (options.enthalpy_lines) {
        for (double i : EnthalpyLineValues()) DrawTraced(list, TraceEnthalpyLine(g, i, pb, format), kEnthalpyPen);
    }
    if (options.humidity_lines) {
        for (double phi : HumidityLineValues()) DrawTraced(list, TraceHumidityLine(g, phi, pb, format), kHumidityPen);
    }
    if (options.density_lines) {
        for (double rho : DensityLineValues(pb)) {
            if (const auto line = TraceDensityLine(g, rho, pb, format)) DrawTraced(list, *line, kDensityPen);
        }
    }
    DrawPointsAndProcesses(list, g, points, processes);
    return list;
}

} // namespace kalvintera
