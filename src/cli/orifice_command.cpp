// orifice: the control element calculator — the orifice plate and the damper opening that
// absorb a surplus pressure at a flow.

#include "cli/calculator_support.h"
#include "cli/command_list.h"
#include "cli/output.h"
#include "core/calculators/control_element.h"

#include <limits>

namespace kalvintera::cli {
namespace {

constexpr OptionRule kOptions[] = {
    {"dp", "PA", "pressure to throttle, Pa"},
    {"flow", "M3H", "flow in the regulated circuit, m3/h"},
    {"diameter", "MM", "diameter of a round duct"},
    {"a", "MM", "side A of a rectangular duct"},
    {"b", "MM", "side B of a rectangular duct"},
    {"rho", "KGM3", "air density (default 1.2, as the settings show it for 20 °C, 101300 Pa, 50 %)"},
    kFormatOption,
};

// The calculator reads the density as the settings tab shows it, rounded to 2 decimals.
double ShownDefaultDensity()
{
    return ParseNumber(DensityText(DefaultAirProperties(), NumberFormat::point()), NumberFormat::point());
}

int Run(const Arguments& arguments, CommandContext& context)
{
    arguments.expectPositional({});
    const OutputFormat format = ReadOutputFormat(arguments);
    const bool round = arguments.has("diameter");
    if (round == (arguments.has("a") || arguments.has("b"))) {
        throw UsageError("give either --diameter (round duct) or --a and --b (rectangular duct)");
    }
    ControlElementInput input;
    input.pressure_pa = arguments.number("dp");
    input.flow_m3h = arguments.number("flow");
    input.section = round ? DuctSection::Round : DuctSection::Rectangular;
    input.diameter_or_side_a_mm = arguments.number(round ? "diameter" : "a");
    if (!round) input.side_b_mm = arguments.number("b");
    input.density_kgm3 = OptionalPositiveNumber(arguments, "rho").value_or(ShownDefaultDensity());

    const ControlElementResult r = ComputeControlElement(input);
    RequireFiniteResults({r.velocity_ms, r.pressure_correction, r.loss_coefficient, r.free_area_ratio,
                          r.orifice_diameter_mm, r.orifice_side_a_mm, r.orifice_side_b_mm, r.damper_angle_deg});
    const double none = std::numeric_limits<double>::quiet_NaN();
    ResultTable table;
    table.columns = {"w", "k", "zeta", "m", "diameter", "side_a", "side_b", "angle"};
    // The calculator shows only the sizes and the angle, as whole numbers; the figures
    // behind them are rounded here to what tells them apart.
    table.rows.push_back({NumberCell(r.velocity_ms, 3, format), NumberCell(r.pressure_correction, 4, format),
                          NumberCell(r.loss_coefficient, 3, format), NumberCell(r.free_area_ratio, 5, format),
                          NumberCell(round ? r.orifice_diameter_mm : none, 0, format),
                          NumberCell(round ? none : r.orifice_side_a_mm, 0, format),
                          NumberCell(round ? none : r.orifice_side_b_mm, 0, format),
                          NumberCell(r.damper_angle_deg, 0, format)});
    WriteResult(context.out, table, format);
    return 0;
}

} // namespace

extern const Command kOrificeCommand{
    "orifice",
    "orifice --dp PA --flow M3H (--diameter MM | --a MM --b MM)   orifice and damper for a surplus pressure",
    kOptions,
    Run,
};

} // namespace kalvintera::cli
