#include "core/selection/duty_point.h"

#include <string>

namespace kalvintera {

DutyPointReading ReadDutyPoint(const DutyPointTexts& texts, NumberFormat format)
{
    DutyPointReading reading;
    if (texts.flow.empty() || texts.flow == "0") {
        reading.message_line = kMessageEnterFlow;
        return reading;
    }
    const double flow = FlowToM3s(ParseNumber(NormalizeDecimal(texts.flow, format), format), texts.flow_unit);
    if (texts.pressure.empty() || texts.pressure == "0") {
        reading.message_line = kMessageEnterPressure;
        return reading;
    }
    const double pressure =
        PressureToPa(ParseNumber(NormalizeDecimal(texts.pressure, format), format), texts.pressure_unit);
    if (!(flow > 0)) {
        reading.message_line = kMessageEnterFlow;
    } else if (!(pressure > 0)) {
        reading.message_line = kMessageEnterPressure;
    } else {
        reading.duty = DutyPoint{flow, pressure};
    }
    return reading;
}

} // namespace kalvintera
