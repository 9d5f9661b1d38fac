#pragma once

#include "core/catalogue/device_record.h"
#include "core/selection/fan_search.h"
#include "core/shell/units.h"
#include "core/text/number_format.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kalvintera {

// The texts one fan result shows, column by column: the ten catalogue columns, then where
// the fan runs and its specific fan power.
struct FanResultRow {
    std::string model;
    std::string voltage;
    std::string motor_power;
    std::string current;
    std::string max_flow;
    std::string speed;
    std::string sound;
    std::string mass;
    std::string efficiency_pct;
    std::string power_w;
    std::string operating_flow;     // in the window's flow unit
    std::string operating_pressure; // in the window's pressure unit
    std::string sfp;                // W/(m³/s); empty where the power is
};

// The row's texts in the order the result list shows them.
inline constexpr std::size_t kFanResultColumnCount = 13;
std::array<std::string_view, kFanResultColumnCount> FanResultCells(const FanResultRow& row);

struct FanRowOptions {
    bool advanced = false;
    std::string voltage = "---"; // the search's voltage choice
    FlowUnit flow_unit = FlowUnit::CubicMetresPerHour;
    PressureUnit pressure_unit = PressureUnit::Pascal;
};

// An operating flow as whole m³/h or four decimals of m³/s, an operating pressure as whole
// Pa or one decimal of daPa (halves to even): how results show where a fan runs.
std::string OperatingFlowText(double flow_m3s, FlowUnit unit, NumberFormat format);
std::string OperatingPressureText(double pressure_pa, PressureUnit unit, NumberFormat format);

// Supply voltage and current texts of a record as the result row shows them: the chosen
// supply in advanced mode, otherwise every supply the record lists, joined by "/".
struct SupplyTexts {
    std::string voltage;
    std::string current;
};
SupplyTexts ResultSupplyTexts(const DeviceRecord& record, const FanRowOptions& options);

// Efficiency ×100 and power to one decimal (halves to even); the power of a candidate
// whose efficiency is zero or less cannot be computed and stays empty, and so does its SFP
// (whole W/(m³/s)).
FanResultRow MakeFanResultRow(const DeviceRecord& record, const SelectionResult& result, const FanRowOptions& options,
                              NumberFormat format);

} // namespace kalvintera
