// operating-point: where one fan's characteristic meets the system curve through a duty point.

#include "cli/command_list.h"
#include "cli/output.h"
#include "cli/session.h"
#include "core/catalogue/fan_curves.h"
#include "core/errors.h"

namespace kalvintera::cli {
namespace {

constexpr OptionRule kOptions[] = {
    {"model", "MODEL", "type code of the fan"},
    {"flow", "V", "required flow, m3/s"},
    {"pressure", "DP", "required pressure, Pa"},
    kFormatOption,
};

int Run(const Arguments& arguments, CommandContext& context)
{
    arguments.expectPositional({});
    const auto model = arguments.value("model");
    if (!model) throw UsageError("--model is required");
    const double flow = arguments.number("flow");
    const double pressure = arguments.number("pressure");
    if (!(flow > 0) || !(pressure > 0)) throw UsageError("--flow and --pressure must be above zero");
    const OutputFormat format = ReadOutputFormat(arguments);

    const Session session = OpenSession(arguments);
    const auto index = FindDeviceByModel(session.devices, *model);
    if (!index) throw DataError("No device of type \"" + *model + "\" in the catalogue");
    const DeviceRecord& record = session.devices.at(*index);
    const FanCharacteristic fan = ReadFanCharacteristic(record, session.data, session.numbers);
    const OperatingPoint point =
        FindOperatingPoint(fan, ReadFlowRange(record, session.numbers), SystemCoefficient(flow, pressure));

    ResultTable table;
    table.columns = {"model", "flow", "pressure", "efficiency", "power"};
    table.rows.push_back({record.Model, ExactNumber(point.Flow), ExactNumber(point.Pressure),
                          ExactNumber(point.Efficiency), ExactNumber(point.Power)});
    WriteResult(context.out, table, format);
    return 0;
}

} // namespace

extern const Command kOperatingPointCommand{
    "operating-point",
    "operating-point --model MODEL --flow V --pressure DP   operating point of one fan (m3/s, Pa)",
    kOptions,
    Run,
};

} // namespace kalvintera::cli
