#include "core/schedule/schedule_table.h"

#include "core/errors.h"
#include "core/selection/fan_result_row.h"
#include "core/shell/file_io.h"
#include "core/text/message_format.h"

#include <xlsxwriter.h>

#include <cmath>
#include <system_error>

namespace kalvintera {

const char* FanKindName(FanKind kind)
{
    switch (kind) {
    case FanKind::Radial: return "radial";
    case FanKind::Duct: return "duct";
    case FanKind::Roof: break;
    }
    return "roof";
}

std::string ScheduleMessage(const ScheduleRow& row, const LanguageTable& language)
{
    if (row.message_line == 0) return {};
    return FormatMessage(MessageText(language, row.message_line), row.message_values);
}

std::vector<std::string> ScheduleTableRow(const ScheduleRow& row, const DeviceTable& devices, const LanguageTable& language,
                                          const ScheduleTableFormat& format)
{
    std::vector<std::string> cells{std::to_string(row.source.line), row.source.tag, row.source.flow, row.source.pressure,
                                   FanKindName(row.kind), std::to_string(row.quantity)};
    const SelectionResult* choice = row.choice();
    if (choice != nullptr) {
        const DeviceRecord& record = devices.at(choice->index);
        FanRowOptions options;
        options.flow_unit = format.flow_unit;
        options.pressure_unit = format.pressure_unit;
        const FanResultRow shown = MakeFanResultRow(record, *choice, options, format.numbers);
        std::string alternatives;
        for (std::size_t i = 0; i < row.candidates.size(); ++i) {
            if (i == row.chosen) continue;
            if (!alternatives.empty()) alternatives += '|';
            alternatives += devices.at(row.candidates[i].index).Model;
        }
        cells.insert(cells.end(), {std::to_string(choice->index), record.Model, shown.operating_flow, shown.operating_pressure,
                                   shown.efficiency_pct, shown.power_w, shown.sfp, shown.sound, alternatives});
    } else {
        cells.insert(cells.end(), 9, std::string());
    }
    cells.push_back(ScheduleMessage(row, language));
    return cells;
}

std::vector<std::vector<std::string>> ScheduleTable(const std::vector<ScheduleRow>& rows, const DeviceTable& devices,
                                                    const LanguageTable& language, const ScheduleTableFormat& format)
{
    std::vector<std::vector<std::string>> table;
    table.emplace_back(std::begin(kScheduleColumns), std::end(kScheduleColumns));
    for (const ScheduleRow& row : rows) table.push_back(ScheduleTableRow(row, devices, language, format));
    return table;
}

void WriteScheduleXlsx(const std::filesystem::path& file, const std::vector<std::vector<std::string>>& table,
                       NumberFormat numbers)
{
    // libxlsxwriter writes to a name of its own: a temporary one beside the file, renamed over
    // it only once the workbook is complete.
    const std::filesystem::path temporary = file.string() + ".tmp-xlsx";
    lxw_workbook* workbook = workbook_new(temporary.string().c_str());
    if (workbook == nullptr) throw FileError("Cannot write " + PathText(file), UserMessage{1103, {PathText(file)}});
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format* heading = workbook_add_format(workbook);
    format_set_bold(heading);
    for (std::size_t r = 0; r < table.size() && r < LXW_ROW_MAX; ++r) {
        for (std::size_t c = 0; c < table[r].size() && c < LXW_COL_MAX; ++c) {
            const std::string& text = table[r][c];
            const auto row = static_cast<lxw_row_t>(r);
            const auto col = static_cast<lxw_col_t>(c);
            if (r == 0) {
                worksheet_write_string(sheet, row, col, text.c_str(), heading);
                continue;
            }
            // A cell that reads wholly as a number is stored as one, so the sheet can sum it.
            try {
                const double value = ParseNumber(text, numbers);
                if (std::isfinite(value) && !text.empty()) {
                    worksheet_write_number(sheet, row, col, value, nullptr);
                    continue;
                }
            } catch (const ConversionError&) {
            }
            worksheet_write_string(sheet, row, col, text.c_str(), nullptr);
        }
    }
    worksheet_freeze_panes(sheet, 1, 0);
    const lxw_error error = workbook_close(workbook);
    std::error_code ignored;
    if (error != LXW_NO_ERROR) {
        std::filesystem::remove(temporary, ignored);
        throw FileError("Cannot write " + PathText(file) + ": " + lxw_strerror(error), UserMessage{1103, {PathText(file)}});
    }
    std::error_code renamed;
    std::filesystem::rename(temporary, file, renamed);
    if (renamed) {
        std::filesystem::remove(temporary, ignored);
        throw FileError("Cannot write " + PathText(file), UserMessage{1103, {PathText(file)}});
    }
}

} // namespace kalvintera
