#include "core/order/execution_code.h"
#include "core/order/order_file.h"
#include "core/order/order_rows.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace kalvintera;

namespace {

OrderLine LineFor(int deviceIndex)
{
    OrderLine line;
    line.DeviceIndex = deviceIndex;
    line.Quantity = "4";
    line.Voltage = "400";
    line.Execution = "+K";
    line.Colour = "SZARY";
    line.Arrangement = "LG180";
    return line;
}

DeviceTable SampleDevices()
{
    DeviceTable devices;
    devices.slot(3).NamePl = "WENTYLATOR DACHOWY";
    devices.slot(3).Model = "WD-25";
    devices.slot(2000).NamePl = "WYWIETRZAK C";
    devices.slot(2000).Model = "WC-100";
    return devices;
}

} // namespace

TEST(OrderRows, RowShowsTheLineAndItsProduct)
{
    const DeviceTable devices = SampleDevices();
    OrderList order;
    ASSERT_EQ(order.append(LineFor(3)), AppendResult::Appended);
    ASSERT_EQ(order.append(LineFor(2000)), AppendResult::Appended);

    EXPECT_EQ(MakeOrderRow(order, devices, 0),
              (OrderRow{"0", "WENTYLATOR DACHOWY", "WD-25", "4", "400", "+K", "SZARY", "LG180"}));
    EXPECT_EQ(MakeOrderRow(order, devices, 1).model, "WC-100");
    EXPECT_EQ(MakeOrderRow(order, devices, 1).LineNo, "1");
    EXPECT_EQ(MakeOrderRow(order, devices, 2), OrderRow{});
    EXPECT_EQ(MakeOrderRow(order, devices, -1), OrderRow{});
    EXPECT_EQ(MakeOrderRow(order, devices, 100), OrderRow{});
    EXPECT_EQ(MakeOrderRow(order, devices, INT_MAX), OrderRow{});
}

TEST(OrderRows, IndexNamingNoProductFromAFileShowsNoProduct)
{
    // Built byte by byte, as a file written elsewhere could hold them.
    std::string bytes(4 * kOrderLineSize, '\0');
    const std::int32_t indices[] = {0, -5, 5000};
    for (std::size_t i = 0; i < 3; ++i) {
        std::uint8_t* record = reinterpret_cast<std::uint8_t*>(bytes.data()) + i * kOrderLineSize;
        EncodeOrderLine(LineFor(3), record);
        const auto raw = static_cast<std::uint32_t>(indices[i]);
        for (int b = 0; b < 4; ++b) record[b] = static_cast<std::uint8_t>(raw >> (8 * b));
    }
    const auto file = std::filesystem::temp_directory_path()
                      / ("kalvintera-order-rows-" + std::to_string(::getpid()) + ".kvt");
    std::ofstream(file, std::ios::binary) << bytes;
    const OrderList order = ReadOrderFile(file);
    std::filesystem::remove(file);

    const DeviceTable devices = SampleDevices();
    ASSERT_EQ(order.count(), 3);
    for (int p = 0; p < 3; ++p) {
        const OrderRow row = MakeOrderRow(order, devices, p);
        EXPECT_TRUE(row.name.empty()) << "position " << p;
        EXPECT_TRUE(row.model.empty()) << "position " << p;
        EXPECT_EQ(row.Quantity, "4");
        EXPECT_EQ(row.LineNo, std::to_string(p));
    }
}

TEST(OrderRows, FiveRowsFromTheScrollPosition)
{
    const DeviceTable devices = SampleDevices();
    OrderList order;
    for (int i = 0; i < 7; ++i) ASSERT_EQ(order.append(LineFor(3)), AppendResult::Appended);

    EXPECT_EQ(OrderScrollRange(order.count()), 2);
    for (int first = 0; first <= 2; ++first) {
        const std::vector<OrderRow> rows = MakeOrderRows(order, devices, first);
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(rows.front().LineNo, std::to_string(first));
        EXPECT_EQ(rows.back().LineNo, std::to_string(first + 4));
    }
    const std::vector<OrderRow> past = MakeOrderRows(order, devices, 5);
    EXPECT_EQ(past[1].LineNo, "6");
    EXPECT_EQ(past[2], OrderRow{});
    for (const OrderRow& row : MakeOrderRows(order, devices, INT_MAX)) EXPECT_EQ(row, OrderRow{});

    EXPECT_EQ(OrderScrollRange(0), 0);
    EXPECT_EQ(OrderScrollRange(5), 0);
    EXPECT_EQ(OrderScrollRange(6), 1);
    EXPECT_EQ(OrderScrollRange(100), 95);
}

TEST(ExecutionText, CodesInFixedOrderWithSeparators)
{
    EXPECT_EQ(ExecutionText(false, false, false, false, false), "");
    EXPECT_EQ(ExecutionText(false, false, true, false, false), "+K");
    EXPECT_EQ(ExecutionText(true, false, false, false, true), "T40+D");
    EXPECT_EQ(ExecutionText(true, true, true, true, true), "T40+T60+K+EX+D");
    EXPECT_EQ(ExecutionText(false, true, false, true, false), "+T60+EX");
    EXPECT_EQ(ExecutionText(ExecutionChoice{.heat40 = true}), "T40");
}
