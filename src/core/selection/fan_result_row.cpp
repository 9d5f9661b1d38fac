#include "core/selection/fan_result_row.h"

#include "core/errors.h"
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
    return row;
}

} // namespace kalvintera
