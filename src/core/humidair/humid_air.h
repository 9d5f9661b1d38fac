#pragma once

#include <optional>

namespace kalvintera {

// The state of moist air as the air calculator shows it. Relative humidity in %,
// moisture content in kg of water per kg of dry air.
struct HumidAirState {
    double enthalpy_kjkg = 0;        // i
    double moisture_kgkg = 0;        // X
    double temperature_c = 0;        // t
    double humidity_percent = 0;     // φ
    double barometric_pa = 0;        // pb
    double saturation_pa = 0;        // ps, at t
    double vapour_pa = 0;            // pp
    double dry_air_pa = 0;           // pg
    double dew_point_c = 0;          // tr
    double wet_bulb_c = 0;           // tm
    double density_kgm3 = 0;         // ρ
};

// Saturation pressure of water vapour over -30..100 °C (a sixth-degree fit), Pa.
double SaturationPressure(double temperature_c);

// The temperature at which water vapour of this pressure saturates (four logarithmic
// pieces). DataError for a pressure that is not above 0: there is no dew point then.
double SaturationTemperature(double pressure_pa);

// i = (1.84·t + 2501)·X + 1.005·t and its two inversions.
double EnthalpyOf(double temperature_c, double moisture_kgkg);
double TemperatureFromEnthalpy(double enthalpy_kjkg, double moisture_kgkg);
double MoistureFromEnthalpy(double enthalpy_kjkg, double temperature_c);

// Relations between moisture content, relative humidity (a fraction) and vapour pressure.
double MoistureFromHumidity(double humidity_fraction, double saturation_pa, double barometric_pa);
double HumidityFromMoisture(double moisture_kgkg, double saturation_pa, double barometric_pa);
double VapourPressureFromMoisture(double moisture_kgkg, double barometric_pa);

// ρ = pb·(X + 1) / ((X + 0.622) · 462 · (t + 273)), kg/m³.
double HumidAirDensity(double barometric_pa, double moisture_kgkg, double temperature_c);

// The wet-bulb temperature: the lowest step of 0.001 °C above -30 °C at which saturated air
// reaches the enthalpy. The search gives up where saturated air stops existing (the
// saturation pressure reaches pb): no value then.
std::optional<double> WetBulbSearch(double enthalpy_kjkg, double barometric_pa);

// The temperature at which air of this relative humidity (a fraction) reaches the enthalpy,
// by the same steps and with the same bound.
std::optional<double> TemperatureSearch(double enthalpy_kjkg, double humidity_fraction, double barometric_pa);

} // namespace kalvintera
