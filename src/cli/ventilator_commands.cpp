// cylindrical and integrated: the two gravity ventilator searches of the selection window.

#include "cli/command_list.h"
#include "cli/output.h"
#include "cli/session.h"
#include "core/selection/ventilator_search.h"

namespace kalvintera::cli {
namespace {


int WriteVentilators(const Session& session, const std::vector<VentilatorResult>& results, const Arguments& arguments,
                     CommandContext& context)
{
    ResultTable table;
    table.columns = {"index", "model", "wind", "capacity", "colour"};
    for (const VentilatorResult& result : results) {
        table.rows.push_back({std::to_string(result.device_index), session.devices.at(result.device_index).Model,
                              result.wind_text, result.capacity_text, result.colour_text});
    }
    WriteResult(context.out, table, ReadOutputFormat(arguments));
    return 0;
}

constexpr OptionRule kCylindricalOptions[] = {
    {"flow", "V", "required flow, m3/h"},
    {"wind", "W", "mean wind speed, m/s"},
    {"colour", "TEXT", "colour (default STANDARD)"},
    kFormatOption,
};

int RunCylindrical(const Arguments& arguments, CommandContext& context)
{
    arguments.expectPositional({});
    ReadOutputFormat(arguments);
    const CylindricalSearchInput input{RequiredNumberText(arguments, "flow"), RequiredNumberText(arguments, "wind"),
                                       arguments.valueOr("colour", "STANDARD")};
    const Session session = OpenSession(arguments);
    const CylindricalSearchResult found = SelectCylindricalVentilators(session.devices, input, session.numbers);
    if (found.message_line != 0) return ReportMessage(session, found.message_line, context.err);
    return WriteVentilators(session, found.results, arguments, context);
}

constexpr OptionRule kIntegratedOptions[] = {
    {"flow", "V", "required flow, in the flow unit"},
    {"ti", "T", "inside temperature, °C"},
    {"te", "T", "outside temperature, °C"},
    {"wind", "W", "wind speed, m/s (0, 2, 3, 4 or 5)"},
    {"height", "H", "room height, m"},
    {"flow-unit", "m3/h|m3/s", "unit of --flow (default m3/h)"},
    {"colour", "TEXT", "colour (default STANDARD)"},
    kFormatOption,
};

int RunIntegrated(const Arguments& arguments, CommandContext& context)
{
    arguments.expectPositional({});
    ReadOutputFormat(arguments);
    IntegratedSearchInput input;
    input.flow_text = RequiredNumberText(arguments, "flow");
    input.inside_temperature_text = RequiredNumberText(arguments, "ti");
    input.outside_temperature_text = RequiredNumberText(arguments, "te");
    input.wind_text = RequiredNumberText(arguments, "wind");
    input.height_text = RequiredNumberText(arguments, "height");
    input.colour_text = arguments.valueOr("colour", "STANDARD");
    input.flow_unit = arguments.choice("flow-unit", {"m3/h", "m3/s"}, "m3/h") == "m3/s" ? FlowUnit::CubicMetresPerSecond
                                                                                    : FlowUnit::CubicMetresPerHour;
    const Session session = OpenSession(arguments);
    // The stack pressure is computed for the air state of the settings, as in the program.
    input.atmospheric_pressure_text = session.settings.atmosphericPressure;
    input.humidity_text = session.settings.humidity;
    const IntegratedSearchResult found = SelectIntegratedVentilators(session.devices, input, session.numbers);
    if (found.message_line != 0) return ReportMessage(session, found.message_line, context.err);
    return WriteVentilators(session, found.results, arguments, context);
}

} // namespace

extern const Command kCylindricalCommand{
    "cylindrical",
    "cylindrical --flow V --wind W   wind-driven roof ventilators for a flow (m3/h)",
    kCylindricalOptions,
    RunCylindrical,
};

extern const Command kIntegratedCommand{
    "integrated",
    "integrated --flow V --ti T --te T --wind W --height H   stack-driven roof ventilators",
    kIntegratedOptions,
    RunIntegrated,
};

} // namespace kalvintera::cli
