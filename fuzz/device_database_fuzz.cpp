// The device database: 2142-byte records loaded into the table, then used the way the
// searches and the details screen use them, so every number a record carries reaches
// the code that steps over it.
#include "fuzz_support.h"

#include "core/catalogue/device_table.h"
#include "core/details/accessories.h"
#include "core/details/characteristic_chart.h"
#include "core/details/details_tables.h"
#include "core/details/device_documents.h"
#include "core/details/sound_level_chart.h"
#include "core/selection/fan_search.h"
#include "core/selection/ventilator_search.h"
#include "core/shell/data_folder.h"
#include "core/shell/language_table.h"

#include <cstddef>
#include <cstdint>

using namespace kalvintera;

namespace {

// A data folder holding the curve files of the tabulated fan among the seeds, so its
// searches and charts get past reading them.
const DataFolder& Data()
{
    static const DataFolder folder = [] {
        const auto pressure = fuzz::WriteInput("104;2193\r\n202;2122\r\n300;1990\r\n400;1800\r\n531;1400\r\n",
                                               "data/interpolacja/vdp/kpw250.txt");
        fuzz::WriteInput("104;38\r\n202;54\r\n300;61\r\n400;58\r\n531;45\r\n", "data/interpolacja/eta/kpw250.txt");
        return DataFolder(pressure.parent_path().parent_path().parent_path());
    }();
    return folder;
}

// The duty point the selection window starts with: 300 m³/h at 50 Pa.
constexpr DutyPoint kDuty{300.0 / 3600.0, 50.0};

void DrawCharts(const CharacteristicSource& source)
{
    // Throttling draws everything the plain pressure chart does, and more.
    const CharacteristicRequest requests[] = {
        {CharacteristicKind::Pressure, kDuty, Regulation::Throttling},
        {CharacteristicKind::Pressure, kDuty, Regulation::SpeedChange},
        {CharacteristicKind::Power, kDuty, Regulation::None},
        {CharacteristicKind::Efficiency, std::nullopt, Regulation::None},
    };
    for (const CharacteristicRequest& request : requests) {
        CharacteristicDrawing drawing;
        fuzz::Expecting([&] { DrawCharacteristicChart(source, request, drawing); });
    }
}

void ShowDetails(const DeviceTable& table, DeviceIndex index, const DataFolder& data, NumberFormat numbers)
{
    static const LanguageTable kNoTexts;
    const DeviceRecord& device = table.at(index);
    fuzz::Expecting([&] { FindDeviceByModel(table, device.Model); });
    fuzz::Expecting([&] { TechnicalRows(device, kNoTexts, 2); });
    fuzz::Expecting([&] { DimensionRows(device, kNoTexts); });
    fuzz::Expecting([&] { VisibleAccessories(device, table, AccessoryFilter{1, std::string("230")}); });
    for (DeviceDocumentKind kind : {DeviceDocumentKind::SeriesSheet, DeviceDocumentKind::DetailedDescription,
                                    DeviceDocumentKind::CatalogueCard, DeviceDocumentKind::AcousticSheet,
                                    DeviceDocumentKind::CadDrawing}) {
        fuzz::Expecting([&] { DeviceDocumentFor(kind, device, 2); });
    }
    fuzz::Expecting([&] { DescriptionPath(device, 4); });
    // The details screen offers the charts only to a record with a pressure polynomial, and
    // the spectrum only to one with a total sound level.
    if (!device.PressureCoef[4].empty()) DrawCharts(CharacteristicSource{device, table, data, numbers});
    if (!device.SoundSpectrum[8].empty()) {
        SpectrumDrawing spectrum;
        fuzz::Expecting([&] { DrawSpectrum(SpectrumInput{device, table, "dB(A)", numbers}, spectrum); });
    }
}

void Search(const DeviceTable& table, const DataFolder& data, NumberFormat numbers)
{
    FanSearchCriteria criteria;
    criteria.duty = kDuty;
    for (FanKind kind : {FanKind::Roof, FanKind::Radial, FanKind::Duct}) {
        criteria.kind = kind;
        fuzz::Expecting([&] { SearchFans(table, data, criteria, numbers); });
    }
    fuzz::Expecting([&] { FanSeriesCodes(table); });
    fuzz::Expecting([&] { SelectCylindricalVentilators(table, {"300", "4", "STANDARD"}, numbers); });
    IntegratedSearchInput integrated;
    integrated.flow_text = "300";
    integrated.inside_temperature_text = "20";
    integrated.outside_temperature_text = "-10";
    integrated.wind_text = "4";
    integrated.height_text = "3";
    integrated.colour_text = "STANDARD";
    integrated.atmospheric_pressure_text = "101300";
    integrated.humidity_text = "50";
    fuzz::Expecting([&] { SelectIntegratedVentilators(table, integrated, numbers); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One table for every input, emptied after use: 2000 fresh records per input would
    // cost more than the reading under test.
    static DeviceTable table;
    const auto file = fuzz::WriteInput(data, size, "urzadzenia.dbx");
    const DataFolder& folder = Data();
    for (NumberFormat numbers : fuzz::kBothSeparators) {
        int loaded = 0;
        if (!fuzz::Expecting([&] { loaded = LoadDeviceTable(file, table, numbers); })) continue;
        fuzz::Require(loaded >= 0 && loaded <= kDeviceTableSlots, "more records than the table has slots");
        for (DeviceIndex index = 1; index <= loaded; ++index) ShowDetails(table, index, folder, numbers);
        Search(table, folder, numbers);
        for (DeviceIndex index = 1; index <= loaded; ++index) table.slot(index) = DeviceRecord{};
    }
    return 0;
}
