#include "core/humidair/chart_contents.h"

#include "core/errors.h"
#include "core/text/code_page.h"

namespace kalvintera {
namespace {

void CheckFits(std::size_t count, std::size_t limit, const char* what)
{
    if (count > limit) {
        throw DataError("A chart holds at most " + std::to_string(limit) + " " + what + ", not "
                        + std::to_string(count));
    }
}

ChartProcess Fitted(ChartProcess process)
{
    process.name = CutToCharacters(process.name, kProcessNameCapacity);
    process.first = CutToCharacters(process.first, kPointNameCapacity);
    process.second = CutToCharacters(process.second, kPointNameCapacity);
    return process;
}

} // namespace

bool ChartContents::nameTaken(const std::string& name, std::optional<std::size_t> except) const
{
    for (std::size_t k = 0; k < points_.size(); ++k) {
        if (k != except && points_[k].name == name) return true;
    }
    return false;
}

void ChartContents::addPoint(ChartPoint point)
{
    CheckFits(points_.size() + 1, kMaxChartPoints, "points");
    point.name = CutToCharacters(point.name, kPointNameCapacity);
    points_.push_back(std::move(point));
    unsaved_ = true;
}

void ChartContents::replacePoint(std::size_t index, ChartPoint point)
{
    if (index >= points_.size()) return;
    point.name = CutToCharacters(point.name, kPointNameCapacity);
    points_[index] = std::move(point);
    unsaved_ = true;
}

void ChartContents::deletePoint(std::size_t index)
{
    if (index >= points_.size()) return;
    points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(index));
    unsaved_ = true;
}

void ChartContents::addProcess(ChartProcess process)
{
    CheckFits(processes_.size() + 1, kMaxChartProcesses, "processes");
    processes_.push_back(Fitted(std::move(process)));
    unsaved_ = true;
}

void ChartContents::replaceProcess(std::size_t index, ChartProcess process)
{
    if (index >= processes_.size()) return;
    processes_[index] = Fitted(std::move(process));
    unsaved_ = true;
}

void ChartContents::setDrawLine(std::size_t index, bool draw)
{
    if (index >= processes_.size() || processes_[index].draw_line == draw) return;
    processes_[index].draw_line = draw;
    unsaved_ = true;
}

void ChartContents::clear()
{
    points_.clear();
    processes_.clear();
    unsaved_ = false;
}

void ChartContents::replaceAll(std::vector<ChartPoint> points, std::vector<ChartProcess> processes)
{
    CheckFits(points.size(), kMaxChartPoints, "points");
    CheckFits(processes.size(), kMaxChartProcesses, "processes");
    points_ = std::move(points);
    processes_ = std::move(processes);
    unsaved_ = false;
}

std::vector<ProcessRow> ProcessRows(const ChartContents& contents, double air_flow_m3h, NumberFormat format)
{
    std::vector<ProcessRow> rows;
    for (const ChartProcess& process : contents.processes()) {
        const std::optional<double> heat = ProcessHeat(contents.points(), process, air_flow_m3h);
        rows.push_back({process.name, process.first, process.second, heat ? FormatShortest(*heat, format) : "",
                        process.draw_line});
    }
    return rows;
}

} // namespace kalvintera
