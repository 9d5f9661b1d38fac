#include "core/errors.h"
#include "core/order/order_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kalvintera;

namespace {

OrderLine Product(int deviceIndex, const std::string& quantity = "1")
{
    OrderLine line;
    line.DeviceIndex = deviceIndex;
    line.Quantity = quantity;
    line.Colour = "STANDARD";
    line.Execution = "N/A";
    line.Arrangement = "N/A";
    line.Voltage = "400";
    return line;
}

OrderList ListOf(std::initializer_list<int> deviceIndices)
{
    OrderList list;
    for (int index : deviceIndices) EXPECT_EQ(list.append(Product(index)), AppendResult::Appended);
    return list;
}

} // namespace

TEST(OrderList, AppendNumbersLinesByPositionAndCutsTexts)
{
    OrderList list;
    OrderLine line = Product(12, "1500");
    line.LineNo = "42"; // whatever the writer put there, the position wins
    line.Colour = "NIEBIESKI BARDZO CIEMNY";
    ASSERT_EQ(list.append(line), AppendResult::Appended);
    ASSERT_EQ(list.append(Product(13)), AppendResult::Appended);

    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.at(0).LineNo, "0");
    EXPECT_EQ(list.at(0).Quantity, "150");
    EXPECT_EQ(list.at(0).Colour, "NIEBIESKI BARDZO CIE");
    EXPECT_EQ(list.at(0).DeviceIndex, 12);
    EXPECT_EQ(list.at(1).LineNo, "1");
    EXPECT_EQ(list.lines().size(), 2u);
    EXPECT_EQ(list.storedSlots().size(), 3u);
    EXPECT_EQ(list.at(2), OrderLine{});
    EXPECT_EQ(list.at(-1), OrderLine{});
    EXPECT_EQ(list.at(kOrderSlots), OrderLine{});
}

TEST(OrderList, AppendToAFullOrderIsRefusedAndChangesNothing)
{
    OrderList list;
    for (int i = 0; i < kOrderMaxLines; ++i) ASSERT_EQ(list.append(Product(i + 1)), AppendResult::Appended);
    EXPECT_EQ(list.count(), 100);
    EXPECT_EQ(list.at(99).LineNo, "99");

    const OrderList before = list;
    EXPECT_EQ(list.append(Product(7)), AppendResult::OrderFull);
    EXPECT_EQ(list, before);
    EXPECT_EQ(list.at(100), OrderLine{}); // the slot after the last line stays empty
    EXPECT_EQ(kOrderFullMessageLine, 1033);
}

TEST(OrderList, RemovingMovesLaterLinesUpAndKeepsNumbering)
{
    OrderList list = ListOf({10, 20, 30});
    OrderLine withDuty = Product(40);
    withDuty.DutyFlow = 1200.0;
    ASSERT_EQ(list.append(withDuty), AppendResult::Appended);

    ASSERT_TRUE(list.remove(1));
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.at(0).DeviceIndex, 10);
    EXPECT_EQ(list.at(1).DeviceIndex, 30);
    EXPECT_EQ(list.at(1).LineNo, "1");
    EXPECT_EQ(list.at(2).DeviceIndex, 40);
    EXPECT_EQ(list.at(2).LineNo, "2");
    EXPECT_EQ(list.at(2).DutyFlow, 1200.0);
    EXPECT_EQ(list.at(3).DeviceIndex, 0); // the slot that became empty
    EXPECT_TRUE(list.at(3).LineNo.empty());
    EXPECT_TRUE(list.at(3).Quantity.empty());

    ASSERT_TRUE(list.remove(2)); // the last line
    ASSERT_TRUE(list.remove(0)); // the first line
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.at(0).DeviceIndex, 30);
    EXPECT_EQ(list.at(0).LineNo, "0");
    EXPECT_EQ(list.at(1).DeviceIndex, 0);
    EXPECT_TRUE(list.at(1).LineNo.empty());

    ASSERT_TRUE(list.remove(0));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.at(0).DeviceIndex, 0);
    EXPECT_TRUE(list.at(0).LineNo.empty());
}

TEST(OrderList, RemovingAPositionWithoutALineChangesNothing)
{
    OrderList list = ListOf({10, 20, 30});
    const OrderList before = list;
    EXPECT_FALSE(list.remove(-1));
    EXPECT_FALSE(list.remove(3));
    EXPECT_FALSE(list.remove(kOrderMaxLines));
    EXPECT_FALSE(list.remove(1 << 30));
    EXPECT_EQ(list, before);

    OrderList empty;
    EXPECT_FALSE(empty.remove(0));
    EXPECT_EQ(empty, OrderList{});
}

TEST(OrderList, ClearEmptiesEverySlot)
{
    OrderList list = ListOf({10, 20, 30});
    list.clear();
    EXPECT_EQ(list.count(), 0);
    for (int p = 0; p < kOrderSlots; ++p) {
        EXPECT_EQ(list.at(p).DeviceIndex, 0);
        EXPECT_TRUE(list.at(p).LineNo.empty());
    }
    EXPECT_EQ(list.append(Product(5)), AppendResult::Appended);
    EXPECT_EQ(list.at(0).LineNo, "0");
}

TEST(OrderList, StoredSlotsGiveLinesNumberedByPosition)
{
    std::vector<OrderLine> slots{Product(10), Product(20), Product(30), OrderLine{}};
    slots[0].LineNo = "5";
    slots[1].LineNo = "";
    slots[2].LineNo = "x";
    const OrderList list = OrderList::fromStoredSlots(slots);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.at(0).LineNo, "0");
    EXPECT_EQ(list.at(1).LineNo, "1");
    EXPECT_EQ(list.at(2).LineNo, "2");
    EXPECT_EQ(list.at(2).DeviceIndex, 30);

    EXPECT_EQ(OrderList::fromStoredSlots({}), OrderList{});
    EXPECT_EQ(OrderList::fromStoredSlots(std::vector<OrderLine>(101)).count(), 100);
    EXPECT_THROW(OrderList::fromStoredSlots(std::vector<OrderLine>(102)), DataError);
}
