#include "core/errors.h"
#include "core/humidair/chart_contents.h"
#include "core/humidair/chart_file.h"
#include "core/humidair/chart_points.h"
#include "core/humidair/chart_records.h"
#include "core/shell/file_io.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>

using namespace kalvintera;

namespace {

const NumberFormat kPoint = NumberFormat::point();

double DoubleAt(const std::uint8_t* bytes)
{
    std::uint64_t bits = 0;
    for (int k = 0; k < 8; ++k) bits |= static_cast<std::uint64_t>(bytes[k]) << (8 * k);
    return std::bit_cast<double>(bits);
}

ChartPoint SamplePoint(const std::string& name, double enthalpy = 20, double density = 1.2)
{
    ChartPoint p;
    p.name = name;
    p.moisture_kgkg = 0.01;
    p.temperature_c = 20.5;
    p.humidity = 0.69;
    p.enthalpy_kjkg = enthalpy;
    p.density_kgm3 = density;
    p.vapour_pa = 1602.85;
    p.dry_air_pa = 99697.15;
    p.wet_bulb_c = 16.25;
    p.barometric_pa = 101300;
    p.dew_point_c = 14.07;
    return p;
}

struct TempFolder {
    std::filesystem::path root = std::filesystem::temp_directory_path()
                                 / ("kalvintera-ix-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())
                                    + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempFolder() { std::filesystem::create_directories(root); }
    ~TempFolder() { std::filesystem::remove_all(root); }
};

} // namespace

TEST(ChartRecords, PointLayoutByteByByte)
{
    ChartPoint point = SamplePoint("Łódź 1");
    point.reserved = 0;
    std::array<std::uint8_t, kChartPointSize> bytes{};
    bytes.fill(0xEE);
    EncodeChartPoint(point, bytes.data());
    EXPECT_EQ(bytes[0], 6);
    EXPECT_EQ(bytes[1], 0xA3); // Ł in CP1250
    EXPECT_EQ(bytes[2], 0xF3); // ó
    EXPECT_EQ(bytes[3], 'd');
    EXPECT_EQ(bytes[6], '1');
    for (std::size_t k = 7; k < 16; ++k) EXPECT_EQ(bytes[k], 0) << k; // unused name bytes and padding
    const double expected[] = {0.01, 20.5, 0.69, 20, 0, 1.2, 1602.85, 99697.15, 16.25, 101300, 14.07};
    for (std::size_t k = 0; k < 11; ++k) EXPECT_EQ(DoubleAt(bytes.data() + 16 + 8 * k), expected[k]) << k;
    // 1.0 little-endian: the sign and exponent bytes last.
    point.moisture_kgkg = 1.0;
    EncodeChartPoint(point, bytes.data());
    EXPECT_EQ(bytes[22], 0xF0);
    EXPECT_EQ(bytes[23], 0x3F);
    EXPECT_EQ(DecodeChartPoint(bytes.data()), point);

    // A name over 10 characters is cut; a length byte over 10 is clamped.
    point.name = "ABCDEFGHIJKLM";
    EncodeChartPoint(point, bytes.data());
    EXPECT_EQ(bytes[0], 10);
    bytes[0] = 200;
    EXPECT_EQ(DecodeChartPoint(bytes.data()).name, "ABCDEFGHIJ");
}

TEST(ChartRecords, ProcessLayoutByteByByte)
{
    const ChartProcess process{"OGRZEWANIE ZIMOWE I LETNIE", "P1", "P2", true};
    std::array<std::uint8_t, kChartProcessSize> bytes{};
    bytes.fill(0xEE);
    EncodeChartProcess(process, bytes.data());
    EXPECT_EQ(bytes[0], 20);
    EXPECT_EQ(bytes[1], 'O');
    EXPECT_EQ(bytes[19], 'I');
    EXPECT_EQ(bytes[20], ' ');
    EXPECT_EQ(bytes[21], 2);
    EXPECT_EQ(bytes[22], 'P');
    EXPECT_EQ(bytes[23], '1');
    EXPECT_EQ(bytes[24], 0);
    EXPECT_EQ(bytes[32], 2);
    EXPECT_EQ(bytes[34], '2');
    EXPECT_EQ(bytes[42], 0);
    EXPECT_EQ(bytes[43], 1);
    const ChartProcess back = DecodeChartProcess(bytes.data());
    EXPECT_EQ(back.name, "OGRZEWANIE ZIMOWE I ");
    EXPECT_EQ(back.first, "P1");
    EXPECT_EQ(back.second, "P2");
    EXPECT_TRUE(back.draw_line);
    EncodeChartProcess({"a", "b", "c", false}, bytes.data());
    EXPECT_EQ(bytes[43], 0);
    EXPECT_FALSE(DecodeChartProcess(bytes.data()).draw_line);
}

TEST(ChartFile, SizesRoundTripAndTheProcessFileName)
{
    TempFolder folder;
    const auto chart = folder.root / "wykres.ixc";
    EXPECT_EQ(ProcessFilePath(chart), folder.root / "wykres.ixp");
    const std::vector<ChartPoint> points{SamplePoint("A"), SamplePoint("B", 40, 1.1), SamplePoint("C")};
    const std::vector<ChartProcess> processes{{"grzanie", "A", "B", true}, {"chłodzenie", "B", "C", false}};
    WriteChartFiles(chart, points, processes);
    EXPECT_EQ(std::filesystem::file_size(chart), 104u * 3);
    EXPECT_EQ(std::filesystem::file_size(ProcessFilePath(chart)), 44u * 2);
    EXPECT_EQ(ReadChartPointFile(chart), points);
    EXPECT_EQ(ReadChartProcessFile(ProcessFilePath(chart)), processes);

    // Without processes the process file is empty, and reads as none.
    WriteChartFiles(chart, points, {});
    EXPECT_EQ(std::filesystem::file_size(ProcessFilePath(chart)), 0u);
    EXPECT_TRUE(ReadChartProcessFile(ProcessFilePath(chart)).empty());
    WriteChartFiles(chart, {}, {});
    EXPECT_TRUE(ReadChartPointFile(chart).empty());

    // A chart named like its own process file would lose its points.
    EXPECT_THROW(WriteChartFiles(folder.root / "wykres.ixp", points, processes), FileError);
    EXPECT_FALSE(std::filesystem::exists(folder.root / "wykres.ixp.tmp"));
}

TEST(ChartFile, DamagedAndOversizedFilesAreRefused)
{
    TempFolder folder;
    const auto chart = folder.root / "zly.ixc";
    WriteFileAtomically(chart, std::string(104 * 2 + 7, '\0'));
    EXPECT_THROW(ReadChartPointFile(chart), FileError);
    WriteFileAtomically(chart, std::string(104 * 101, '\0'));
    EXPECT_THROW(ReadChartPointFile(chart), DataError);
    // The message the user reads names the file, what it holds and the limit.
    try {
        ReadChartPointFile(chart);
    } catch (const DataError& error) {
        EXPECT_EQ(error.userMessage().line, 1132);
        EXPECT_EQ(error.userMessage().values, (std::vector<std::string>{PathText(chart), "101", "100"}));
    }
    WriteFileAtomically(chart, std::string(104 * 100, '\0'));
    EXPECT_EQ(ReadChartPointFile(chart).size(), 100u);
    const auto processes = ProcessFilePath(chart);
    WriteFileAtomically(processes, std::string(44 * 51, '\0'));
    EXPECT_THROW(ReadChartProcessFile(processes), DataError);
    try {
        ReadChartProcessFile(processes);
    } catch (const DataError& error) {
        EXPECT_EQ(error.userMessage().line, 1133);
        EXPECT_EQ(error.userMessage().values, (std::vector<std::string>{PathText(processes), "51", "50"}));
    }
    try {
        WriteChartFiles(folder.root / "wykres.ixp", {}, {});
        ADD_FAILURE() << "a chart saved over its own process file";
    } catch (const FileError& error) {
        EXPECT_EQ(error.userMessage().line, 1134);
    }
    EXPECT_THROW(ReadChartProcessFile(folder.root / "brak.ixp"), FileError);
}

TEST(ChartProcesses, HeatFromTheNamedPoints)
{
    const std::vector<ChartPoint> points{SamplePoint("P1", 20, 1.2), SamplePoint("P2", 40, 1.1)};
    EXPECT_DOUBLE_EQ(ProcessHeat(points, {"grzanie", "P1", "P2", true}, 1000).value(), 6.39);
    EXPECT_DOUBLE_EQ(ProcessHeat(points, {"grzanie", "P2", "P1", true}, 1000).value(), 6.39);
    EXPECT_DOUBLE_EQ(ProcessHeat(points, {"nic", "P1", "P1", true}, 1000).value(), 0);
    EXPECT_FALSE(ProcessHeat(points, {"", "P1", "p2", true}, 1000)); // names are exact

    ChartContents contents;
    contents.replaceAll(points, {{"grzanie", "P1", "P2", true}, {"stary", "P1", "X", false}});
    const auto rows = ProcessRows(contents, 1000, NumberFormat::comma());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].heat_kw, "6,39");
    EXPECT_TRUE(rows[0].draw_line);
    EXPECT_EQ(rows[1].heat_kw, ""); // its point no longer exists
    EXPECT_FALSE(rows[1].draw_line);
}

