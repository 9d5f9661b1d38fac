#pragma once

#include "core/shell/units.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// One data row of a schedule: the texts of the recognised columns as written in the file
// (trimmed of surrounding blanks), empty where the column is absent or the cell empty.
// Numbers stay texts, with a comma or a point: the caller reads them in its number format.
struct ScheduleLine {
    int line = 0; // 1-based number of the data row (the row after the header is 1)
    std::string tag;
    std::string flow;
    std::string pressure;
    std::string kind;
    std::string voltage;
    std::string max_sound;
    std::string max_power;
    std::string direction;
    std::string quantity;
};

struct ScheduleFile {
    char separator = ';';
    std::vector<ScheduleLine> lines;
    // The unit a flow or pressure heading names ("Wydajność [m3/h]"), and the heading as written.
    std::optional<FlowUnit> flow_unit;
    std::optional<PressureUnit> pressure_unit;
    std::string flow_heading;
    std::string pressure_heading;
};

inline constexpr std::size_t kMaxScheduleLines = 10000;

// Parses the bytes of a schedule file: CSV as spreadsheets write it (';' or ',', quoted
// cells), UTF-8 with or without a byte order mark, or CP1250 when not valid UTF-8. The first
// row names the columns; blank rows are left out but keep their place in `line`, so row
// `line + 1` of the sheet is the one meant. A heading may add its unit in brackets; the
// flow's and pressure's must be m3/h or m3/s and Pa or daPa. DataError when no header row
// with at least the flow and pressure columns is recognised, when one of them names another
// unit, or when it holds more than kMaxScheduleLines data rows.
ScheduleFile ParseScheduleFile(std::string_view bytes);

// Reads and parses the file; FileError naming the path when it cannot be read, plus the
// errors of ParseScheduleFile.
ScheduleFile ReadScheduleFile(const std::filesystem::path& file);

// The schedule's numbers are read in the units the program works in; a heading that names
// another one is refused (DataError naming the heading and the unit read), as its numbers
// would be taken for something they are not.
void CheckScheduleUnits(const ScheduleFile& schedule, FlowUnit flow_unit, PressureUnit pressure_unit);

} // namespace kalvintera
