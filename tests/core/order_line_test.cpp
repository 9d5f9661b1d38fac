#include "core/order/order_line.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

using namespace kalvintera;

namespace {

using Record = std::array<std::uint8_t, kOrderLineSize>;

void Put(Record& record, std::size_t offset, std::initializer_list<std::uint8_t> bytes)
{
    for (std::uint8_t b : bytes) record[offset++] = b;
}

void PutText(Record& record, std::size_t offset, const std::string& cp1250)
{
    record[offset] = static_cast<std::uint8_t>(cp1250.size());
    std::memcpy(record.data() + offset + 1, cp1250.data(), cp1250.size());
}

OrderLine SampleLine()
{
    OrderLine line;
    line.DeviceIndex = 0x01020304;
    line.Quantity = "150";
    line.LineNo = "7";
    line.DutyFlow = 1200.0;
    line.DutyPressure = 150.0;
    line.Colour = "BRĄZOWY";
    line.Execution = "T40+D";
    line.Arrangement = "LG90";
    line.Voltage = "230/400";
    return line;
}

} // namespace

TEST(OrderLineCodec, FieldsSitAtTheirOffsets)
{
    // The expected record written out by hand from the file layout.
    Record expected{};
    Put(expected, 0, {0x04, 0x03, 0x02, 0x01});
    PutText(expected, 4, "150");
    PutText(expected, 8, "7");
    Put(expected, 16, {0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x92, 0x40}); // 1200.0
    Put(expected, 24, {0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x62, 0x40}); // 150.0
    PutText(expected, 32, "BR\xA5ZOWY");                                    // Ą in CP1250
    PutText(expected, 53, "T40+D");
    PutText(expected, 84, "LG90");
    PutText(expected, 116, "230/400");

    Record written;
    written.fill(0xEE);
    EncodeOrderLine(SampleLine(), written.data());
    for (std::size_t i = 0; i < kOrderLineSize; ++i) EXPECT_EQ(written[i], expected[i]) << "byte " << i;

    EXPECT_EQ(DecodeOrderLine(expected.data()), SampleLine());
}

TEST(OrderLineCodec, RoundTripKeepsEveryField)
{
    OrderLine line = SampleLine();
    line.DeviceIndex = -5;
    line.DutyFlow = 0.333;
    line.DutyPressure = -1e-300;
    line.Colour = "ŻÓŁTY RAL";
    line.Execution = "T40+T60+K+EX+D";
    line.Arrangement = "ABCDEFGHIJKLMNOPQRST"; // exactly 20
    line.Voltage = "1234567890";
    Record bytes;
    EncodeOrderLine(line, bytes.data());
    EXPECT_EQ(bytes[0], 0xFB);
    EXPECT_EQ(bytes[3], 0xFF);
    EXPECT_EQ(DecodeOrderLine(bytes.data()), line);

    const OrderLine empty;
    EncodeOrderLine(empty, bytes.data());
    EXPECT_EQ(bytes, Record{});
    EXPECT_EQ(DecodeOrderLine(bytes.data()), empty);
}

TEST(OrderLineCodec, OverlongTextsAreCutAndUnusedBytesStayZero)
{
    OrderLine line = SampleLine();
    line.Quantity = "1500";
    line.Arrangement = std::string(31, 'A');
    line.Voltage = "230/400/50Hz";
    Record bytes;
    EncodeOrderLine(line, bytes.data());
    EXPECT_EQ(bytes[4], 3);
    EXPECT_EQ(bytes[84], 20);
    for (std::size_t i = 105; i < 116; ++i) EXPECT_EQ(bytes[i], 0) << "byte " << i;
    for (std::size_t i = 12; i < 16; ++i) EXPECT_EQ(bytes[i], 0) << "byte " << i;
    EXPECT_EQ(bytes[127], 0);

    const OrderLine decoded = DecodeOrderLine(bytes.data());
    EXPECT_EQ(decoded.Quantity, "150");
    EXPECT_EQ(decoded.Arrangement, std::string(20, 'A'));
    EXPECT_EQ(decoded.Voltage, "230/400/50");
}

TEST(OrderLineCodec, LengthBytesAboveCapacityAreClamped)
{
    Record bytes{};
    std::memset(bytes.data(), 'X', kOrderLineSize);
    bytes[4] = 0xFF;   // Quantity, capacity 3
    bytes[8] = 4;      // LineNo, capacity 3
    bytes[32] = 21;    // Colour, capacity 20
    bytes[53] = 200;   // Execution, capacity 30
    bytes[84] = 31;    // Arrangement: 20, though 31 bytes follow before Voltage
    bytes[116] = 0xFF; // Voltage, capacity 10, last field of the record
    const OrderLine line = DecodeOrderLine(bytes.data());
    EXPECT_EQ(line.Quantity, "XXX");
    EXPECT_EQ(line.LineNo, "XXX");
    EXPECT_EQ(line.Colour, std::string(20, 'X'));
    EXPECT_EQ(line.Execution, std::string(30, 'X'));
    EXPECT_EQ(line.Arrangement, std::string(20, 'X'));
    EXPECT_EQ(line.Voltage, std::string(10, 'X'));
}

TEST(OrderLine, ClearingEmptiesTextsAndKeepsTheDutyPoint)
{
    OrderLine line = SampleLine();
    ClearOrderLine(line);
    EXPECT_EQ(line.DeviceIndex, 0);
    EXPECT_TRUE(line.Quantity.empty() && line.LineNo.empty() && line.Colour.empty());
    EXPECT_TRUE(line.Execution.empty() && line.Arrangement.empty() && line.Voltage.empty());
    EXPECT_EQ(line.DutyFlow, 1200.0);
    EXPECT_EQ(line.DutyPressure, 150.0);
}
