#pragma once

#include "core/shell/units.h"
#include "core/text/number_format.h"

#include <string_view>

namespace kalvintera {

// Required flow and pressure in internal units.
struct DutyPoint {
    double flow_m3s = 0;
    double pressure_pa = 0;
};

struct DutyPointTexts {
    std::string_view flow;     // as typed, in flow_unit
    std::string_view pressure; // as typed, in pressure_unit
    FlowUnit flow_unit = FlowUnit::CubicMetresPerHour;
    PressureUnit pressure_unit = PressureUnit::Pascal;
};

struct DutyPointReading {
    DutyPoint duty;
    int message_line = 0; // 0 when the duty point is usable, else the language line to show
};

constexpr int kMessageEnterFlow = 294;
constexpr int kMessageEnterPressure = 295;

// Empty or "0" texts ask for the value (lines 294 and 295). So does a text that reads as
// zero or less ("0.0", "-5"): no fan delivers it and the system curve through it is
// meaningless. A text that is not a number throws ConversionError.
DutyPointReading ReadDutyPoint(const DutyPointTexts& texts, NumberFormat format);

} // namespace kalvintera
