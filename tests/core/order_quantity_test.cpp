#include "core/order/order_list.h"
#include "core/order/order_quantity.h"

#include <gtest/gtest.h>

#include <string>

using namespace kalvintera;

TEST(OrderQuantity, WholeNumbersFromOneTo999AreAccepted)
{
    EXPECT_EQ(ParseOrderQuantity("1"), 1);
    EXPECT_EQ(ParseOrderQuantity("12"), 12);
    EXPECT_EQ(ParseOrderQuantity("999"), 999);
    EXPECT_EQ(ParseOrderQuantity(" 5 "), 5);  // spaces a user typed around the number
    EXPECT_EQ(ParseOrderQuantity("007"), 7);  // stored as 7, not as typed
    EXPECT_EQ(ParseOrderQuantity("\t3"), 3);
}

TEST(OrderQuantity, AnythingElseIsRefused)
{
    for (const char* typed : {"", "   ", "abc", "0", "000", "-5", "+5", "2,5", "2.5", "1e308", "1e3", "1000",
                              "1500", "99999999999999999999", "5 5", "5a", "0x10", "١٢" /* Arabic-Indic digits */}) {
        EXPECT_EQ(ParseOrderQuantity(typed), std::nullopt) << '"' << typed << '"';
    }
}

TEST(OrderQuantity, ChangingTheQuantityOfALineKeepsEverythingElse)
{
    OrderList list;
    for (int device : {4, 5, 6}) {
        OrderLine line;
        line.DeviceIndex = device;
        line.Quantity = "1";
        line.DutyFlow = 1200;
        line.DutyPressure = 150;
        line.Colour = "SZARY";
        line.Execution = "T40+D";
        line.Arrangement = "LG90";
        line.Voltage = "400";
        ASSERT_EQ(list.append(line), AppendResult::Appended);
    }
    const OrderList before = list;

    ASSERT_TRUE(list.setQuantity(1, "25"));
    EXPECT_EQ(list.at(1).Quantity, "25");
    OrderLine expected = before.at(1);
    expected.Quantity = "25";
    EXPECT_EQ(list.at(1), expected);
    EXPECT_EQ(list.at(0), before.at(0));
    EXPECT_EQ(list.at(2), before.at(2));
    EXPECT_EQ(list.count(), 3);

    // Cut to the field like every other writer of the line.
    ASSERT_TRUE(list.setQuantity(0, "1234"));
    EXPECT_EQ(list.at(0).Quantity, "123");

    // No line there: nothing changes.
    const OrderList changed = list;
    EXPECT_FALSE(list.setQuantity(3, "2"));  // the empty slot after the lines
    EXPECT_FALSE(list.setQuantity(-1, "2"));
    EXPECT_FALSE(list.setQuantity(kOrderSlots, "2"));
    EXPECT_EQ(list, changed);
}
