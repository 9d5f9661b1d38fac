#include "core/details/accessories.h"
#include "core/details/details_tables.h"
#include "core/details/device_documents.h"

#include "shell_test_support.h"

#include <gtest/gtest.h>

using namespace kalvintera;
using kalvintera::testing::TempFolder;

namespace {

// Row names "L<line>=" so a test sees which language line each row came from.
LanguageTable NumberedLanguage(const TempFolder& folder)
{
    std::string text;
    for (int line = 1; line <= 400; ++line) text += "L" + std::to_string(line) + "=\r\n";
    LanguageTable table;
    table.load(folder.write("lines.lng", text), CodePage::Cp1250);
    return table;
}

std::vector<std::string> Names(const std::vector<DetailsRow>& rows)
{
    std::vector<std::string> names;
    for (const DetailsRow& row : rows) names.push_back(row.name);
    return names;
}

DeviceRecord Named(const std::string& model, const std::string& thumbnail = "")
{
    DeviceRecord record;
    record.Model = model;
    record.NamePl = "NAZWA " + model;
    record.NameEn = "NAME " + model;
    record.ThumbnailFile = thumbnail;
    return record;
}

} // namespace

TEST(DetailsTables, TechnicalRowsFollowTheRecordWithTheirUnits)
{
    TempFolder folder;
    const LanguageTable language = NumberedLanguage(folder);
    DeviceRecord fan;
    fan.NamePl = "WENTYLATOR DACHOWY";
    fan.NameEn = "ROOF FAN";
    fan.Model = "KDH-355";
    fan.MotorPower = "0.18";
    fan.Voltage1 = "230";
    fan.Voltage2 = "400";
    fan.Speed = "1400";
    fan.FlowMin = "0.15";
    fan.FlowMax = "0.53";
    fan.HeatTransfer = "2.1";

    const std::vector<DetailsRow> rows = TechnicalRows(fan, language, language_id::kEnglish);
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"L351", "L352", "L354", "L355", "L358", "L361", "L363", "L367",
                                                      "L368", "L372"}));
    EXPECT_EQ(rows[0].value, "ROOF FAN");
    EXPECT_EQ(rows[2].value, "0.18[kW]"); // no space before the motor power's unit
    EXPECT_EQ(rows[3].value, "230 [V]");
    EXPECT_EQ(rows[5].value, "230 [V]"); // the third variant repeats the first variant's supply
    EXPECT_EQ(rows[6].value, "1400 [rpm]");
    EXPECT_EQ(rows[7].value, "0.15 [m3/s]");
    EXPECT_EQ(rows[9].value, "2.1 [W/m2K]");

    // Flows of anything but a fan are in m³/h, whatever its name says in another language.
    DeviceRecord silencer;
    silencer.NamePl = "TŁUMIK";
    silencer.NameEn = "WENTYLATOR SILENCER";
    silencer.FlowMax = "900";
    EXPECT_EQ(TechnicalRows(silencer, language, language_id::kEnglish).back().value, "900 [m3/h]");
    // The Polish test needs the space after the word.
    silencer.NamePl = "WENTYLATORY";
    EXPECT_EQ(TechnicalRows(silencer, language, language_id::kPolish).back().value, "900 [m3/h]");

    EXPECT_TRUE(TechnicalRows(DeviceRecord{}, language, 1).empty());
}

TEST(DetailsTables, DimensionRowsTakeTheDrawingsOrder)
{
    TempFolder folder;
    const LanguageTable language = NumberedLanguage(folder);
    DeviceRecord device;
    for (std::size_t j = 0; j < device.Dimensions.size(); ++j) device.Dimensions[j] = std::to_string(1963 + 7 * j);
    device.Dimensions[17] = "2093";
    device.Dimensions[18] = "2100";

    const std::vector<DetailsRow> rows = DimensionRows(device, language);
    ASSERT_EQ(rows.size(), 19u);
    std::vector<std::string> values;
    for (const DetailsRow& row : rows) values.push_back(row.value);
    EXPECT_EQ(values, (std::vector<std::string>{"1963 [mm]", "1970 [mm]", "1977 [mm]", "1984 [mm]", "1998 [mm]",
                                                "1991 [mm]", "2005 [mm]", "2093 [mm]", "2100 [mm]", "2012 [mm]",
                                                "2019 [mm]", "2026 [mm]", "2033", "2040 [mm]", "2047 [mm]",
                                                "2054 [mm]", "2061 [mm]", "2068 [mm]", "2075 [mm]"}));
    EXPECT_EQ(rows.front().name, "L373");
    EXPECT_EQ(rows.back().name, "L391");

    DeviceRecord sparse;
    sparse.Dimensions[4] = "375"; // offset 1991: row 6
    ASSERT_EQ(DimensionRows(sparse, language).size(), 1u);
    EXPECT_EQ(DimensionRows(sparse, language)[0], (DetailsRow{"L378", "375 [mm]"}));
}

TEST(DetailsTables, RowsSplitAtTheFirstEqualsSign)
{
    EXPECT_EQ(SplitDetailsRow("Moc=0,18=x"), (DetailsRow{"Moc", "0,18=x"}));
    EXPECT_EQ(SplitDetailsRow("Uwaga"), (DetailsRow{"Uwaga", ""}));
    EXPECT_EQ(SplitDetailsRow("=5"), (DetailsRow{"", "5"}));
}

