#include "core/selection/order_from_selection.h"

#include "core/order/order_line.h"
#include "core/text/code_page.h"

namespace kalvintera {
namespace {

constexpr const char* kNotApplicable = "N/A";
// What a fan that is not radial has for an arrangement.
constexpr const char* kNoArrangement = "NA";
constexpr const char* kIntegratedVoltage = "400";

double TypedNumber(const std::string& text, NumberFormat format)
{
    return ParseNumber(NormalizeDecimal(text, format), format);
}

OrderLine VentilatorLine(const VentilatorOrderInput& input, const char* voltage)
{
    OrderLine line;
    line.DeviceIndex = input.device_index;
    line.Quantity = CutToCharacters(input.quantity_text, kQuantityCapacity);
    line.Colour = CutToCharacters(input.colour_text, kColourCapacity);
    line.Execution = kNotApplicable;
    line.Arrangement = kNotApplicable;
    line.Voltage = voltage;
    return line;
}

} // namespace

OrderLine FanOrderLine(const FanOrderInput& input, NumberFormat format)
{
    OrderLine line;
    line.DeviceIndex = input.device_index;
    line.Quantity = CutToCharacters(input.quantity_text, kQuantityCapacity);
    line.DutyFlow = TypedNumber(input.flow_text, format);
    line.DutyPressure = TypedNumber(input.pressure_text, format);
    line.Voltage = CutToCharacters(input.voltage_text, kVoltageCapacity);
    line.Execution = ExecutionText(input.executions);
    line.Colour = CutToCharacters(input.other_ral ? input.ral_text : input.colour_text, kColourCapacity);
    line.Arrangement = input.radial ? CutToCharacters(input.arrangement_caption, kArrangementCapacity) : kNoArrangement;
    return line;
}

OrderLine CylindricalOrderLine(const VentilatorOrderInput& input)
{
    return VentilatorLine(input, kNotApplicable);
}

OrderLine IntegratedOrderLine(const VentilatorOrderInput& input)
{
    return VentilatorLine(input, kIntegratedVoltage);
}

} // namespace kalvintera
