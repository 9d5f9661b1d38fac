#include "core/order/order_mail.h"

#include "core/shell/company_addresses.h"

#include <gtest/gtest.h>

using namespace kalvintera;

namespace {

OrderList OneLineOrder()
{
    OrderList order;
    OrderLine line;
    line.DeviceIndex = 1;
    line.Quantity = "1";
    EXPECT_EQ(order.append(line), AppendResult::Appended);
    return order;
}

} // namespace

TEST(OrderMail, ChecksStopAtTheFirstFailingOne)
{
    const OrderList lines = OneLineOrder();
    const OrderList empty;
    const OrderCustomer full{"A", "B", "C", "D"};
    EXPECT_EQ(OrderSendRefusal(true, full, lines), std::nullopt);
    EXPECT_EQ(OrderSendRefusal(false, {}, empty), kNoConnectionLine);
    EXPECT_EQ(OrderSendRefusal(true, {}, empty), kMissingNameLine); // all four empty: only the name is reported
    EXPECT_EQ(OrderSendRefusal(true, {"A", "", "", ""}, lines), kMissingCityLine);
    EXPECT_EQ(OrderSendRefusal(true, {"A", "B", "", ""}, lines), kMissingStreetLine);
    EXPECT_EQ(OrderSendRefusal(true, {"A", "B", "C", ""}, lines), kMissingContactLine);
    EXPECT_EQ(OrderSendRefusal(true, full, empty), kEmptyOrderLine);
    EXPECT_EQ(kMissingNameLine, 150);
    EXPECT_EQ(kEmptyOrderLine, 154);
}

TEST(OrderMail, FieldsAndOneLineBody)
{
    const OrderMail mail = MakeOrderMail({"A", "B", "C", "D"}, "/data/zamowienie_A_2007-07-15.kvt");
    EXPECT_EQ(mail.to, company::kOrderMailbox);
    EXPECT_FALSE(mail.to.empty());
    EXPECT_EQ(mail.subject, "Zamówienie na produkty KALVINTERA");
    EXPECT_EQ(mail.body, "Klient: A    Adres: B  C  D");
    ASSERT_EQ(mail.attachments.size(), 1u);
    EXPECT_EQ(mail.attachments[0], std::filesystem::path("/data/zamowienie_A_2007-07-15.kvt"));
    EXPECT_TRUE(company::kOrderCountingPage.empty());
}

TEST(OrderMail, FileNameOfTheSentOrder)
{
    EXPECT_EQ(OrderMailFileName("ABC", "2007-07-15"), "zamowienie_ABC_2007-07-15.kvt");
    EXPECT_EQ(OrderMailFileName("Łukasz Żak", "15.07.2007"), "zamowienie_Łukasz Żak_15.07.2007.kvt");
    // Characters no file name can hold would name another folder or no file at all.
    EXPECT_EQ(OrderMailFileName("A/B\\C:D*E?F\"G<H>I|J", "7/15/2007"), "zamowienie_A_B_C_D_E_F_G_H_I_J_7_15_2007.kvt");
    EXPECT_EQ(OrderMailFileName("..", "x"), "zamowienie_.._x.kvt");
    EXPECT_EQ(OrderMailFileName(std::string("A\tB\nC\x7f", 6), "d"), "zamowienie_A_B_C__d.kvt");
}
