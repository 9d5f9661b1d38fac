#include "core/order/order_printout.h"

#include "core/text/code_page.h"
#include "shell_test_support.h"

#include <gtest/gtest.h>

using namespace kalvintera;
using kalvintera::testing::TempFolder;

namespace {

PrintoutTexts Texts()
{
    return {"Zamówione produkty:", "Lp Nazwa produktu", "Klient:", "Adres:", "Kontakt:", "ul."};
}

OrderLine Line(int deviceIndex, std::string quantity)
{
    OrderLine line;
    line.DeviceIndex = deviceIndex;
    line.Quantity = std::move(quantity);
    line.Execution = "T40+K";
    line.Colour = "RAL 7035";
    line.Arrangement = "LG90";
    line.Voltage = "400";
    return line;
}

} // namespace

TEST(OrderPrintout, PadColumnGivesExactlyNPlusOneCharacters)
{
    EXPECT_EQ(PadColumn("7", 2), "7  ");
    EXPECT_EQ(PadColumn("12", 2), "12 ");
    EXPECT_EQ(PadColumn("123", 2), "123");
    EXPECT_EQ(PadColumn("1234", 2), "123");
    EXPECT_EQ(PadColumn("", 3), "    ");
    // A 30-character name keeps its first 24 characters.
    EXPECT_EQ(PadColumn("WENTYLATOR DACHOWY OSIOWY WDO1", 23), "WENTYLATOR DACHOWY OSIOW");
    EXPECT_EQ(PadColumn("WENTYLATOR DACHOWY OSIOWY WDO1", 23).size(), 24u);
    // Polish letters count as one character each, though they take two bytes.
    EXPECT_EQ(PadColumn("ŁĄ", 3), "ŁĄ  ");
    EXPECT_EQ(PadColumn("ŻÓŁW Ł", 3), "ŻÓŁW");
}

TEST(OrderPrintout, HeaderAndCustomerBlock)
{
    OrderList order;
    DeviceTable devices;
    const std::vector<std::string> lines =
        MakeOrderPrintout({Texts(), {"Jan Kowalski", "Poznań", "Polna 1", "jan@example.pl"}, order, devices});
    ASSERT_EQ(lines.size(), 13u); // an empty order prints the header only
    for (int i = 0; i < 6; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)], "");
    EXPECT_EQ(lines[6], "Klient:  Jan Kowalski");
    EXPECT_EQ(lines[7], "Adres:   Poznań  ul. Polna 1");
    EXPECT_EQ(lines[8], "Kontakt: jan@example.pl");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], "Zamówione produkty:");
    EXPECT_EQ(lines[11], "Lp Nazwa produktu");
    EXPECT_EQ(lines[12], "");
}

TEST(OrderPrintout, OneRowPerLineInFixedColumns)
{
    DeviceTable devices;
    devices.slot(3).NamePl = "WENTYLATOR DACHOWY ŁOPATKOWY";
    devices.slot(3).Model = "WD-25/4/ABCDEFGHIJ";
    devices.slot(9).NamePl = "WYWIETRZAK C";
    devices.slot(9).Model = "WC-100";
    OrderList order;
    for (int i = 0; i < 5; ++i) ASSERT_EQ(order.append(Line(i % 2 == 0 ? 3 : 9, "12")), AppendResult::Appended);
    ASSERT_EQ(order.append(Line(0, "1")), AppendResult::Appended); // a product no longer in the catalogue

    const std::vector<std::string> lines = MakeOrderPrintout({Texts(), {}, order, devices});
    ASSERT_EQ(lines.size(), 13u + 6u);
    EXPECT_EQ(lines[13], "0  WENTYLATOR DACHOWY ŁOPAT WD-25/4/ABCDEF 12  T40+K      RAL 7035 LG90  400     ");
    EXPECT_EQ(lines[14], "1  WYWIETRZAK C             WC-100         12  T40+K      RAL 7035 LG90  400     ");
    EXPECT_EQ(lines[18], "5                                          1   T40+K      RAL 7035 LG90  400     ");
    for (std::size_t i = 13; i < lines.size(); ++i) EXPECT_EQ(CharacterCount(lines[i]), kPrintoutLineWidth) << i;
}

TEST(OrderPrintout, FileGoesBesideTheOrderFile)
{
    EXPECT_EQ(PrintoutFileFor("/home/a/zam/biuro.kvt", "/data"), std::filesystem::path("/home/a/zam/biuro.txt"));
    EXPECT_EQ(PrintoutFileFor("bez nazwy.kvt", "/data"), std::filesystem::path("/data/bez nazwy.txt"));
    EXPECT_EQ(PrintoutFileFor("/home/a/biuro", "/data"), std::filesystem::path("/home/a/biuro.txt"));
    // An order kept under a .txt name is not overwritten by its own printout.
    EXPECT_EQ(PrintoutFileFor("/home/a/biuro.txt", "/data"), std::filesystem::path("/home/a/biuro.txt.txt"));
}

TEST(OrderPrintout, WritesCrLfLinesReplacingTheOldFile)
{
    TempFolder folder;
    const auto file = folder.write("bez nazwy.txt", "old contents that are longer than the new ones");
    WritePrintoutFile(file, {"", "Klient:  Łukasz", "0  X"});
    EXPECT_EQ(folder.read("bez nazwy.txt"), "\r\nKlient:  Łukasz\r\n0  X\r\n");
}
