#pragma once

#include "core/details/details_tables.h"
#include "core/selection/duty_point.h"
#include "core/selection/energy_figures.h"
#include "core/shell/units.h"

#include <optional>
#include <string>
#include <vector>

namespace kalvintera {

// What the details window tells of a fan's energy: its best efficiency point always, and
// with a duty point where it runs there and what that costs.
struct DetailsEnergy {
    BestEfficiencyPoint best;
    OperatingPoint best_point; // the fan's pressure and power at the best efficiency flow
    std::optional<OperatingPoint> point;
    std::optional<EnergyFigures> figures;
};

// `fan` is taken at the air density in force; without `settings` the yearly figures are 0.
DetailsEnergy ComputeDetailsEnergy(const FanCharacteristic& fan, FlowRange range, const std::optional<DutyPoint>& duty,
                                   const EnergySettings& settings);

// The fan's values at a flow, in the segment of the characteristic that holds it.
OperatingPoint CharacteristicAt(const FanCharacteristic& fan, double flow_m3s);

struct EnergyRowsFormat {
    NumberFormat numbers;
    FlowUnit flow_unit = FlowUnit::CubicMetresPerHour;
    PressureUnit pressure_unit = PressureUnit::Pascal;
    std::string currency;
    double air_density = kCatalogueAirDensity;
    bool yearly_figures = true; // the settings' hours and price read as numbers
};

// The rows after the technical data: the air density, the best efficiency and its flow,
// then (with an operating point) flow, pressure, efficiency, power, SFP and its category,
// the efficiency as a share of the best, the stall warning and the yearly energy and cost.
// A figure that is not a number (a power without efficiency) leaves its row out.
std::vector<DetailsRow> EnergyDetailsRows(const DetailsEnergy& energy, const LanguageTable& language,
                                          const EnergyRowsFormat& format);

// Of those, the figures after the operating point itself: SFP and its category, the share of
// the best efficiency, the stall warning and the yearly energy and cost.
std::vector<DetailsRow> EnergyFigureRows(const DetailsEnergy& energy, const LanguageTable& language,
                                         const EnergyRowsFormat& format);

} // namespace kalvintera
