#include "core/selection/fan_result_row.h"

#include "core/errors.h"
#include "core/selection/energy_figures.h"
#include "core/text/rounding.h"

namespace kalvintera {
namespace {

std::string MaxFlowText(const std::string& flow_max, FlowUnit unit, NumberFormat format)
{
    if (unit == FlowUnit::CubicMetresPerSecond) return flow_max;
    try {
        return FormatShortest(RoundHalfEven(ParseNumber(flow_max, format) * 3600.0, 0), format);
    } catch (const ConversionError&) {
        return flow_max; // a row shows what the record holds rather than nothing
    }
}

} // namespace

std::string OperatingFlowText(double flow_m3s, FlowUnit unit, NumberFormat format)
{
    if (unit == FlowUnit::CubicMetresPerSecond) return FormatShortest(RoundHalfEven(flow_m3s, 4), format);
    return FormatShortest(RoundHalfEven(flow_m3s * 3600.0, 0), format);
}

std::string OperatingPressureText(double pressure_pa, PressureUnit unit, NumberFormat format)
{
    if (unit == PressureUnit::Decapascal) return FormatShortest(RoundHalfEven(pressure_pa / 10.0, 1), format);
    return FormatShortest(RoundHalfEven(pressure_pa, 0), format);
}

std::array<std::string_view, kFanResultColumnCount> FanResultCells(const FanResultRow& row)
{
    return {row.model, row.voltage, row.motor_power, row.current, row.max_flow,
            row.speed, row.sound,   row.mass,        row.efficiency_pct, row.power_w,
            row.operating_flow, row.operating_pressure, row.sfp};
}

SupplyTexts ResultSupplyTexts(const DeviceRecord& r, const FanRowOptions& options)
{
    const std::string& first_current = r.Current1.empty() ? r.Current3 : r.Current1;
    if (options.advanced && options.voltage == "230") return {r.Voltage1, first_current};
    if (options.advanced && options.voltage == "400") return {r.Voltage2, r.Current2};

    SupplyTexts supply;
    if (!r.Voltage1.empty()) {
        supply.voltage = r.Voltage1;
        supply.current = first_current;
    }
    if (!r.Voltage2.empty()) {
        const bool joined = !r.Voltage1.empty();
        supply.voltage += (joined ? "/" : "") + r.Voltage2;
        supply.current += (joined ? "/" : "") + r.Current2;
    }
    return supply;
}

FanResultRow MakeFanResultRow(const DeviceRecord& r, const SelectionResult& result, const FanRowOptions& options,
                              NumberFormat format)
{
    const SupplyTexts supply = ResultSupplyTexts(r, options);
    FanResultRow row;
    row.model = r.Model;
    row.voltage = supply.voltage;
    row.motor_power = r.MotorPower;
    row.current = supply.current;
    row.max_flow = MaxFlowText(r.FlowMax, options.flow_unit, format);
    row.speed = r.Speed;
    row.sound = r.SoundLevel1m;
    row.mass = r.Mass;
    row.efficiency_pct = FormatShortest(RoundHalfEven(result.Efficiency * 100.0, 1), format);
    row.power_w = result.Efficiency > 0 ? FormatShortest(RoundHalfEven(result.Power, 1), format) : std::string();
    row.operating_flow = OperatingFlowText(result.Flow, options.flow_unit, format);
    row.operating_pressure = OperatingPressureText(result.Pressure, options.pressure_unit, format);
    if (result.Efficiency > 0 && result.Flow > 0) {
        row.sfp = FormatShortest(RoundHalfEven(SpecificFanPower(result.Power, result.Flow), 0), format);
    }
    return row;
}

} // namespace kalvintera
