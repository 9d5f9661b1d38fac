#include "core/selection/result_energy.h"

#include "core/catalogue/fan_curves.h"

namespace kalvintera {

EnergyFigures ResultEnergyFigures(const DeviceRecord& record, const DataFolder& data, NumberFormat format,
                                  const SelectionResult& result, const EnergySettings& settings, double air_density,
                                  std::uint64_t curve_use)
{
    const FanCharacteristic fan = ForAirDensity(ReadFanCharacteristic(record, data, format, curve_use), air_density);
    OperatingPoint point;
    point.Flow = result.Flow;
    point.Pressure = result.Pressure;
    point.Efficiency = result.Efficiency;
    point.Power = result.Power;
    point.Segment = result.Segment;
    return ComputeEnergyFigures(fan, ReadFlowRange(record, format), point, settings);
}

} // namespace kalvintera
