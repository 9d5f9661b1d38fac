// Curve files: the input stands as both curve files of a tabulated fan (pressure and
// efficiency), read through the record the way a search reads them, then scanned for an
// operating point and sampled for the charts.
#include "fuzz_support.h"

#include "core/catalogue/fan_curves.h"
#include "core/details/chart_curves.h"
#include "core/shell/data_folder.h"

#include <cstddef>
#include <cstdint>

using namespace kalvintera;

namespace {

void Scan(const FanCharacteristic& fan, FlowRange range)
{
    const double duty_flow = (range.min_m3s + range.max_m3s) / 2;
    fuzz::Expecting([&] {
        if (ReachesDuty(fan, duty_flow, 50)) FindOperatingPoint(fan, range, SystemCoefficient(duty_flow, 50));
    });
    const CharacteristicCurves curves{fan, range};
    const CharacteristicScale scale;
    fuzz::Expecting([&] { ToPixels(scale, PressureCurve(curves)); });
    fuzz::Expecting([&] { ToPixels(scale, PowerCurve(curves)); });
    fuzz::Expecting([&] { ToPixels(scale, EfficiencyCurve(curves)); });
    fuzz::Expecting([&] { LargestPower(curves); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pressure_file = fuzz::WriteInput(data, size, std::string("data/") + kPressureCurveFolder + "k.txt");
    fuzz::WriteInput(data, size, std::string("data/") + kEfficiencyCurveFolder + "k.txt");
    const DataFolder folder(pressure_file.parent_path().parent_path().parent_path());

    DeviceRecord fan_record;
    fan_record.NamePl = "WENTYLATOR DACHOWY";
    fan_record.Model = "K";
    fan_record.CurveFile = "k.txt";
    for (NumberFormat numbers : fuzz::kBothSeparators) {
        FanCharacteristic fan;
        if (!fuzz::Expecting([&] { fan = ReadFanCharacteristic(fan_record, folder, numbers); })) continue;
        const CurveTable& table = fan.pressure_table;
        fuzz::Require(table.count() >= 2 && table.count() <= kMaxCurvePoints, "a curve table of impossible size");
        // The range the table spans, and a fan's usual one whatever the table holds.
        Scan(fan, FlowRange{table.point(1).X / 3600.0, table.point(table.count()).X / 3600.0});
        Scan(fan, FlowRange{0.05, 0.5});
    }
    return 0;
}
