#pragma once

#include "core/drawing/display_list.h"
#include "core/humidair/chart_records.h"
#include "core/humidair/ix_chart_geometry.h"
#include "core/text/number_format.h"

#include <vector>

namespace kalvintera {

// What the chart settings ("USTAWIENIA") decide about the picture.
struct IxChartOptions {
    double barometric_pa = 101300;
    bool humidity_lines = true; // red
    bool density_lines = true;  // green
    bool enthalpy_lines = true; // blue
};

// The whole picture: frame, axes and grid, the line families in the order enthalpy,
// relative humidity, density, then the points and the lines of the processes that draw
// one (a process whose point no longer exists draws none).
DisplayList DrawIxChart(const IxChartGeometry& geometry, const IxChartOptions& options,
                        const std::vector<ChartPoint>& points, const std::vector<ChartProcess>& processes,
                        NumberFormat format);

} // namespace kalvintera
