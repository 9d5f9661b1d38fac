#pragma once

#include "core/text/number_format.h"

#include <cstddef>
#include <filesystem>
#include <memory>
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

// A curve table shared between the curve cache and every characteristic read from it:
// a search hands tables on without copying them.
class SharedCurveTable {
public:
    SharedCurveTable() = default;
    SharedCurveTable(CurveTable table) : table_(std::make_shared<const CurveTable>(std::move(table))) {}
    SharedCurveTable(std::shared_ptr<const CurveTable> table) : table_(std::move(table)) {}

    const CurveTable& table() const
    {
        static const CurveTable kEmpty;
        return table_ ? *table_ : kEmpty;
    }
    operator const CurveTable&() const { return table(); }
    int count() const { return table().count(); }
    const CurvePoint& point(int number) const { return table().point(number); }

private:
    std::shared_ptr<const CurveTable> table_;
};

constexpr int kMaxCurvePoints = 500;

// Reads "flow;value" lines: the flow before the first ';', the value after it to the end of
// the line, divided by `divisor` (1 for pressure, 100 for efficiency in percent). Numbers are
// read with the locale's separator as they stand. FileError when the file cannot be read;
// ConversionError for a line that does not read (naming file and line); DataError for fewer
// than 2 or more than 500 points, or flows that do not increase.
CurveTable ReadCurveFile(const std::filesystem::path& file, double divisor, NumberFormat format);

} // namespace kalvintera
