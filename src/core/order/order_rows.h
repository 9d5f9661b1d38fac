#pragma once

#include "core/catalogue/device_table.h"
#include "core/order/order_list.h"

#include <string>
#include <vector>

namespace kalvintera {

// Rows the order view shows at once.
constexpr int kOrderRowsShown = 5;

// The texts of one row of the order view, one per column.
struct OrderRow {
    std::string LineNo;
    std::string name;  // NamePl of the product
    std::string model; // Model of the product
    std::string Quantity;
    std::string Voltage;
    std::string Execution;
    std::string Colour;
    std::string Arrangement;

    bool operator==(const OrderRow&) const = default;
};

// The row of the line at `position`; a position with no line gives an empty row, and a
// DeviceIndex that names no catalogue slot gives empty name and model.
OrderRow MakeOrderRow(const OrderList& order, const DeviceTable& devices, int position);

// The rows for positions first … first + 4.
std::vector<OrderRow> MakeOrderRows(const OrderList& order, const DeviceTable& devices, int first);

// Highest scroll position of the order view: 0 while every line fits, else count − 5.
int OrderScrollRange(int count);

} // namespace kalvintera
