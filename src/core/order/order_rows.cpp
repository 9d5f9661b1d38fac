#include "core/order/order_rows.h"

#include <algorithm>

namespace kalvintera {

OrderRow MakeOrderRow(const OrderList& order, const DeviceTable& devices, int position)
{
    if (position < 0 || position >= order.count()) return {};
    const OrderLine& line = order.at(position);
    const DeviceRecord& device = devices.at(line.DeviceIndex);
    return OrderRow{line.LineNo,   device.NamePl,  device.Model,  line.Quantity,
                    line.Voltage,  line.Execution, line.Colour,   line.Arrangement};
}

std::vector<OrderRow> MakeOrderRows(const OrderList& order, const DeviceTable& devices, int first)
{
    std::vector<OrderRow> rows;
    rows.reserve(kOrderRowsShown);
    for (int i = 0; i < kOrderRowsShown; ++i) {
        // Widened so a scroll position near the largest int cannot overflow.
        const long long position = static_cast<long long>(first) + i;
        rows.push_back(position < order.count() ? MakeOrderRow(order, devices, static_cast<int>(position)) : OrderRow{});
    }
    return rows;
}

int OrderScrollRange(int count)
{
    return std::max(0, count - kOrderRowsShown);
}

} // namespace kalvintera
