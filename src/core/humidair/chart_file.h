#pragma once

#include "core/humidair/chart_records.h"

#include <filesystem>
#include <vector>

namespace kalvintera {

// A chart file holds its points as 104-byte records and nothing else; its processes go
// to a companion file named like it with the last character replaced by "p" (".ixc" →
// ".ixp"), as 44-byte records.
std::filesystem::path ProcessFilePath(const std::filesystem::path& chart_file);

// Writes both files as one save through temporary files: a failed write leaves both old ones.
// A chart name ending in "p" is refused (FileError): its process file would overwrite it.
// A chart without processes gets an empty process file. FileError naming the path.
void WriteChartFiles(const std::filesystem::path& chart_file, const std::vector<ChartPoint>& points,
                     const std::vector<ChartProcess>& processes);

// FileError for a file that cannot be read or that ends inside a record; DataError for
// more points (processes) than a chart holds.
std::vector<ChartPoint> ReadChartPointFile(const std::filesystem::path& chart_file);
std::vector<ChartProcess> ReadChartProcessFile(const std::filesystem::path& process_file);

} // namespace kalvintera
