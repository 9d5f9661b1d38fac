// select: the fan search of the selection window, with the window's defaults.

#include "cli/command_list.h"
#include "cli/output.h"
#include "cli/session.h"
#include "core/selection/fan_result_row.h"
#include "core/selection/fan_search.h"
#include "core/selection/result_energy.h"

#include <sstream>

namespace kalvintera::cli {
namespace {

constexpr OptionRule kOptions[] = {
    {"flow", "V", "required air flow, in the flow unit"},
    {"pressure", "DP", "required static pressure, in the pressure unit"},
    {"flow-unit", "m3/h|m3/s", "unit of --flow (default m3/h)"},
    {"pressure-unit", "Pa|daPa", "unit of --pressure (default Pa)"},
    {"order", "power|efficiency|sfp", "lowest power (default), highest efficiency or lowest SFP first"},
    {"energy", "", "append the operating point and energy figures to every row"},
    {"hours", "H", "operating hours per year for the energy figures (default 4000)"},
    {"price", "P", "price of a kWh for the energy figures (default 1)"},
    {"density", "RHO", "air density, kg/m3: scales the catalogue's characteristics (held for 1.2)"},
    {"kind", "roof|radial|duct", "fan kind (default roof)"},
    {"no-standard", "", "do not require the standard execution"},
    {"advanced", "", "apply the advanced criteria below"},
    {"voltage", "T", "230 or 400 filter the supply; anything else does not"},
    {"max-power", "KW", "highest motor power"},
    {"max-sound", "DBA", "highest sound level at 1 m"},
    {"direction", "any|horizontal|vertical", "discharge direction of roof fans"},
    {"exec", "T40,T60,K,EX,D", "executions the fan must be offered in"},
    {"series", "TEXT", "series code the type must contain"},
    kFormatOption,
};


FanExecutions ReadExecutions(const std::string& list)
{
    FanExecutions executions;
    std::stringstream stream(list);
    std::string code;
    while (std::getline(stream, code, ',')) {
        if (code == "T40") executions.heat40 = true;
        else if (code == "T60") executions.heat60 = true;
        else if (code == "K") executions.chemical = true;
        else if (code == "EX") executions.explosion_proof = true;
        else if (code == "D") executions.two_speed = true;
        else throw UsageError("--exec takes T40, T60, K, EX and D, not \"" + code + "\"");
    }
    return executions;
}

int Run(const Arguments& arguments, CommandContext& context)
{
    arguments.expectPositional({});
    const std::string flow = RequiredNumberText(arguments, "flow");
    const std::string pressure = RequiredNumberText(arguments, "pressure");
    const FlowUnit flow_unit = arguments.choice("flow-unit", {"m3/h", "m3/s"}, "m3/h") == "m3/s"
                                   ? FlowUnit::CubicMetresPerSecond
                                   : FlowUnit::CubicMetresPerHour;
    const PressureUnit pressure_unit =
        arguments.choice("pressure-unit", {"Pa", "daPa"}, "Pa") == "daPa" ? PressureUnit::Decapascal : PressureUnit::Pascal;

    FanSearchCriteria criteria;
    const std::string ordering = arguments.choice("order", {"power", "efficiency", "sfp"}, "power");
    criteria.ordering = ordering == "efficiency" ? FanOrdering::HighestEfficiency
                        : ordering == "sfp"      ? FanOrdering::LowestSpecificFanPower
                                                 : FanOrdering::LowestPower;
    const std::string kind = arguments.choice("kind", {"roof", "radial", "duct"}, "roof");
    criteria.kind = kind == "radial" ? FanKind::Radial : kind == "duct" ? FanKind::Duct : FanKind::Roof;
    criteria.standard = !arguments.has("no-standard");
    criteria.advanced = arguments.has("advanced");
    criteria.voltage = arguments.valueOr("voltage", "---");
    criteria.series = arguments.valueOr("series", "");
    criteria.max_power_kw = OptionalNumberText(arguments, "max-power");
    criteria.max_sound_dba = OptionalNumberText(arguments, "max-sound");
    const std::string direction = arguments.choice("direction", {"any", "horizontal", "vertical"}, "any");
    criteria.direction = direction == "horizontal" ? DischargeFilter::Horizontal
                         : direction == "vertical" ? DischargeFilter::Vertical
                                                   : DischargeFilter::Any;
    criteria.executions = ReadExecutions(arguments.valueOr("exec", ""));
    const OutputFormat format = ReadOutputFormat(arguments);
    const bool energy = arguments.has("energy");
    FanSearchOptions options;
    EnergySettings energy_settings;

    const Session session = OpenSession(arguments);
    const DutyPointReading duty = ReadDutyPoint({flow, pressure, flow_unit, pressure_unit}, session.numbers);
    if (duty.message_line != 0) return ReportMessage(session, duty.message_line, context.err);
    criteria.duty = duty.duty;

    if (const auto hours = OptionalNumberText(arguments, "hours"); !hours.empty()) {
        energy_settings.hours_per_year = ParseNumber(NormalizeDecimal(hours, session.numbers), session.numbers);
    }
    if (const auto price = OptionalNumberText(arguments, "price"); !price.empty()) {
        energy_settings.price_per_kwh = ParseNumber(NormalizeDecimal(price, session.numbers), session.numbers);
    }
    if (const auto density = OptionalNumberText(arguments, "density"); !density.empty()) {
        options.air_density = ParseNumber(NormalizeDecimal(density, session.numbers), session.numbers);
        if (!(options.air_density > 0)) throw UsageError("--density must be above 0");
    }
    const FanSearchOutcome outcome = SearchFans(session.devices, session.data, criteria, session.numbers, options);
    ReportProblems(outcome.problems, context.err);
    if (outcome.message_line != 0) return ReportMessage(session, outcome.message_line, context.err);

    const FanRowOptions row_options{criteria.advanced, criteria.voltage, flow_unit};
    ResultTable table;
    table.columns = {"index", "model",   "voltage", "motor_power", "current",       "max_flow",
                     "speed", "sound",   "mass",    "efficiency_pct", "power_w"};
    if (energy) {
        table.columns.insert(table.columns.end(),
                             {"operating_flow", "operating_pressure", "sfp", "sfp_category", "peak_efficiency_pct",
                              "bep_flow", "efficiency_ratio_pct", "stall", "annual_kwh", "annual_cost"});
    }
    // Exact figures, not rounded: the shortest form that reads back as the same number.
    const auto exact = [](double value) { return ShortestExactNumber(value); };
    const double flow_factor = flow_unit == FlowUnit::CubicMetresPerHour ? 3600.0 : 1.0;
    for (const SelectionResult& result : outcome.results) {
        const DeviceRecord& record = session.devices.at(result.index);
        const FanResultRow row = MakeFanResultRow(record, result, row_options, session.numbers);
        std::vector<std::string> cells{std::to_string(result.index), row.model, row.voltage, row.motor_power,
                                       row.current, row.max_flow, row.speed, row.sound, row.mass, row.efficiency_pct,
                                       row.power_w};
        if (energy) {
            const EnergyFigures f = ResultEnergyFigures(record, session.data, session.numbers, result, energy_settings,
                                                        options.air_density, outcome.curve_use);
            cells.insert(cells.end(), {exact(result.Flow * flow_factor), exact(result.Pressure), exact(f.sfp),
                                       std::to_string(f.sfp_category), exact(f.best.efficiency * 100.0),
                                       exact(f.best.flow_m3s * flow_factor), exact(f.efficiency_ratio_pct),
                                       f.stall ? "1" : "0", exact(f.annual_kwh), exact(f.annual_cost)});
        }
        table.rows.push_back(std::move(cells));
    }
    WriteResult(context.out, table, format);
    return 0;
}

} // namespace

extern const Command kSelectCommand{
    "select",
    "select --flow V --pressure DP [options]   fans for a duty point, best first",
    kOptions,
    Run,
};

} // namespace kalvintera::cli
