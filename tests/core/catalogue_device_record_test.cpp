#include "core/catalogue/device_table.h"
#include "core/errors.h"
#include "core/shell/file_io.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

using namespace kalvintera;

namespace {

// The catalogue's layout table, written out independently of the code's field list.
struct ExpectedField {
    const char* name;
    std::size_t offset;
    std::size_t capacity;
};
const ExpectedField kLayout[] = {
    {"NamePl", 0, 50}, {"NameEn", 51, 50}, {"NameDe", 102, 50}, {"NameRu", 153, 50}, {"Model", 306, 50},
    {"MotorType1", 357, 12}, {"MotorType2", 370, 12}, {"MotorType3", 383, 12}, {"MotorPower", 396, 10},
    {"Voltage1", 407, 10}, {"Current1", 418, 10}, {"Voltage2", 429, 10}, {"Current2", 440, 10},
    {"Current3", 451, 10}, {"SoundLevel1m", 462, 10}, {"SoundLevel2", 473, 10}, {"Mass", 484, 10},
    {"Speed", 495, 10}, {"FlowMin", 506, 10}, {"FlowMax", 517, 10}, {"Pressure1", 528, 10},
    {"Pressure2", 539, 10}, {"RegulationFlag1", 550, 5}, {"RegulationFlag2", 556, 5}, {"Coefficient", 562, 10},
    {"HeatTransfer", 573, 10}, {"PressureCoef[0]", 584, 11}, {"PressureCoef[4]", 632, 11},
    {"EfficiencyCoef[0]", 644, 11}, {"EfficiencyCoef[4]", 692, 11}, {"ExtraCoef[0][0]", 704, 11},
    {"ExtraCoef[0][4]", 752, 11}, {"ExtraCoef[1][0]", 764, 11}, {"ExtraCoef[1][4]", 812, 11},
    {"ExtraCoef[2][0]", 824, 11}, {"ExtraCoef[2][1]", 836, 11}, {"ExtraCoef[2][4]", 872, 11},
    {"MountedAccessory", 884, 25}, {"CurveFile", 910, 25}, {"SeriesSheetFile", 936, 25},
    {"DocumentFile", 962, 25}, {"ThumbnailFile", 988, 25}, {"DescriptionFile", 1040, 25},
    {"DrawingFile", 1066, 25}, {"CadFile", 1092, 25}, {"PictureFile", 1118, 25}, {"Accessories[0]", 1144, 20},
    {"Accessories[19]", 1543, 20}, {"ExecStandard", 1774, 20}, {"ExecTwoSpeed", 1795, 20},
    {"ExecHeat40", 1816, 20}, {"ExecHeat60", 1837, 20}, {"ExecExplosionProof", 1858, 20},
    {"ExecChemical", 1879, 20}, {"SoundSpectrum[0]", 1900, 6}, {"SoundSpectrum[8]", 1956, 6},
    {"Dimensions[0]", 1963, 6}, {"Dimensions[16]", 2075, 6}, {"DischargeDirection", 2082, 10},
    {"Dimensions[17]", 2093, 6}, {"Dimensions[18]", 2100, 6}, {"Reserved2107[4]", 2135, 6},
};

std::map<std::string, std::string> FieldsByName(const DeviceRecord& record)
{
    std::map<std::string, std::string> fields;
    ForEachDeviceField(record, [&](const DeviceFieldSlot& slot, const std::string& text) {
        fields[std::string(slot.name)] = text;
    });
    return fields;
}

std::filesystem::path ScratchFile(const std::string& name)
{
    const auto dir = std::filesystem::temp_directory_path() / "kalvintera-device-tests";
    std::filesystem::create_directories(dir);
    return dir / name;
}

DeviceRecord Fan(const std::string& model, const std::string& flow_max)
{
    DeviceRecord r;
    r.NamePl = "WENTYLATOR DACHOWY " + model;
    r.Model = model;
    r.FlowMax = flow_max;
    r.ExtraCoef[0][0] = flow_max;
    return r;
}

} // namespace

