#include "core/catalogue/catalogue_text.h"
#include "core/catalogue/device_table.h"
#include "core/errors.h"
#include "core/text/code_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

using namespace kalvintera;

namespace {

// The message of the DataError that parsing `text` raises, or "" when it parses.
std::string ParseError(const std::string& text)
{
    try {
        ParseCatalogueText(text);
    } catch (const DataError& error) {
        return error.what();
    }
    return "";
}

void ExpectError(const std::string& text, const std::string& line, const std::string& reason)
{
    const std::string message = ParseError(text);
    EXPECT_NE(message.find(line + ":"), std::string::npos) << message;
    EXPECT_NE(message.find(reason), std::string::npos) << message;
}

std::string Repeat(const std::string& piece, std::size_t count)
{
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += piece;
    return out;
}

DeviceRecord SampleFan()
{
    DeviceRecord r;
    r.NamePl = "WENTYLATOR DACHOWY Z WYRZUTEM POZIOMYM ŁĄŻ";
    r.NameRu = "КРЫШНЫЙ ВЕНТИЛЯТОР";
    r.Model = "KDH-400";
    r.FlowMax = "0,765";
    r.PressureCoef = {"0", "-156.378601", "-187.654321", "-126.666667", "380"};
    r.ExtraCoef[2] = {"225E-3", "", "", "", "1"};
    r.Accessories[0] = "TYP HQ";
    r.Accessories[19] = "SLT-400";
    r.SoundSpectrum[8] = "77";
    r.Dimensions[18] = "12";
    r.Reserved2107[4] = "x";
    // Texts a line cannot hold as they are, and blanks that must not be trimmed.
    r.MotorType1 = "a\\b\nc\rd\te";
    r.DocumentFile = "  two: colons: ";
    return r;
}

} // namespace

TEST(CatalogueText, RoundTripKeepsEveryFieldAndEveryPosition)
{
    DeviceRecord accessory;
    accessory.Model = "TYP HQ";
    accessory.NamePl = "REGULATOR";
    const std::vector<DeviceRecord> records = {SampleFan(), DeviceRecord{}, accessory, DeviceRecord{}};

    const std::string text = DumpCatalogueText(records);
    EXPECT_EQ(ParseCatalogueText(text), records);

    // Empty records stay as bare headers so that the records after them keep their DeviceIndex.
    EXPECT_NE(text.find("\n\n[device]\n\n[device]\nNamePl: REGULATOR\nModel: TYP HQ\n\n[device]\n"), std::string::npos);
    EXPECT_EQ(text.rfind("[device]\n"), text.size() - 9);
    EXPECT_NE(text.find("MotorType1: a\\\\b\\nc\\rd\\te\n"), std::string::npos);
    EXPECT_NE(text.find("DocumentFile:   two: colons: \n"), std::string::npos);
    // Layout order: the reserved text at the end of the record comes last.
    EXPECT_LT(text.find("Dimensions[18]"), text.find("Reserved2107[4]"));
    EXPECT_EQ(DumpCatalogueText({}), "");
}

TEST(CatalogueText, AnythingParsedSurvivesTheDatabaseFile)
{
    // Every field filled to its capacity with a character that is two bytes in UTF-8.
    DeviceRecord full;
    ForEachDeviceField(full, [](const DeviceFieldSlot& slot, std::string& text) {
        text = Repeat(slot.code_page == CodePage::Cp1251 ? "Ж" : "Ł", slot.capacity);
    });
    const std::vector<DeviceRecord> parsed = ParseCatalogueText(DumpCatalogueText({full, SampleFan()}));
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_EQ(parsed[0], full);

    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("catalogue_text_" + std::to_string(::getpid()) + ".dbx");
    WriteDeviceFile(file, parsed);
    const std::vector<DeviceRecord> read = ReadDeviceFile(file);
    std::filesystem::remove(file);
    EXPECT_EQ(read, parsed);
}

TEST(CatalogueText, ReadsWhatAnAuthorWrites)
{
    const std::string text = "\xEF\xBB\xBF# sample\r\n"
                             "\r\n"
                             "[device]  \r\n"
                             "Model: KDV-315\r\n"
                             "   \r\n"
                             "# a comment between fields\r\n"
                             "FlowMin: 0.1\r\n"
                             "NamePl:\r\n"
                             "[device]\n"
                             "FlowMax: 0.5";
    const std::vector<DeviceRecord> records = ParseCatalogueText(text);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Model, "KDV-315");
    EXPECT_EQ(records[0].FlowMin, "0.1");
    EXPECT_EQ(records[0].NamePl, "");
    EXPECT_EQ(records[1].FlowMax, "0.5");
    EXPECT_TRUE(ParseCatalogueText("# nothing but comments\n\n").empty());
}

TEST(CatalogueText, RejectsWhatWouldNotSurviveOrMakesNoSense)
{
    ExpectError("Model: X\n", "line 1", "before the first [device]");
    ExpectError("[device]\nmodel: X\n", "line 2", "unknown field \"model\"");
    ExpectError("[device]\nPressureCoef[5]: 1\n", "line 2", "unknown field");
    ExpectError("[device]\nModel: A\n\nModel: B\n", "line 4", "given twice");
    ExpectError("[device]\nModel X\n", "line 2", "expected \"FieldName: value\"");
    ExpectError("[device]\nModel:X\n", "line 2", "space must follow");
    ExpectError("[device]\nModel: a\\qb\n", "line 2", "unknown escape \\q");
    ExpectError("[device]\nModel: ends\\\n", "line 2", "backslash ends the value");
    ExpectError("[device]\nModel: \xC5\n", "line 2", "not valid UTF-8");
    // Capacity counts characters: 10 two-byte letters fit MotorPower, 11 do not.
    EXPECT_EQ(ParseError("[device]\nMotorPower: " + Repeat("ł", 10) + "\n"), "");
    ExpectError("[device]\nMotorPower: " + Repeat("ł", 11) + "\n", "line 2", "11 characters; the field holds 10");
    // Cyrillic belongs in the Russian name only; elsewhere it would turn into '?'.
    EXPECT_EQ(ParseError("[device]\nNameRu: Вентилятор\n"), "");
    ExpectError("[device]\nNameEn: Вентилятор\n", "line 2", "CP1250 cannot store");
    ExpectError("[device]\nNameRu: Łódź\n", "line 2", "CP1251 cannot store");
    // Errors name their line also after a record was already read.
    ExpectError("[device]\nModel: A\n[device]\nBogus: 1\n", "line 4", "unknown field \"Bogus\"");
}

TEST(CatalogueText, HoldsAsManyRecordsAsTheDeviceTable)
{
    const std::string table = Repeat("[device]\n", kDeviceTableSlots);
    EXPECT_EQ(ParseCatalogueText(table).size(), static_cast<std::size_t>(kDeviceTableSlots));
    ExpectError(table + "[device]\n", "line 2001", "more than 2000 records");
}
