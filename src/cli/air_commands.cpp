// air and ix-readout: the humid-air calculator and the state the IX chart reads out under
// the pointer.

#include "cli/calculator_support.h"
#include "cli/command_list.h"
#include "cli/output.h"
#include "cli/session.h"
#include "core/errors.h"
#include "core/humidair/air_calculator.h"
#include "core/humidair/ix_readout_state.h"

#include <cmath>
#include <map>

namespace kalvintera::cli {
namespace {

// The calculator refuses an impossible state with this text of its own, in every language.
constexpr const char* kInvalidAirMessage = "Niedozwolone dane parametrów";

constexpr OptionRule kAirOptions[] = {
    {"pb", "PA", "barometric pressure, Pa"},
    {"i", "KJKG", "enthalpy, kJ/kg"},
    {"x", "KGKG", "moisture content, kg/kg"},
    {"t", "C", "air temperature, °C"},
    {"phi", "PCT", "relative humidity, %"},
    kFormatOption,
};

// The option's text with the point as separator, or empty when it is not given: the
// calculator picks its pair by the fields that hold text.
std::string InputText(const Arguments& arguments, std::string_view name)
{
    return arguments.optionalNumber(name) ? NormalizeDecimal(*arguments.value(name), NumberFormat::point())
                                          : std::string();
}

int RunAir(const Arguments& arguments, CommandContext& context)
{
    arguments.expectPositional({});
    const OutputFormat format = ReadOutputFormat(arguments);
    AirCalculatorTexts texts;
    texts.barometric = NormalizeDecimal(RequiredNumberText(arguments, "pb"), NumberFormat::point());
    texts.enthalpy = InputText(arguments, "i");
    texts.moisture = InputText(arguments, "x");
    texts.temperature = InputText(arguments, "t");
    texts.humidity = InputText(arguments, "phi");

    const std::optional<AirCalculation> calculation = CalculateAir(texts, NumberFormat::point());
    if (!calculation) throw UsageError("give two of --i, --x, --t and --phi");
    if (!calculation->state) throw DataError(kInvalidAirMessage);
    const HumidAirState& s = *calculation->state;

    struct Column {
        const char* name;
        AirField field;
        double value;
    };
    const Column columns[] = {
        {"i", AirField::Enthalpy, s.enthalpy_kjkg},     {"x", AirField::Moisture, s.moisture_kgkg},
        {"t", AirField::Temperature, s.temperature_c},  {"phi", AirField::Humidity, s.humidity_percent},
        {"ps", AirField::Saturation, s.saturation_pa},  {"pp", AirField::Vapour, s.vapour_pa},
        {"pg", AirField::DryAir, s.dry_air_pa},         {"tr", AirField::DewPoint, s.dew_point_c},
        {"tm", AirField::WetBulb, s.wet_bulb_c},        {"rho", AirField::Density, s.density_kgm3},
    };
    // The table shows what the calculator's fields show: the two given values as typed,
    // the others rounded as the calculator rounds them.
    std::map<AirField, std::string> shown;
    for (auto& [field, text] : ShownAirTexts(*calculation, NumberFormat::point())) shown[field] = std::move(text);
    const auto [first, second] = FieldsOf(calculation->pair);
    const auto typed = [&](AirField field) -> const std::string& {
        switch (field) {
        case AirField::Enthalpy: return texts.enthalpy;
        case AirField::Moisture: return texts.moisture;
        case AirField::Temperature: return texts.temperature;
        default: return texts.humidity;
        }
    };

    ResultTable table;
    table.rows.emplace_back();
    for (const Column& column : columns) {
        table.columns.emplace_back(column.name);
        if (format == OutputFormat::Csv) {
            table.rows.back().push_back(NumberCell(column.value, format));
        } else if (column.field == first || column.field == second) {
            table.rows.back().push_back(typed(column.field));
        } else {
            table.rows.back().push_back(shown[column.field]);
        }
    }
    WriteResult(context.out, table, format);
    return 0;
}

constexpr OptionRule kReadoutOptions[] = {
    {"pb", "PA", "barometric pressure of the chart, Pa"},
    {"x", "KGKG", "moisture content of the position, kg/kg"},
    {"t", "C", "temperature of the position, °C"},
    kFormatOption,
};

int RunReadout(const Arguments& arguments, CommandContext& context)
{
    arguments.expectPositional({});
    const OutputFormat format = ReadOutputFormat(arguments);
    const double pb = arguments.number("pb");
    const ChartState at{arguments.number("x"), arguments.number("t")};
    // The chart reads any position, but without pressure or above absolute zero (which its
    // formulas take as -273 °C) there is no air to read.
    if (!(pb > 0 && std::isfinite(pb))) throw DataError("The barometric pressure must be greater than 0 Pa");
    if (!(at.temperature_c > -273)) throw DataError("The temperature must be above -273 °C");

    const HumidAirState s = ReadoutState(at, pb);
    RequireFiniteResults({s.moisture_kgkg, s.temperature_c, s.enthalpy_kjkg, s.density_kgm3, s.humidity_percent,
                          s.vapour_pa, s.dry_air_pa, s.dew_point_c});
    const auto cell = [format](double value) { return NumberCell(value, format); };
    ResultTable table;
    table.columns = {"x", "t", "i", "rho", "phi", "pp", "pg", "tr"};
    if (format == OutputFormat::Csv) {
        table.rows.push_back({cell(s.moisture_kgkg), cell(s.temperature_c), cell(s.enthalpy_kjkg), cell(s.density_kgm3),
                              cell(s.humidity_percent), cell(s.vapour_pa), cell(s.dry_air_pa), cell(s.dew_point_c)});
    } else {
        // The panel's figures; X, which it shows in g/kg, goes back to kg/kg like the csv.
        const ReadoutFigures f = ShownReadout(s);
        table.rows.push_back({cell(f.moisture_gkg / 1000), cell(f.temperature_c), cell(f.enthalpy_kjkg),
                              cell(f.density_kgm3), cell(f.humidity_percent), cell(f.vapour_pa), cell(f.dry_air_pa),
                              cell(f.dew_point_c)});
    }
    WriteResult(context.out, table, format);
    return 0;
}

} // namespace

extern const Command kAirCommand{
    "air",
    "air --pb PA and two of --i KJKG --x KGKG --t C --phi PCT   the state of humid air",
    kAirOptions,
    RunAir,
};

extern const Command kIxReadoutCommand{
    "ix-readout",
    "ix-readout --pb PA --x KGKG --t C   what the IX chart shows at that position",
    kReadoutOptions,
    RunReadout,
};

} // namespace kalvintera::cli
