#include "core/schedule/schedule_order.h"

#include "core/selection/fan_result_row.h"
#include "core/selection/order_from_selection.h"

namespace kalvintera {

OrderLine ScheduleOrderLine(const ScheduleRow& row, const DeviceTable& devices, NumberFormat format)
{
    const SelectionResult& choice = *row.choice();
    FanOrderInput input;
    input.device_index = choice.index;
    input.quantity_text = std::to_string(row.quantity);
    input.flow_text = NormalizeDecimal(row.source.flow, format);
    input.pressure_text = NormalizeDecimal(row.source.pressure, format);
    input.voltage_text = ResultSupplyTexts(devices.at(choice.index), FanRowOptions{}).voltage;
    input.colour_text = "STANDARD";
    input.radial = row.kind == FanKind::Radial;
    input.arrangement_caption = "RD0";
    return FanOrderLine(input, format);
}

ScheduleOrderOutcome AddScheduleToOrder(OrderList& order, const std::vector<ScheduleRow>& rows, const DeviceTable& devices,
                                        NumberFormat format)
{
    ScheduleOrderOutcome outcome;
    bool full = false;
    for (const ScheduleRow& row : rows) {
        if (row.choice() == nullptr) continue;
        ++outcome.chosen;
        if (full) continue;
        if (order.append(ScheduleOrderLine(row, devices, format)) == AppendResult::OrderFull) {
            full = true;
            continue;
        }
        ++outcome.added;
    }
    return outcome;
}

} // namespace kalvintera
