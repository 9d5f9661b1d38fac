#include "core/humidair/chart_file.h"

#include "core/errors.h"
#include "core/humidair/humid_air_lines.h"
#include "core/message_lines.h"
#include "core/shell/file_io.h"

#include <array>
#include <string>

namespace kalvintera {
namespace {

template <typename Record, typename Encode>
std::string EncodeAll(const std::vector<Record>& records, std::size_t size, Encode encode)
{
    std::string bytes(records.size() * size, '\0');
    for (std::size_t k = 0; k < records.size(); ++k) {
        encode(records[k], reinterpret_cast<std::uint8_t*>(bytes.data()) + k * size);
    }
    return bytes;
}

template <typename Record, typename Decode>
std::vector<Record> ReadRecords(const std::filesystem::path& file, std::size_t size, std::size_t capacity,
                                const char* what, int too_many_line, Decode decode)
{
    const std::string bytes = ReadWholeFile(file);
    if (bytes.size() % size != 0) {
        throw FileError("The file " + PathText(file) + " is damaged: its size of " + std::to_string(bytes.size())
                        + " bytes is not a whole number of " + std::to_string(size) + "-byte records",
                        {message_line::kDamagedFile, {PathText(file)}});
    }
    const std::size_t count = bytes.size() / size;
    if (count > capacity) {
        throw DataError("The file " + PathText(file) + " holds " + std::to_string(count) + " " + what
                        + "; a chart holds at most " + std::to_string(capacity),
                        {too_many_line, {PathText(file), std::to_string(count), std::to_string(capacity)}});
    }
    std::vector<Record> records;
    records.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        records.push_back(decode(reinterpret_cast<const std::uint8_t*>(bytes.data()) + k * size));
    }
    return records;
}

} // namespace

std::filesystem::path ProcessFilePath(const std::filesystem::path& chart_file)
{
    std::string name = chart_file.string();
    if (!name.empty()) name.back() = 'p';
    return std::filesystem::path(name);
}

void WriteChartFiles(const std::filesystem::path& chart_file, const std::vector<ChartPoint>& points,
                     const std::vector<ChartProcess>& processes)
{
    const std::filesystem::path process_file = ProcessFilePath(chart_file);
    // A chart name ending in "p" would be its own process file: the processes would replace the points.
    if (process_file == chart_file) {
        throw FileError("Cannot save the chart as " + PathText(chart_file)
                        + ": its process file would have the same name; choose a name that does not end in \"p\"",
                        {humid_air_line::kProcessFileClash, {PathText(chart_file)}});
    }
    // Written as one: a process file that cannot be written must not leave new points
    // beside the old processes.
    const std::string point_bytes = EncodeAll(points, kChartPointSize, EncodeChartPoint);
    const std::string process_bytes = EncodeAll(processes, kChartProcessSize, EncodeChartProcess);
    const std::array<FileContents, 2> files{FileContents{chart_file, point_bytes}, FileContents{process_file, process_bytes}};
    WriteFilesAtomically(files);
}

std::vector<ChartPoint> ReadChartPointFile(const std::filesystem::path& chart_file)
{
    return ReadRecords<ChartPoint>(chart_file, kChartPointSize, kMaxChartPoints, "points", humid_air_line::kTooManyPoints,
                                   DecodeChartPoint);
}

std::vector<ChartProcess> ReadChartProcessFile(const std::filesystem::path& process_file)
{
    return ReadRecords<ChartProcess>(process_file, kChartProcessSize, kMaxChartProcesses, "processes", humid_air_line::kTooManyProcesses,
                                     DecodeChartProcess);
}

} // namespace kalvintera
