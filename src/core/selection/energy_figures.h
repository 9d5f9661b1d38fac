#pragma once

#include "core/catalogue/characteristic.h"

#include <string>

namespace kalvintera {

// What a fan costs to run and how well it is chosen, from its operating point.

// Specific fan power: electric power over the operating flow, W/(m³/s). 0 for no flow.
double SpecificFanPower(double power_w, double flow_m3s);

// The SFP category of EN 16798-3: 1 up to 500, 2 up to 750, 3 up to 1250, 4 up to 2000,
// 5 up to 3000, 6 up to 4500 W/(m³/s), 7 above (and for a value that is not a number).
int SpecificFanPowerCategory(double sfp);

// The best efficiency point: the largest efficiency of the characteristic between FlowMin
// and FlowMax and its flow, found to 0.0001 (0.01 percentage points).
struct BestEfficiencyPoint {
    double efficiency = 0; // fraction
    double flow_m3s = 0;
};
BestEfficiencyPoint FindBestEfficiencyPoint(const FanCharacteristic& fan, FlowRange range);

// The operating efficiency as a share of the best one, in %; 0 when the best is not positive.
double EfficiencyRatioPercent(double operating_efficiency, double best_efficiency);

// The operating point lies where the fan's pressure still rises with the flow (left of the
// pressure peak), where a fan runs unsteadily.
bool InStallRegion(const FanCharacteristic& fan, const OperatingPoint& point);

// Power over a year of operating hours, kWh/a, and what it costs.
double AnnualEnergyKwh(double power_w, double hours_per_year);
double AnnualCost(double energy_kwh, double price_per_kwh);

// The catalogue's characteristics hold for air of 1.2 kg/m³; for another density the fan's
// pressure (and with it its power) scales by ρ / 1.2. A density of exactly 1.2 returns the
// fan unchanged, bit for bit.
inline constexpr double kCatalogueAirDensity = 1.2;
FanCharacteristic ForAirDensity(const FanCharacteristic& fan, double density_kg_m3);

// Every figure of one fan at its operating point.
struct EnergyFigures {
    double sfp = 0;
    int sfp_category = 7;
    BestEfficiencyPoint best;
    double efficiency_ratio_pct = 0;
    bool stall = false;
    double annual_kwh = 0;
    double annual_cost = 0;
};
struct EnergySettings {
    double hours_per_year = 4000;
    double price_per_kwh = 1.0;
};
EnergyFigures ComputeEnergyFigures(const FanCharacteristic& fan, FlowRange range, const OperatingPoint& point,
                                   const EnergySettings& settings);

} // namespace kalvintera
