// The data sheet as data: what a sheet holds for polynomial, tabulated and accessory-fitted
// fans, regulated charts, the reader's language, the order's sheets and the page layout.

#include "core/catalogue/fan_curves.h"
#include "core/details/energy_rows.h"
#include "core/documents/datasheet_lines.h"
#include "core/documents/fan_datasheet.h"
#include "core/errors.h"
#include "core/selection/fan_result_row.h"
#include "core/text/rounding.h"

#include "shell_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using namespace kalvintera;
using kalvintera::testing::TempFolder;

namespace {

const NumberFormat kPoint = NumberFormat::point();

// dp = 400 − 1000·V², η = −2V² + 2V + 0.2 over 0.1 … 0.6 m³/s.
DeviceRecord RoofFan()
{
    DeviceRecord fan;
    fan.NamePl = "WENTYLATOR DACHOWY";
    fan.Model = "KDH-T";
    fan.PressureCoef = {"0", "0", "-1000", "0", "400"};
    fan.EfficiencyCoef = {"0", "0", "-2", "2", "0.2"};
    fan.FlowMin = "0.1";
    fan.FlowMax = "0.6";
    fan.Pressure1 = "40";
    fan.Pressure2 = "400";
    fan.Speed = "1400";
    fan.MotorPower = "0.25";
    fan.Voltage1 = "230";
    fan.Current1 = "1.2";
    fan.Mass = "12";
    fan.SoundSpectrum = {"50", "55", "60", "62", "61", "58", "54", "48", "66"};
    return fan;
}

struct Sheet {
    TempFolder folder;
    DeviceTable devices;
    DataFolder data{folder.path()};
    LanguageTable language;

    Sheet() { devices.slot(1) = RoofFan(); }

    DatasheetContext context() const
    {
        DatasheetContext c{devices, data, kPoint, language, language_id::kPolish};
        c.date = "09.12.2026";
        c.version = "2.2";
        c.energy = EnergySettings{4000, 1.0};
        return c;
    }

    Document make(std::optional<DutyPoint> duty, Regulation regulation = Regulation::None) const
    {
        return MakeDatasheet(context(), DatasheetRequest{1, duty, regulation});
    }
};

bool Contains(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool AnyStartsWith(const std::vector<std::string>& texts, const std::string& start)
{
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.rfind(start, 0) == 0; });
}

// The table whose heading row holds `cell`.
std::optional<TableBlock> TableWith(const Document& document, const std::string& cell)
{
    for (const DocumentPage& page : document.pages) {
        for (const TableBlock& table : page.all<TableBlock>()) {
            for (const auto& row : table.rows) {
                if (Contains(row, cell)) return table;
            }
        }
    }
    return std::nullopt;
}

std::vector<ChartBlock> Charts(const Document& document)
{
    std::vector<ChartBlock> charts;
    for (const DocumentPage& page : document.pages) {
        for (const ChartBlock& chart : page.all<ChartBlock>()) charts.push_back(chart);
    }
    return charts;
}

std::string OneDecimal(double value) { return FormatShortest(RoundHalfEven(value, 1), kPoint); }

} // namespace

