#include "core/catalogue/curve_file.h"

#include "core/errors.h"
#include "core/shell/file_io.h"

#include <string>

namespace kalvintera {

CurveTable ReadCurveFile(const std::filesystem::path& file, double divisor, NumberFormat format)
{
    const std::vector<std::string> lines = SplitLines(ReadWholeFile(file));
    const std::string where = "Curve file " + PathText(file);
    if (lines.size() > static_cast<std::size_t>(kMaxCurvePoints)) {
        throw DataError(where + " has " + std::to_string(lines.size()) + " lines; at most "
                        + std::to_string(kMaxCurvePoints) + " points are allowed");
    }
    CurveTable table;
    table.points.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t semicolon = line.find(';');
        const std::string flow_text = line.substr(0, semicolon);
        const std::string value_text = semicolon == std::string::npos ? std::string() : line.substr(semicolon + 1);
        CurvePoint point;
        try {
            point.X = ParseNumber(flow_text, format);
            point.Y = ParseNumber(value_text, format) / divisor;
        } catch (const ConversionError& error) {
            throw ConversionError(where + ", line " + std::to_string(i + 1) + ": " + error.what());
        }
        if (!table.points.empty() && point.X <= table.points.back().X) {
            throw DataError(where + ", line " + std::to_string(i + 1) + ": the flows must increase from line to line");
        }
        table.points.push_back(point);
    }
    if (table.points.size() < 2) {
        throw DataError(where + " holds " + std::to_string(table.points.size())
                        + " points; a characteristic needs at least 2");
    }
    return table;
}

} // namespace kalvintera
