#pragma once

#include "core/text/number_format.h"

#include <optional>
#include <string>
#include <string_view>

namespace kalvintera {

// State of the air the calculations assume, from the settings' temperature, pressure
// and relative humidity.
struct AirProperties {
    double saturation_pressure_pa = 0; // ps
    double humidity_ratio = 0;         // x, kg/kg
    double density_kgm3 = 0;           // ρ
    double viscosity_m2s = 0;          // ν, kinematic
};

// Saturation pressure of water vapour over the usual air temperatures, Pa (a fourth-degree fit).
double AirSaturationPressure(double temperature_c);

// Density of moist air at t (°C), p (Pa) and relative humidity φ (fraction), kg/m³.
double MoistAirDensity(double temperature_c, double pressure_pa, double relative_humidity);

AirProperties ComputeAirProperties(double temperature_c, double pressure_pa, double relative_humidity);

struct AirStateTexts {
    std::string_view temperature; // °C
    std::string_view pressure;    // Pa
    std::string_view humidity;    // %
};

// From the texts of the settings tab: nothing (the shown values stay) while a text is empty
// or the temperature is a lone "-" being typed; ConversionError for a text that is not a
// number; DataError for a state that gives no physical air (p at or below the vapour pressure).
std::optional<AirProperties> ComputeAirProperties(const AirStateTexts& texts, NumberFormat format);

// The shown texts: ρ at 2 decimals, ν at 6, in the shortest general form.
std::string DensityText(const AirProperties& air, NumberFormat format);
std::string ViscosityText(const AirProperties& air, NumberFormat format);

} // namespace kalvintera
