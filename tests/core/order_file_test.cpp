#include "core/errors.h"
#include "core/order/order_file.h"
#include "core/order/order_line.h"
#include "core/shell/file_io.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace kalvintera;
namespace fs = std::filesystem;

namespace {

class OrderFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "kalvintera-order-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path path(const std::string& name) const { return folder_ / name; }

    void writeBytes(const fs::path& file, const std::string& bytes) const
    {
        std::ofstream(file, std::ios::binary) << bytes;
    }

    // A file of `records` records, each a line for product 1.
    std::string recordsOf(std::size_t records) const
    {
        OrderLine line;
        line.DeviceIndex = 1;
        line.Quantity = "1";
        std::string bytes(records * kOrderLineSize, '\0');
        for (std::size_t i = 0; i < records; ++i) {
            EncodeOrderLine(line, reinterpret_cast<std::uint8_t*>(bytes.data()) + i * kOrderLineSize);
        }
        return bytes;
    }

    fs::path folder_;
};

OrderLine FanLine(int deviceIndex, double flow, double pressure)
{
    OrderLine line;
    line.DeviceIndex = deviceIndex;
    line.Quantity = "2";
    line.DutyFlow = flow;
    line.DutyPressure = pressure;
    line.Colour = "INNY 5010";
    line.Execution = "T40+EX";
    line.Arrangement = "RD90";
    line.Voltage = "230/400";
    return line;
}

} // namespace

TEST_F(OrderFileTest, EmptyOrderIsOneEmptyRecord)
{
    const fs::path file = path("empty.kvt");
    WriteOrderFile(file, OrderList{});
    const std::string bytes = ReadWholeFile(file);
    EXPECT_EQ(bytes, std::string(kOrderLineSize, '\0'));
    EXPECT_EQ(ReadOrderFile(file).count(), 0);
}

TEST_F(OrderFileTest, LinesAndTheSlotAfterThemRoundTrip)
{
    OrderList order;
    ASSERT_EQ(order.append(FanLine(3, 1200, 150)), AppendResult::Appended);
    ASSERT_EQ(order.append(FanLine(17, 0.25, 12.5)), AppendResult::Appended);
    ASSERT_EQ(order.append(FanLine(2000, 0, 0)), AppendResult::Appended);
    const fs::path file = path("three.kvt");
    WriteOrderFile(file, order);
    EXPECT_EQ(fs::file_size(file), 512u);

    const OrderList reopened = ReadOrderFile(file);
    ASSERT_EQ(reopened.count(), 3);
    EXPECT_EQ(reopened.at(0).LineNo, "0");
    EXPECT_EQ(reopened.at(1).LineNo, "1");
    EXPECT_EQ(reopened.at(2).LineNo, "2");
    EXPECT_EQ(reopened, order);

    // Saving again over the file replaces it.
    ASSERT_TRUE(order.remove(0));
    WriteOrderFile(file, order);
    EXPECT_EQ(fs::file_size(file), 384u);
    EXPECT_EQ(ReadOrderFile(file), order);
}

TEST_F(OrderFileTest, SizeDecidesTheNumberOfLines)
{
    const fs::path empty = path("zero.kvt");
    writeBytes(empty, "");
    EXPECT_EQ(ReadOrderFile(empty), OrderList{});

    const fs::path largest = path("largest.kvt");
    writeBytes(largest, recordsOf(101));
    const OrderList full = ReadOrderFile(largest);
    EXPECT_EQ(full.count(), 100);
    EXPECT_EQ(full.at(99).LineNo, "99");
    EXPECT_EQ(full.at(99).DeviceIndex, 1);

    const fs::path tooMany = path("too-many.kvt");
    writeBytes(tooMany, recordsOf(102));
    try {
        ReadOrderFile(tooMany);
        ADD_FAILURE() << "a file of 102 records was read";
    } catch (const DataError& error) {
        EXPECT_NE(std::string(error.what()).find(tooMany.string()), std::string::npos) << error.what();
        // The user reads it in their language, with the file and its number of lines.
        EXPECT_EQ(error.userMessage().line, kOrderFileTooLongLine);
        EXPECT_EQ(error.userMessage().values, (std::vector<std::string>{PathText(tooMany), "101"}));
    }
}

TEST_F(OrderFileTest, DamagedOrMissingFilesRaiseFileErrorNamingThem)
{
    const fs::path cut = path("cut.kvt");
    writeBytes(cut, recordsOf(2) + std::string(2, '\0'));
    try {
        ReadOrderFile(cut);
        ADD_FAILURE() << "a file of 258 bytes was read";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(cut.string()), std::string::npos) << error.what();
    }
    writeBytes(cut, std::string(127, '\0'));
    EXPECT_THROW(ReadOrderFile(cut), FileError);
    EXPECT_THROW(ReadOrderFile(path("missing.kvt")), FileError);
    EXPECT_THROW(ReadOrderFile(folder_), FileError);
    EXPECT_THROW(WriteOrderFile(path("no-such-folder") / "a.kvt", OrderList{}), FileError);
}

TEST_F(OrderFileTest, FailedWriteLeavesTheOldFile)
{
    // The longest name the folder takes leaves no room for the temporary name beside it,
    // so the write fails even for a user no permission stops.
    const fs::path file = path(std::string(250, 'z') + ".kvt");
    writeBytes(file, recordsOf(2));
    const std::string before = ReadWholeFile(file);

    OrderList replacement;
    ASSERT_EQ(replacement.append(FanLine(6, 1, 2)), AppendResult::Appended);
    ASSERT_EQ(replacement.append(FanLine(7, 1, 2)), AppendResult::Appended);
    EXPECT_THROW(WriteOrderFile(file, replacement), FileError);
    EXPECT_EQ(ReadWholeFile(file), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}), 1);
}