TEST(ChartContents, LimitsNamesAndDeletion)
{
    ChartContents contents;
    for (int k = 0; k < 100; ++k) contents.addPoint(SamplePoint("P" + std::to_string(k)));
    EXPECT_TRUE(contents.pointsFull());
    EXPECT_THROW(contents.addPoint(SamplePoint("extra")), DataError);
    EXPECT_EQ(contents.points().size(), 100u);
    for (int k = 0; k < 50; ++k) contents.addProcess({"p", "P1", "P2", true});
    EXPECT_THROW(contents.addProcess({"p", "P1", "P2", true}), DataError);
    EXPECT_EQ(contents.processes().size(), 50u);
    EXPECT_THROW(contents.replaceAll(std::vector<ChartPoint>(101), {}), DataError);
    EXPECT_EQ(contents.points().size(), 100u); // a refused replacement changes nothing

    // Names are compared exactly: letter case makes another name.
    EXPECT_TRUE(contents.nameTaken("P1"));
    EXPECT_FALSE(contents.nameTaken("p1"));
    EXPECT_FALSE(contents.nameTaken("P1", 1)); // the edited point itself
    // Deleting moves the later points up; processes naming it stay.
    contents.deletePoint(1);
    EXPECT_EQ(contents.points().size(), 99u);
    EXPECT_EQ(contents.points()[1].name, "P2");
    EXPECT_EQ(contents.processes().size(), 50u);
    contents.deletePoint(500); // no such point: nothing happens
    contents.clear();
    EXPECT_TRUE(contents.points().empty());
    EXPECT_TRUE(contents.processes().empty());
}

