#pragma once

#include "core/text/number_format.h"

#include <cstddef>
#include <filesystem>
#include <vector>

namespace kalvintera {

struct CurvePoint {
    double X = 0; // flow, m³/h
    double Y = 0; // pressure, Pa, or efficiency as a fraction
};

// A tabulated characteristic: points 1 … n in file order, flows strictly increasing.
struct CurveTable {
    std::vector<CurvePoint> points;

    int count() const { return static_cast<int>(points.size()); }
    // 1-based, as segments are counted.
    const CurvePoint& point(int number) const { return points[static_cast<std::size_t>(number - 1)]; }
};

constexpr int kMaxCurvePoints = 500;

// Reads "flow;value" lines: the flow before the first ';', the value after it to the end of
// the line, divided by `divisor` (1 for pressure, 100 for efficiency in percent). Numbers are
// read with the locale's separator as they stand. FileError when the file cannot be read;
// ConversionError for a line that does not read (naming file and line); DataError for fewer
// than 2 or more than 500 points, or flows that do not increase.
CurveTable ReadCurveFile(const std::filesystem::path& file, double divisor, NumberFormat format);

} // namespace kalvintera
