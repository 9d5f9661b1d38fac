// schedule: a whole schedule of duty points from a CSV file, each line as the selection
// window would select it, with its alternatives.

#include "cli/command_list.h"
#include "cli/output.h"
#include "cli/session.h"
#include "core/errors.h"
#include "core/schedule/schedule_file.h"
#include "core/schedule/schedule_selection.h"
#include "core/schedule/schedule_table.h"
#include "core/text/csv_text.h"

#include <filesystem>
#include <fstream>

namespace kalvintera::cli {
namespace {

constexpr OptionRule kOptions[] = {
    {"order", "power|efficiency|sfp", "lowest power (default), highest efficiency or lowest SFP first"},
    {"alternatives", "N", "alternatives kept after the chosen fan of each line (default 2)"},
    {"kind", "roof|radial|duct", "fan kind of a line that names none (default roof)"},
    {"no-standard", "", "do not require the standard execution"},
    {"flow-unit", "m3/h|m3/s", "unit of the file's flows (default: the heading's unit, else m3/h)"},
    {"pressure-unit", "Pa|daPa", "unit of the file's pressures (default: the heading's unit, else Pa)"},
    {"format", "table|csv|xlsx", "table for people, csv for programs, or an xlsx workbook (needs --output)"},
    {"output", "FILE", "write the result to FILE instead of the standard output"},
};

int Run(const Arguments& arguments, CommandContext& context)
{
    const std::vector<std::string>& positional = arguments.positional();
    if (positional.size() != 1) throw UsageError("give one schedule file");
    ScheduleOptions options;
    const std::string ordering = arguments.choice("order", {"power", "efficiency", "sfp"}, "power");
    options.ordering = ordering == "efficiency" ? FanOrdering::HighestEfficiency
                       : ordering == "sfp"      ? FanOrdering::LowestSpecificFanPower
                                                : FanOrdering::LowestPower;
    if (arguments.value("alternatives")) {
        const double alternatives = arguments.number("alternatives");
        if (!(alternatives >= 0 && alternatives <= 20) || alternatives != static_cast<int>(alternatives)) {
            throw UsageError("--alternatives takes a whole number 0 to 20");
        }
        options.alternatives = static_cast<int>(alternatives);
    }
    const std::string kind = arguments.choice("kind", {"roof", "radial", "duct"}, "roof");
    options.default_kind = kind == "radial" ? FanKind::Radial : kind == "duct" ? FanKind::Duct : FanKind::Roof;
    options.standard = !arguments.has("no-standard");
    options.flow_unit = arguments.choice("flow-unit", {"m3/h", "m3/s"}, "m3/h") == "m3/s" ? FlowUnit::CubicMetresPerSecond
                                                                                         : FlowUnit::CubicMetresPerHour;
    options.pressure_unit =
        arguments.choice("pressure-unit", {"Pa", "daPa"}, "Pa") == "daPa" ? PressureUnit::Decapascal : PressureUnit::Pascal;
    const std::string format = arguments.choice("format", {"table", "csv", "xlsx"}, "table");
    const std::optional<std::string> output = arguments.value("output");
    if (format == "xlsx" && (!output || output->empty())) throw UsageError("--format xlsx needs --output FILE");

    Session session = OpenSession(arguments);
    const ScheduleFile schedule = ReadScheduleFile(std::filesystem::path(positional.front()));
    // Units the headings name stand for the options left out; given ones must agree with them.
    if (!arguments.has("flow-unit") && schedule.flow_unit) options.flow_unit = *schedule.flow_unit;
    if (!arguments.has("pressure-unit") && schedule.pressure_unit) options.pressure_unit = *schedule.pressure_unit;
    CheckScheduleUnits(schedule, options.flow_unit, options.pressure_unit);
    const std::vector<ScheduleRow> rows =
        *SelectSchedule(session.devices, session.data, session.numbers, schedule, options);
    const auto table =
        ScheduleTable(rows, session.devices, session.language, {session.numbers, options.flow_unit, options.pressure_unit});

    if (format == "xlsx") {
        WriteScheduleXlsx(std::filesystem::path(*output), table, session.numbers);
        return 0;
    }
    std::ofstream file;
    if (output) {
        file.open(std::filesystem::path(*output), std::ios::binary);
        if (!file) throw FileError("Cannot write " + *output, UserMessage{1103, {*output}});
    }
    std::ostream& out = output ? static_cast<std::ostream&>(file) : context.out;
    if (format == "csv") {
        out << CsvText(table);
    } else {
        ResultTable result;
        result.columns = table.front();
        result.rows.assign(table.begin() + 1, table.end());
        WriteResult(out, result, OutputFormat::Table);
    }
    if (output && !file.good()) throw FileError("Cannot write " + *output, UserMessage{1103, {*output}});
    return 0;
}

} // namespace

extern const Command kScheduleCommand{
    "schedule",
    "schedule FILE.csv [options]   every duty point of a schedule, as the selection window selects it",
    kOptions,
    Run,
};

} // namespace kalvintera::cli