TEST(ChartContents, KnowsWhetherThereIsSomethingToSave)
{
    ChartContents contents;
    EXPECT_FALSE(contents.unsaved());
    const std::vector<std::function<void(ChartContents&)>> changes{
        [](ChartContents& c) { c.addPoint(SamplePoint("N")); },
        [](ChartContents& c) { c.replacePoint(0, SamplePoint("R")); },
        [](ChartContents& c) { c.deletePoint(0); },
        [](ChartContents& c) { c.addProcess({"p", "A", "B", true}); },
        [](ChartContents& c) { c.replaceProcess(0, {"q", "A", "B", true}); },
        [](ChartContents& c) { c.setDrawLine(0, false); },
    };
    for (std::size_t k = 0; k < changes.size(); ++k) {
        contents.replaceAll({SamplePoint("A"), SamplePoint("B")}, {{"p", "A", "B", true}});
        EXPECT_FALSE(contents.unsaved()) << k; // as read from its files
        changes[k](contents);
        EXPECT_TRUE(contents.unsaved()) << k;
        contents.markSaved();
        EXPECT_FALSE(contents.unsaved()) << k;
    }
    // What changes nothing leaves nothing to save.
    contents.deletePoint(50);
    contents.replacePoint(50, SamplePoint("Z"));
    contents.replaceProcess(9, {"q", "A", "B", true});
    contents.setDrawLine(0, false); // as it is already
    contents.setDrawLine(9, false);
    EXPECT_FALSE(contents.unsaved());
    contents.addPoint(SamplePoint("C"));
    contents.clear(); // "Nowy"
    EXPECT_FALSE(contents.unsaved());
}

TEST(ChartPoints, PointDataDialogWorkedExample)
{
    PointDataTexts typed;
    typed.name = "A";
    typed.moisture_gkg = "10";
    typed.temperature = "20";
    const auto shown = ComputePointData(typed, PointDataInput::Temperature, 101300, kPoint);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->enthalpy, "45.48");
    EXPECT_EQ(shown->density, "1.2");
    EXPECT_EQ(shown->humidity_percent, "69");
    EXPECT_EQ(shown->vapour, "1602.85");
    EXPECT_EQ(shown->dry_air, "99697.15");
    EXPECT_EQ(shown->dew_point, "14.07");
    EXPECT_FALSE(shown->wet_bulb.empty());
    const ChartPoint stored = PointFromDataTexts(*shown, 101300, kPoint);
    EXPECT_DOUBLE_EQ(stored.humidity, 0.69);
    EXPECT_DOUBLE_EQ(stored.moisture_kgkg, 0.01);
    EXPECT_DOUBLE_EQ(stored.enthalpy_kjkg, 45.48);
    EXPECT_DOUBLE_EQ(stored.barometric_pa, 101300);
    EXPECT_EQ(stored.reserved, 0);
    // Edit mode shows the stored values again.
    const PointDataTexts again = PointDataTextsOf(stored, kPoint);
    EXPECT_EQ(again.moisture_gkg, "10");
    EXPECT_EQ(again.humidity_percent, "69");
    EXPECT_EQ(again.dew_point, "14.07");
}

