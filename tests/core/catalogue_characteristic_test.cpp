#include "core/catalogue/characteristic.h"
#include "core/catalogue/fan_curves.h"
#include "core/errors.h"
#include "core/shell/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kalvintera;

namespace {

FanCharacteristic ConstantPressure(double pressure_pa, double efficiency)
{
    FanCharacteristic fan;
    fan.pressure_coef = {0, 0, 0, 0, pressure_pa};
    fan.efficiency_coef = {0, 0, 0, 0, efficiency};
    return fan;
}

CurveTable Table(std::initializer_list<CurvePoint> points) { return CurveTable{points}; }

class CurveFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path()
               / ("kalvintera-curves-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "interpolacja" / "vdp");
        std::filesystem::create_directories(dir_ / "interpolacja" / "eta");
    }
    std::filesystem::path write(const std::string& relative, const std::string& text)
    {
        WriteFileAtomically(dir_ / relative, text);
        return dir_ / relative;
    }
    std::filesystem::path dir_;
};

} // namespace

TEST(Characteristic, InterpolatesAndExtrapolatesAlongTheLine)
{
    EXPECT_DOUBLE_EQ(InterpolateLinear(0, 100, 10, 0, 5), 50);
    EXPECT_DOUBLE_EQ(InterpolateLinear(0, 100, 10, 0, 12), -20);
    EXPECT_DOUBLE_EQ(InterpolateLinear(1000, 200, 2000, 100, 500), 250);
}

TEST(Characteristic, DutyTestAcceptsEqualityOnEitherForm)
{
    FanCharacteristic fan;
    fan.pressure_coef = {0, 0, -500, 0, 200}; // 200 − 500·V²
    EXPECT_TRUE(ReachesDuty(fan, 0.2, 180));
    EXPECT_FALSE(ReachesDuty(fan, 0.2, 180.0001));

    FanCharacteristic tabulated;
    tabulated.tabulated = true;
    tabulated.pressure_table = Table({{0, 300}, {1000, 200}, {2000, 100}});
    EXPECT_TRUE(ReachesDuty(tabulated, 1500.0 / 3600, 150));
    EXPECT_FALSE(ReachesDuty(tabulated, 1500.0 / 3600, 151));
    // Beyond the table the last segment is extended.
    EXPECT_TRUE(ReachesDuty(tabulated, 2500.0 / 3600, 50));
    EXPECT_EQ(SegmentAt(tabulated.pressure_table, 2500), 2);
    EXPECT_EQ(SegmentAt(tabulated.pressure_table, -5), 1);
    EXPECT_EQ(SegmentAt(tabulated.pressure_table, 1000), 2);
}

TEST(OperatingPoint, WorkedExampleStepsPastTheCrossing)
{
    // k = 50 / 0.1² = 5000; 5000·V² reaches 100 first at V = 0.1415, reported one step on.
    const OperatingPoint point = FindOperatingPoint(ConstantPressure(100, 0.5), {0.1, 0.5}, SystemCoefficient(0.1, 50));
    EXPECT_NEAR(point.Flow, 0.1416, 1e-12);
    EXPECT_NE(point.Flow, 0.1416); // repeated additions, not a recomputed value
    EXPECT_DOUBLE_EQ(point.Pressure, 100);
    EXPECT_DOUBLE_EQ(point.Efficiency, 0.5);
    EXPECT_DOUBLE_EQ(point.Power, 100 * point.Flow / 0.5);
}

TEST(OperatingPoint, EndsOfTheRange)
{
    // System curve already above the fan at FlowMin: FlowMin plus one step.
    EXPECT_NEAR(FindOperatingPoint(ConstantPressure(10, 0.5), {0.2, 0.5}, 5000).Flow, 0.2001, 1e-12);
    // Fan above the system curve all the way: exactly FlowMax.
    EXPECT_EQ(FindOperatingPoint(ConstantPressure(1e6, 0.5), {0.2, 0.5}, 1).Flow, 0.5);
}

TEST(OperatingPoint, TabulatedScanAdvancesOneSegmentPerStep)
{
    FanCharacteristic fan;
    fan.tabulated = true;
    fan.pressure_table = Table({{0, 400}, {360, 300}, {720, 200}, {1080, 100}});
    fan.efficiency_table = Table({{0, 0.3}, {360, 0.6}, {720, 0.7}, {1080, 0.5}});
    const double k = SystemCoefficient(600.0 / 3600, 200);
    const OperatingPoint point = FindOperatingPoint(fan, {0.05, 0.3}, k);
    EXPECT_EQ(point.Segment, 2);
    EXPECT_GT(point.Flow * 3600, 600);
    EXPECT_LT(point.Flow * 3600, 720);
    EXPECT_NEAR(point.Pressure, 300 - (point.Flow * 3600 - 360) / 360 * 100, 1e-9);
    EXPECT_NEAR(point.Efficiency, 0.6 + (point.Flow * 3600 - 360) / 360 * 0.1, 1e-12);
}

