#pragma once

#include "core/catalogue/device_table.h"
#include "core/schedule/schedule_selection.h"
#include "core/shell/language_table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kalvintera {

// The schedule's results as a table of texts: the columns of `kScheduleColumns`, one row per
// line. Values as the selection window shows them (its rounding, its units); a bad line's
// message in the reader's language.
inline constexpr const char* kScheduleColumns[] = {
    "line",           "tag",    "flow",  "pressure", "kind",         "quantity",    "index",   "model",
    "operating_flow", "operating_pressure", "efficiency_pct", "power_w", "sfp", "sound", "alternatives", "message",
};
inline constexpr std::size_t kScheduleColumnCount = std::size(kScheduleColumns);

struct ScheduleTableFormat {
    NumberFormat numbers;
    FlowUnit flow_unit = FlowUnit::CubicMetresPerHour;
    PressureUnit pressure_unit = PressureUnit::Pascal;
};

// "roof", "radial" or "duct".
const char* FanKindName(FanKind kind);

// The message of a bad line in the reader's language; empty for a good line.
std::string ScheduleMessage(const ScheduleRow& row, const LanguageTable& language);

std::vector<std::string> ScheduleTableRow(const ScheduleRow& row, const DeviceTable& devices, const LanguageTable& language,
                                          const ScheduleTableFormat& format);

// The header row (the column names) and a row per line.
std::vector<std::vector<std::string>> ScheduleTable(const std::vector<ScheduleRow>& rows, const DeviceTable& devices,
                                                    const LanguageTable& language, const ScheduleTableFormat& format);

// The table as an XLSX workbook of one sheet (numbers as numbers), written through a
// temporary file so a failed write leaves an old file as it was. FileError naming the file.
void WriteScheduleXlsx(const std::filesystem::path& file, const std::vector<std::vector<std::string>>& table,
                       NumberFormat numbers);

} // namespace kalvintera