TEST(Datasheet, PolynomialFanCarriesTheOperatingPointTheWindowsShow)
{
    Sheet sheet;
    const DutyPoint duty{0.3, 150};
    const Document document = sheet.make(duty);
    const FanCharacteristic fan = ReadFanCharacteristic(sheet.devices.at(1), sheet.data, kPoint);
    const OperatingPoint point = FindOperatingPoint(fan, {0.1, 0.6}, SystemCoefficient(0.3, 150));

    const std::optional<TableBlock> points = TableWith(document, sheet.language.line(datasheet_lines::kOperatingPoint));
    ASSERT_TRUE(points);
    ASSERT_GE(points->rows.size(), 5u);
    EXPECT_EQ(points->rows[1][1], "1080 [m3/h]"); // asked: 0.3 m³/s
    EXPECT_EQ(points->rows[1][2], OneDecimal(point.Flow * 3600) + " [m3/h]");
    EXPECT_EQ(points->rows[2][2], OneDecimal(point.Pressure) + " [Pa]");
    EXPECT_EQ(points->rows[3][2], OneDecimal(point.Efficiency * 100) + " [%]");
    EXPECT_EQ(points->rows[4][2], OneDecimal(point.Power) + " [W]");

    const std::vector<std::string> texts = DocumentTexts(document);
    EXPECT_TRUE(Contains(texts, sheet.language.line(datasheet_lines::kTitle)));
    EXPECT_TRUE(AnyStartsWith(texts, "WENTYLATOR DACHOWY KDH-T"));
    // Energy figures from the same core functions as the details window.
    const DetailsEnergy energy = ComputeDetailsEnergy(fan, {0.1, 0.6}, duty, {4000, 1.0});
    EXPECT_TRUE(Contains(texts, FormatShortest(RoundHalfEven(energy.figures->sfp, 0), kPoint) + " [W/(m3/s)]"));
    EXPECT_TRUE(Contains(texts, "SFP " + std::to_string(energy.figures->sfp_category)));
    // Three characteristic charts and the spectrum; the sound bands as a table with the total.
    EXPECT_EQ(Charts(document).size(), 4u);
    const std::optional<TableBlock> bands = TableWith(document, sheet.language.line(datasheet_lines::kBand));
    ASSERT_TRUE(bands);
    EXPECT_EQ(bands->rows[1].back(), "66");
    // Every page: the header with "n / N" and the date.
    const int pages = static_cast<int>(document.pages.size());
    for (int page = 1; page <= pages; ++page) {
        const DocumentPage& p = document.pages[static_cast<std::size_t>(page - 1)];
        std::vector<std::string> page_texts;
        for (const TextBlock& text : p.all<TextBlock>()) page_texts.push_back(text.text);
        EXPECT_TRUE(Contains(page_texts, "Strona " + std::to_string(page) + " / " + std::to_string(pages)));
        EXPECT_TRUE(Contains(page_texts, "09.12.2026"));
    }
}

TEST(Datasheet, TabulatedFanAndMountedAccessoryDrawTheirCurves)
{
    Sheet sheet;
    std::filesystem::create_directories(sheet.folder / "interpolacja/vdp");
    std::filesystem::create_directories(sheet.folder / "interpolacja/eta");
    sheet.folder.write("interpolacja/vdp/t.txt", "400;300\r\n1200;250\r\n2000;150\r\n");
    sheet.folder.write("interpolacja/eta/t.txt", "400;40\r\n1200;60\r\n2000;45\r\n");
    DeviceRecord& fan = sheet.devices.slot(1);
    fan.CurveFile = "t.txt";
    fan.FlowMin = "0.1112";
    fan.FlowMax = "0.5555";
    const Document tabulated = sheet.make(DutyPoint{1000.0 / 3600, 150});
    ASSERT_TRUE(TableWith(tabulated, sheet.language.line(datasheet_lines::kOperatingPoint)));
    // The best efficiency is at a curve point: 60 % at 1200 m³/h.
    const std::vector<std::string> texts = DocumentTexts(tabulated);
    EXPECT_TRUE(Contains(texts, "60 [%]"));
    EXPECT_TRUE(Contains(texts, "1200 [m3/h]"));

    // A polynomial fan with a mounted accessory: its second curve and the accessory's loss.
    fan = RoofFan();
    fan.MountedAccessory = "BDS-T";
    fan.ExtraCoef[0] = {"0", "0", "-1100", "0", "380"};
    fan.ExtraCoef[2] = {"0.1", "0.6", "", "", ""};
    DeviceRecord base;
    base.Model = "BDS-T";
    base.NamePl = "PODSTAWA DACHOWA";
    base.FlowMin = "0";
    base.FlowMax = "0.6";
    base.Pressure2 = "100";
    base.PressureCoef = {"", "", "100", "", ""};
    sheet.devices.slot(2) = base;
    const std::vector<ChartBlock> charts = Charts(sheet.make(DutyPoint{0.3, 150}));
    ASSERT_FALSE(charts.empty());
    const auto& items = charts.front().chart.items;
    const auto curves_of = [&](Colour colour) {
        return std::count_if(items.begin(), items.end(), [&](const DisplayItem& item) {
            const auto* line = std::get_if<PolylineItem>(&item);
            return line && line->pen.colour == colour;
        });
    };
    EXPECT_EQ(curves_of(colours::kDarkRed), 1);
    EXPECT_EQ(curves_of(colours::kGreen), 1);
}