TEST(ChartPoints, PointDataDialogUnusualTexts)
{
    const auto enthalpy = [](const std::string& x, const std::string& t, PointDataInput changed) {
        PointDataTexts typed;
        typed.moisture_gkg = x;
        typed.temperature = t;
        return ComputePointData(typed, changed, 101300, kPoint);
    };
    // An empty X field computes with 1 g/kg, and so does "0" typed into it.
    EXPECT_EQ(enthalpy("", "20", PointDataInput::Temperature)->enthalpy, enthalpy("1", "20", PointDataInput::Moisture)->enthalpy);
    EXPECT_EQ(enthalpy("0", "20", PointDataInput::Moisture)->enthalpy, enthalpy("1", "20", PointDataInput::Moisture)->enthalpy);
    // "0" in X while t changes computes X = 0, which has no dew point.
    EXPECT_THROW(enthalpy("0", "20", PointDataInput::Temperature), DataError);
    // A lone "-" in t is a negative number being typed; an empty t is 0 °C.
    EXPECT_FALSE(enthalpy("10", "-", PointDataInput::Temperature));
    EXPECT_EQ(enthalpy("10", "", PointDataInput::Temperature)->enthalpy, enthalpy("10", "0", PointDataInput::Temperature)->enthalpy);
    EXPECT_THROW(enthalpy("1x", "20", PointDataInput::Moisture), ConversionError);
    // Comma and point alike, in X, in t and in the texts stored.
    EXPECT_EQ(enthalpy("10,5", "20,25", PointDataInput::Temperature)->enthalpy,
              enthalpy("10.5", "20.25", PointDataInput::Temperature)->enthalpy);
    PointDataTexts comma = *enthalpy("10,5", "20,25", PointDataInput::Temperature);
    comma.moisture_gkg = "10,5";
    comma.temperature = "20,25";
    EXPECT_DOUBLE_EQ(PointFromDataTexts(comma, 101300, kPoint).temperature_c, 20.25);
    EXPECT_DOUBLE_EQ(PointFromDataTexts(comma, 101300, NumberFormat::comma()).moisture_kgkg, 0.0105);
    // X = 0: no dew point, said in the user's language with the value and its unit.
    try {
        enthalpy("0", "20", PointDataInput::Temperature);
    } catch (const DataError& error) {
        EXPECT_EQ(error.userMessage().line, 1135);
        EXPECT_EQ(error.userMessage().values, std::vector<std::string>{"0 Pa"});
    }
    // Above saturation φ is 100 %.
    EXPECT_EQ(enthalpy("30", "10", PointDataInput::Moisture)->humidity_percent, "100");
}

TEST(ChartPoints, TreeLinesAndPointsFromTheReadout)
{
    const ChartPoint point = SamplePoint("A");
    const auto lines = PointTreeLines(point, NumberFormat::comma());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "t= 20,5 C");
    EXPECT_EQ(lines[1], "X= 10 g/kg");
    EXPECT_EQ(lines[3], "ro= 1,2 kg/m3");
    EXPECT_EQ(lines[4], "fi= 69 %");
    EXPECT_EQ(lines[7], "tr= 14,07 C");

    HumidAirState readout;
    readout.moisture_kgkg = 0.01;
    readout.temperature_c = 20;
    readout.enthalpy_kjkg = 45.478;
    readout.humidity_percent = 68.6;
    readout.barometric_pa = 101300;
    const ChartPoint clicked = PointFromReadout("Punkt o długiej nazwie", readout);
    EXPECT_EQ(clicked.name, "Punkt o dł");
    EXPECT_DOUBLE_EQ(clicked.humidity, 0.686);
    EXPECT_NEAR(clicked.wet_bulb_c, WetBulbSearch(45.478, 101300).value(), 1e-12);
}