TEST(DeviceRecord, EveryFieldSitsAtItsOffset)
{
    // A record built byte by byte: each field holds its own name, cut to its capacity.
    std::vector<std::uint8_t> bytes(kDeviceRecordSize, 0);
    for (const ExpectedField& f : kLayout) {
        const std::string text = std::string(f.name).substr(0, f.capacity);
        bytes[f.offset] = static_cast<std::uint8_t>(text.size());
        std::memcpy(&bytes[f.offset + 1], text.data(), text.size());
    }
    const auto fields = FieldsByName(DecodeDeviceRecord(bytes.data()));
    for (const ExpectedField& f : kLayout) {
        EXPECT_EQ(fields.at(f.name), std::string(f.name).substr(0, f.capacity)) << f.name;
    }

    std::vector<std::uint8_t> encoded(kDeviceRecordSize, 0xFF);
    EncodeDeviceRecord(DecodeDeviceRecord(bytes.data()), encoded.data());
    EXPECT_EQ(encoded, bytes);
}

TEST(DeviceRecord, FieldsTileTheRecordWithoutGaps)
{
    DeviceRecord record;
    std::size_t next = 0;
    int count = 0;
    ForEachDeviceField(record, [&](const DeviceFieldSlot& slot, std::string&) {
        EXPECT_EQ(slot.offset, next) << slot.name;
        next = slot.offset + slot.capacity + 1;
        ++count;
    });
    EXPECT_EQ(next, kDeviceRecordSize);
    EXPECT_EQ(count, 133);
}

TEST(DeviceRecord, PolishInCp1250AndRussianNameSurvive)
{
    DeviceRecord r;
    r.NamePl = "WENTYLATOR KANAŁOWY";
    r.NameRu = "Канальный вентилятор";
    std::vector<std::uint8_t> bytes(kDeviceRecordSize);
    EncodeDeviceRecord(r, bytes.data());
    EXPECT_EQ(bytes[0], 19);
    EXPECT_EQ(bytes[1 + 15], 0xA3); // Ł in CP1250
    EXPECT_EQ(DecodeDeviceRecord(bytes.data()), r);
}

TEST(DeviceTable, LoadFillsLeadingSlotsAndKeepsTheRest)
{
    DeviceTable table;
    table.slot(5).Model = "LEFT OVER";
    const auto file = ScratchFile("three.dbx");
    WriteDeviceFile(file, {Fan("A", "0,25"), Fan("B", "1"), Fan("C", "2")});
    EXPECT_EQ(LoadDeviceTable(file, table, NumberFormat::point()), 3);
    EXPECT_EQ(table.at(3).Model, "C");
    EXPECT_EQ(table.at(4).Model, "");
    EXPECT_EQ(table.at(5).Model, "LEFT OVER");
    // Numeric fields take the locale's separator, the extra coefficients stay as stored.
    EXPECT_EQ(table.at(1).FlowMax, "0.25");
    EXPECT_EQ(table.at(1).ExtraCoef[0][0], "0,25");
    // Indices that name no slot read as an empty record.
    EXPECT_EQ(table.at(0).Model, "");
    EXPECT_EQ(table.at(-3).Model, "");
    EXPECT_EQ(table.at(2001).Model, "");
    EXPECT_EQ(FindDeviceByModel(table, "B"), 2);
    EXPECT_EQ(FindDeviceByModel(table, "b"), std::nullopt);
    EXPECT_EQ(FindDeviceByModel(table, ""), 4); // first empty slot, as the lookup is literal
}

TEST(DeviceTable, OnlyTheFirst2000RecordsAreRead)
{
    std::vector<DeviceRecord> records(2001);
    records[1999].Model = "LAST";
    records[2000].Model = "BEYOND";
    const auto file = ScratchFile("2001.dbx");
    WriteDeviceFile(file, records);
    DeviceTable table;
    EXPECT_EQ(LoadDeviceTable(file, table, NumberFormat::comma()), 2000);
    EXPECT_EQ(table.at(2000).Model, "LAST");
    EXPECT_FALSE(FindDeviceByModel(table, "BEYOND"));
}

TEST(DeviceTable, DamagedOrMissingFileIsAFileErrorNamingItAndChangesNothing)
{
    DeviceTable table;
    table.slot(1).Model = "KEPT";
    const auto file = ScratchFile("short.dbx");
    WriteFileAtomically(file, std::string(kDeviceRecordSize + 7, '\0'));
    try {
        LoadDeviceTable(file, table, NumberFormat::point());
        FAIL();
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("short.dbx"), std::string::npos);
    }
    EXPECT_THROW(LoadDeviceTable(ScratchFile("missing.dbx"), table, NumberFormat::point()), FileError);
    EXPECT_EQ(table.at(1).Model, "KEPT");
}