TEST(Datasheet, RegulationShownInThePressureChartIsOnTheSheet)
{
    Sheet sheet;
    const DutyPoint duty{0.3, 150};
    const std::vector<std::string> throttled = DocumentTexts(sheet.make(duty, Regulation::Throttling));
    EXPECT_TRUE(AnyStartsWith(throttled, "Regulacja dławieniem: nadwyżka ciśnienia "));
    const std::vector<std::string> speed = DocumentTexts(sheet.make(duty, Regulation::SpeedChange));
    EXPECT_TRUE(AnyStartsWith(speed, "Regulacja obrotami: "));
    // Without a duty point there is nothing to regulate: no operating point, no regulation.
    const Document free = sheet.make(std::nullopt, Regulation::Throttling);
    EXPECT_FALSE(AnyStartsWith(DocumentTexts(free), "Regulacja"));
    EXPECT_FALSE(TableWith(free, sheet.language.line(datasheet_lines::kOperatingPoint)));
    EXPECT_EQ(Charts(free).size(), 4u);
}

TEST(Datasheet, EveryTextComesFromTheReadersLanguage)
{
    Sheet sheet;
    // A language file whose line n reads "L<n>".
    std::ofstream file(sheet.folder / "lang.lng", std::ios::binary);
    for (int n = 1; n <= kLanguageLines; ++n) file << "L" << n << "\r\n";
    file.close();
    sheet.language.load(sheet.folder / "lang.lng", CodePage::Cp1251);
    const std::vector<std::string> texts = DocumentTexts(sheet.make(DutyPoint{0.3, 150}));
    for (int line : {datasheet_lines::kTitle, datasheet_lines::kDutyAsked, datasheet_lines::kEnergyFigures,
                     datasheet_lines::kTechnicalData, datasheet_lines::kProgramName}) {
        EXPECT_TRUE(Contains(texts, "L" + std::to_string(line))) << line;
    }
    EXPECT_TRUE(Contains(texts, "L1284")); // the page line, with no %1 to fill
    EXPECT_FALSE(AnyStartsWith(texts, "Karta doboru"));
}

TEST(Datasheet, DutyPointTheFanDoesNotReachIsRefused)
{
    Sheet sheet;
    try {
        sheet.make(DutyPoint{0.3, 1000}); // above the fan's 400 Pa
        FAIL() << "a duty point above the fan was accepted";
    } catch (const DataError& error) {
        EXPECT_EQ(error.userMessage().line, datasheet_lines::kDutyNotReached);
        EXPECT_EQ(error.userMessage().values.front(), "KDH-T");
    }
    EXPECT_THROW(sheet.make(DutyPoint{0.9, 10}), DataError); // beyond FlowMax
}

