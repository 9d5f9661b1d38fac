#pragma once

#include "core/drawing/display_list.h"
#include "core/humidair/chart_contents.h"

#include <QString>

#include <optional>

namespace kalvintera {

struct Program;

// The chart's "Plik..." commands: new, open, save, save the picture. Each returns the
// window's new title when it changes.
class IxChartFiles {
public:
    IxChartFiles(Program& program, ChartContents& contents) : program_(program), contents_(contents) {}

    QString newChart();
    // A chart file that cannot be read leaves the chart as it was; a process file that
    // cannot be read leaves the points read, without processes, and the title as it was.
    std::optional<QString> openChart();
    std::optional<QString> saveChart();
    void saveChartPicture(const DisplayList& picture);

private:
    Program& program_;
    ChartContents& contents_;
};

} // namespace kalvintera
