#pragma once

#include "core/humidair/chart_records.h"
#include "core/text/number_format.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kalvintera {

// The points and processes of the IX chart, for the whole run: only "Nowy" and opening a
// chart replace them. A chart holds at most 100 points and 50 processes.
class ChartContents {
public:
    const std::vector<ChartPoint>& points() const { return points_; }
    const std::vector<ChartProcess>& processes() const { return processes_; }

    bool pointsFull() const { return points_.size() >= kMaxChartPoints; }
    bool processesFull() const { return processes_.size() >= kMaxChartProcesses; }

    // Whether another point than `except` (0-based) already has this name, exactly.
    bool nameTaken(const std::string& name, std::optional<std::size_t> except = std::nullopt) const;

    // DataError when the chart is full; nothing changes then.
    void addPoint(ChartPoint point);
    void replacePoint(std::size_t index, ChartPoint point);
    // The points after it move up; processes naming it stay.
    void deletePoint(std::size_t index);

    void addProcess(ChartProcess process);
    void replaceProcess(std::size_t index, ChartProcess process);
    void setDrawLine(std::size_t index, bool draw);

    // A new chart, or the chart as read from its files: nothing to save.
    void clear();
    // DataError when either list is over its limit; nothing changes then.
    void replaceAll(std::vector<ChartPoint> points, std::vector<ChartProcess> processes);

    // Whether a point or process changed since the chart was started anew, opened or saved.
    bool unsaved() const { return unsaved_; }
    void markSaved() { unsaved_ = false; }

private:
    std::vector<ChartPoint> points_;
    std::vector<ChartProcess> processes_;
    bool unsaved_ = false;
};

// One line of the process list ("LISTA PRZEMIAN").
struct ProcessRow {
    std::string name;
    std::string first;
    std::string second;
    std::string heat_kw; // empty when a named point no longer exists
    bool draw_line = true;
};

std::vector<ProcessRow> ProcessRows(const ChartContents& contents, double air_flow_m3h, NumberFormat format);

} // namespace kalvintera