TEST(Datasheet, OrderSheetsHaveACoverAndASheetPerProduct)
{
    Sheet sheet;
    DeviceRecord vent;
    vent.Model = "WZ-T";
    vent.NamePl = "WYWIETRZAK";
    sheet.devices.slot(3) = vent;
    OrderList order;
    OrderLine fan_line;
    fan_line.DeviceIndex = 1;
    fan_line.Quantity = "2";
    fan_line.DutyFlow = 1080; // m³/h, the units of the context
    fan_line.DutyPressure = 150;
    (void)order.append(fan_line);
    OrderLine vent_line;
    vent_line.DeviceIndex = 3;
    vent_line.Quantity = "1";
    (void)order.append(vent_line);
    OrderLine unreachable = fan_line;
    unreachable.DutyPressure = 5000;
    (void)order.append(unreachable);

    int steps = 0;
    WorkProgress progress;
    progress.report = [&](int done, int total) {
        EXPECT_EQ(total, 3);
        steps = done;
    };
    DatasheetContext context = sheet.context();
    context.customer = OrderCustomer{"Jan Kowalski", "Kraków", "ul. Długa 1", "123"};
    const std::optional<Document> document = MakeOrderDatasheets(context, order, progress);
    ASSERT_TRUE(document);
    EXPECT_EQ(steps, 3);
    const std::optional<TableBlock> cover = TableWith(*document, sheet.language.line(datasheet_lines::kLineNumber));
    ASSERT_TRUE(cover);
    ASSERT_EQ(cover->rows.size(), 4u);
    EXPECT_EQ(cover->rows[1][1], "KDH-T");
    EXPECT_EQ(cover->rows[1][4], "1080 m3/h / 150 Pa");
    EXPECT_EQ(cover->rows[2][4], "");
    const std::vector<std::string> texts = DocumentTexts(*document);
    EXPECT_TRUE(AnyStartsWith(texts, "Klient: Jan Kowalski"));
    // The fan the catalogue no longer lets reach its stored point gets its sheet with a note.
    EXPECT_TRUE(AnyStartsWith(texts, "Wentylator KDH-T nie osiąga punktu pracy"));

    std::atomic<bool> cancel{true};
    WorkProgress cancelled;
    cancelled.cancel = &cancel;
    EXPECT_FALSE(MakeOrderDatasheets(context, order, cancelled));

    try {
        MakeOrderDatasheets(context, OrderList{});
        FAIL() << "an empty order made sheets";
    } catch (const DataError& error) {
        EXPECT_EQ(error.userMessage().line, datasheet_lines::kOrderEmpty);
    }
}

TEST(Datasheet, ProposedFileNameIsSafe)
{
    EXPECT_EQ(DatasheetFileName("KDH-355", "1200", "150"), "KDH-355_1200_150.pdf");
    EXPECT_EQ(DatasheetFileName("KDH-355", "", ""), "KDH-355.pdf");
    EXPECT_EQ(DatasheetFileName("../a/b", "1,5", "2:0"), ".._a_b_1,5_2_0.pdf");
    EXPECT_EQ(DatasheetFileName("", "", ""), "datasheet.pdf");
}

TEST(DocumentComposer, LongTablesContinueOnTheNextPageWithTheirHeading)
{
    DocumentComposer composer("t", 20.0, [](int number, int count) {
        return std::vector<DocumentBlock>{TextBlock{{15, 10, 100, 5}, std::to_string(number) + "/" + std::to_string(count)}};
    });
    std::vector<std::vector<std::string>> rows{{"H1", "H2"}};
    for (int i = 0; i < 120; ++i) rows.push_back({std::to_string(i), "x"});
    composer.table({40, 140}, rows, true, 5.0);
    const Document document = composer.finish();
    ASSERT_GE(document.pages.size(), 3u);
    std::size_t data_rows = 0;
    for (const DocumentPage& page : document.pages) {
        const auto tables = page.all<TableBlock>();
        ASSERT_EQ(tables.size(), 1u);
        EXPECT_EQ(tables[0].rows.front(), (std::vector<std::string>{"H1", "H2"}));
        EXPECT_LE(tables[0].rect.y_mm + tables[0].rect.height_mm, kPageHeightMm - kPageMarginMm + 1e-9);
        data_rows += tables[0].rows.size() - 1;
        EXPECT_EQ(page.all<TextBlock>().front().text.back(), static_cast<char>('0' + document.pages.size()));
    }
    EXPECT_EQ(data_rows, 120u);
}
