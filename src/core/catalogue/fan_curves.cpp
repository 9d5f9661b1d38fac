#include "core/catalogue/fan_curves.h"

#include "core/catalogue/curve_cache.h"
#include "core/errors.h"

namespace kalvintera {

std::string DeviceLabel(const DeviceRecord& record)
{
    return "\"" + (record.Model.empty() ? record.NamePl : record.Model) + "\"";
}

FanCharacteristic ReadPressureCharacteristic(const DeviceRecord& record, const DataFolder& data, NumberFormat format,
                                             std::uint64_t use)
{
    FanCharacteristic fan;
    if (record.CurveFile.empty()) {
        fan.pressure_coef = ReadPolynomial(record.PressureCoef, format);
    } else {
        fan.tabulated = true;
        fan.pressure_table = data.curveCache().read(data, kPressureCurveFolder + record.CurveFile, 1.0, format, use);
    }
    return fan;
}

void ReadEfficiencyCharacteristic(FanCharacteristic& fan, const DeviceRecord& record, const DataFolder& data,
                                  NumberFormat format, std::uint64_t use)
{
    if (!fan.tabulated) {
        fan.efficiency_coef = ReadPolynomial(record.EfficiencyCoef, format);
        return;
    }
    fan.efficiency_table = data.curveCache().read(data, kEfficiencyCurveFolder + record.CurveFile, 100.0, format, use);
    if (fan.efficiency_table.count() != fan.pressure_table.count()) {
        throw DataError("The curve files " + record.CurveFile + " of " + DeviceLabel(record)
                        + " differ: the pressure file has " + std::to_string(fan.pressure_table.count())
                        + " points, the efficiency file " + std::to_string(fan.efficiency_table.count()));
    }
}

FanCharacteristic ReadFanCharacteristic(const DeviceRecord& record, const DataFolder& data, NumberFormat format,
                                        std::uint64_t use)
{
    FanCharacteristic fan = ReadPressureCharacteristic(record, data, format, use);
    ReadEfficiencyCharacteristic(fan, record, data, format, use);
    return fan;
}

FlowRange ReadFlowRange(const DeviceRecord& record, NumberFormat format)
{
    FlowRange range;
    try {
        range = FlowRange{ParseNumber(record.FlowMin, format), ParseNumber(record.FlowMax, format)};
    } catch (const ConversionError& error) {
        throw RecordDataError("The flow range of " + DeviceLabel(record) + " is not a number: " + error.what());
    }
    if (range.min_m3s > range.max_m3s) {
        throw RecordDataError("The flow range of " + DeviceLabel(record) + " runs backwards: FlowMin " + record.FlowMin
                              + " is above FlowMax " + record.FlowMax);
    }
    if ((range.max_m3s - range.min_m3s) / kFlowStep > static_cast<double>(kMaxOperatingPointSteps)) {
        throw RecordDataError("The flow range " + record.FlowMin + " … " + record.FlowMax + " m³/s of "
                              + DeviceLabel(record) + " is too wide to be a fan's");
    }
    return range;
}

} // namespace kalvintera
