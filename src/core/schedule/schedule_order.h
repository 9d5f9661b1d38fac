#pragma once

#include "core/catalogue/device_table.h"
#include "core/order/order_list.h"
#include "core/schedule/schedule_selection.h"

#include <vector>

namespace kalvintera {

// The order line of a schedule line's chosen fan: its quantity, the line's duty point as
// written, the fan's supplies, standard colour, standard execution, arrangement RD0 for a
// radial fan. The order file has no field for remarks, so the tag does not travel with it.
OrderLine ScheduleOrderLine(const ScheduleRow& row, const DeviceTable& devices, NumberFormat format);

struct ScheduleOrderOutcome {
    int added = 0;
    int chosen = 0; // lines with a chosen fan
};

// Appends the chosen fan of every line that has one, in schedule order, until the order is
// full; lines without a fan are passed over.
ScheduleOrderOutcome AddScheduleToOrder(OrderList& order, const std::vector<ScheduleRow>& rows, const DeviceTable& devices,
                                        NumberFormat format);

} // namespace kalvintera