TEST(OperatingPoint, AbsurdRangesAreRefusedNotScanned)
{
    EXPECT_THROW(FindOperatingPoint(ConstantPressure(100, 0.5), {0, 1e12}, 1), DataError);
    EXPECT_THROW(FindOperatingPoint(ConstantPressure(100, 0.5), {0.5, 0.1}, 1), DataError);

    DeviceRecord record;
    record.Model = "KDH-999";
    record.FlowMin = "0";
    record.FlowMax = "1E9";
    EXPECT_THROW(ReadFlowRange(record, NumberFormat::point()), RecordDataError);
    record.FlowMax = "abc";
    try {
        ReadFlowRange(record, NumberFormat::point());
        FAIL();
    } catch (const RecordDataError& e) {
        EXPECT_NE(std::string(e.what()).find("KDH-999"), std::string::npos);
    }
    record.FlowMin = "0.6";
    record.FlowMax = "0.5";
    EXPECT_THROW(ReadFlowRange(record, NumberFormat::point()), RecordDataError);
}

TEST_F(CurveFiles, ReadsPairsAndScalesTheEfficiency)
{
    const auto eta = write("eta.txt", "500;40\r\n1000;65\r\n");
    const CurveTable table = ReadCurveFile(eta, 100, NumberFormat::point());
    ASSERT_EQ(table.count(), 2);
    EXPECT_DOUBLE_EQ(table.point(2).X, 1000);
    EXPECT_DOUBLE_EQ(table.point(2).Y, 0.65);
    EXPECT_DOUBLE_EQ(ReadCurveFile(write("c.txt", "1;2,5\n2;1,5"), 1, NumberFormat::comma()).point(1).Y, 2.5);
}

TEST_F(CurveFiles, BadFilesNameTheFileAndLine)
{
    EXPECT_THROW(ReadCurveFile(write("a.txt", "100;50\n500;120;7\n"), 1, NumberFormat::point()), ConversionError);
    EXPECT_THROW(ReadCurveFile(write("b.txt", "100;50\n\n200;40\n"), 1, NumberFormat::point()), ConversionError);
    EXPECT_THROW(ReadCurveFile(write("c.txt", "100;50\n200;4,5\n"), 1, NumberFormat::point()), ConversionError);
    EXPECT_THROW(ReadCurveFile(write("d.txt", "100;50\n"), 1, NumberFormat::point()), DataError);
    EXPECT_THROW(ReadCurveFile(write("e.txt", "200;50\n100;40\n"), 1, NumberFormat::point()), DataError);
    EXPECT_THROW(ReadCurveFile(dir_ / "missing.txt", 1, NumberFormat::point()), FileError);
    std::string many;
    for (int i = 1; i <= 501; ++i) many += std::to_string(i) + ";1\n";
    try {
        ReadCurveFile(write("many.txt", many), 1, NumberFormat::point());
        FAIL();
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("many.txt"), std::string::npos);
    }
    try {
        ReadCurveFile(write("line.txt", "1;1\n2;x\n"), 1, NumberFormat::point());
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("line.txt, line 2"), std::string::npos);
    }
}

TEST_F(CurveFiles, RecordNamesItsFilesInBothFoldersCaseInsensitively)
{
    write("interpolacja/vdp/KDT-500.TXT", "0;300\n1800;200\n3600;0\n");
    write("interpolacja/eta/KDT-500.TXT", "0;30\n1800;70\n3600;40\n");
    DeviceRecord record;
    record.CurveFile = "kdt-500.txt";
    const FanCharacteristic fan = ReadFanCharacteristic(record, DataFolder(dir_), NumberFormat::point());
    EXPECT_TRUE(fan.tabulated);
    EXPECT_DOUBLE_EQ(FanPressure(fan, 0.5, 1), 200);
    EXPECT_DOUBLE_EQ(FanEfficiency(fan, 0.5, 1), 0.7);

    write("interpolacja/eta/KDT-500.TXT", "0;30\n3600;40\n");
    EXPECT_THROW(ReadFanCharacteristic(record, DataFolder(dir_), NumberFormat::point()), DataError);
    record.CurveFile = "../../etc/passwd";
    EXPECT_THROW(ReadFanCharacteristic(record, DataFolder(dir_), NumberFormat::point()), FileError);
}