TEST(DetailsTables, HeadingFileIsCreatedOnceAndItsLinesLeadTheTables)
{
    TempFolder folder;
    const auto file = folder / "devices.txt";
    EXPECT_TRUE(ReadDetailsHeading(file).empty());
    EXPECT_EQ(folder.read("devices.txt"), " ");

    folder.write("devices.txt", "Dostawca=Kalvintera\r\n \r\nUwagi\r\n");
    EXPECT_EQ(ReadDetailsHeading(file), (std::vector<DetailsRow>{{"Dostawca", "Kalvintera"}, {"Uwagi", ""}}));
}

TEST(DetailsAccessories, ControllersOfTheOtherSupplyAreHiddenInTheFirstTwoSlots)
{
    DeviceTable table;
    table.slot(1) = Named("TYP HQ", "hq_m.jpg");
    table.slot(2) = Named("TYP HZ", "hz_m.jpg");
    table.slot(3) = Named("SLT-315");
    DeviceRecord fan;
    fan.Accessories[0] = "TYP HQ";
    fan.Accessories[1] = "TYP HZ";
    fan.Accessories[2] = "TYP HQ";
    fan.Accessories[4] = "NIEZNANY";
    fan.Accessories[19] = "SLT-315";

    const auto codes = [&](std::optional<std::string> voltage) {
        std::vector<std::string> shown;
        for (const AccessorySlot& slot : VisibleAccessories(fan, table, {1, voltage})) {
            shown.push_back(std::to_string(slot.slot) + ":" + slot.code);
        }
        return shown;
    };
    EXPECT_EQ(codes(std::nullopt), (std::vector<std::string>{"0:TYP HQ", "1:TYP HZ", "2:TYP HQ", "19:SLT-315"}));
    EXPECT_EQ(codes("230"), (std::vector<std::string>{"1:TYP HZ", "2:TYP HQ", "19:SLT-315"}));
    EXPECT_EQ(codes("400"), (std::vector<std::string>{"0:TYP HQ", "2:TYP HQ", "19:SLT-315"}));
    EXPECT_EQ(codes("230/400"), codes(std::nullopt));

    const AccessorySlot first = VisibleAccessories(fan, table, {language_id::kEnglish, std::nullopt}).front();
    EXPECT_EQ(first.index, 1);
    EXPECT_EQ(first.hint, "NAME TYP HQ");
    EXPECT_EQ(first.thumbnail, "hq_m.jpg");
    EXPECT_EQ(HighlightedThumbnail(first.thumbnail), "xhq_m.jpg");
}

TEST(DetailsDocuments, PathsFollowTheInterfaceLanguage)
{
    DeviceRecord device;
    device.DocumentFile = "kdh.pdf";
    device.CadFile = "kdh.dwg";
    device.SeriesSheetFile = "typ.pdf";
    device.DescriptionFile = "kdh.txt";
    const auto card = [&](int language) { return DeviceDocumentFor(DeviceDocumentKind::CatalogueCard, device, language); };
    EXPECT_EQ(card(language_id::kPolish).path, "katalog/kdh.pdf");
    EXPECT_EQ(card(language_id::kEnglish).path, "katalog/enkdh.pdf");
    EXPECT_EQ(card(language_id::kGerman).path, "katalog/dekdh.pdf");
    EXPECT_EQ(card(language_id::kRussian).path, "katalog/enkdh.pdf");
    EXPECT_EQ(card(1).missing_line, 963);
    EXPECT_EQ(DeviceDocumentFor(DeviceDocumentKind::CadDrawing, device, 1).path, "cad/kdh.dwg");
    EXPECT_EQ(DeviceDocumentFor(DeviceDocumentKind::SeriesSheet, device, 1).missing_line, 394);
    EXPECT_EQ(DeviceDocumentFor(DeviceDocumentKind::AcousticSheet, device, 1).path, "opisy/AKUkdh.pdf");

    EXPECT_EQ(DescriptionPath(device, language_id::kPolish), "opisy/kdh.txt");
    EXPECT_EQ(DescriptionPath(device, language_id::kEnglish), "opisy/GB_kdh.txt");
    EXPECT_EQ(DescriptionPath(device, language_id::kGerman), "opisy/D_kdh.txt");
    EXPECT_EQ(DescriptionPath(device, language_id::kRussian), "opisy/RU_kdh.txt");
}

TEST(DetailsDocuments, CatalogueProductIsOrderedInStandardColourWithNothingChosen)
{
    const OrderLine line = CatalogueOrderLine(17, "1500");
    EXPECT_EQ(line.DeviceIndex, 17);
    EXPECT_EQ(line.Quantity, "150");
    EXPECT_EQ(line.Colour, "STANDARD");
    EXPECT_EQ(line.Execution, "N/A");
    EXPECT_EQ(line.Arrangement, "N/A");
    EXPECT_EQ(line.Voltage, "N/A");
    EXPECT_EQ(line.DutyFlow, 0.0);
}
