#include "core/humidair/ix_readout_state.h"

#include "core/text/rounding.h"

#include <cmath>
#include <limits>

namespace kalvintera {

HumidAirState ReadoutState(ChartState at, double pb)
{
    HumidAirState s;
    s.barometric_pa = pb;
    s.moisture_kgkg = at.moisture_kgkg <= 0 ? 0.000001 : at.moisture_kgkg;
    s.temperature_c = at.temperature_c;
    s.enthalpy_kjkg = EnthalpyOf(s.temperature_c, s.moisture_kgkg);
    s.density_kgm3 = HumidAirDensity(pb, s.moisture_kgkg, s.temperature_c);
    s.saturation_pa = SaturationPressure(s.temperature_c);
    double phi = HumidityFromMoisture(s.moisture_kgkg, s.saturation_pa, pb);
    const bool saturated = phi >= 1;
    if (saturated) phi = 1;
    s.humidity_percent = 100 * phi;
    s.vapour_pa = phi * s.saturation_pa;
    s.dry_air_pa = pb - s.vapour_pa;
    s.dew_point_c = s.vapour_pa > 0 ? SaturationTemperature(s.vapour_pa) : std::numeric_limits<double>::quiet_NaN();
    // Saturated air condenses at its own temperature, and no air has its dew point above its
    // temperature. The dew point fit does not quite invert the saturation pressure fit: near
    // saturation it would read up to 6 °C above the air (at -30 °C) or below it in the fog.
    if (std::isfinite(s.dew_point_c) && (saturated || s.dew_point_c > s.temperature_c)) {
        s.dew_point_c = s.temperature_c;
    }
    s.wet_bulb_c = std::numeric_limits<double>::quiet_NaN();
    return s;
}

bool InFogRegion(ChartState at, double pb)
{
    const double x = at.moisture_kgkg <= 0 ? 0.000001 : at.moisture_kgkg;
    return HumidityFromMoisture(x, SaturationPressure(at.temperature_c), pb) > 1;
}

ReadoutFigures ShownReadout(const HumidAirState& s)
{
    ReadoutFigures f;
    f.moisture_gkg = RoundHalfEven(s.moisture_kgkg * 1000, 1);
    f.temperature_c = RoundHalfEven(s.temperature_c, 1);
    f.enthalpy_kjkg = RoundHalfEven(s.enthalpy_kjkg, 1);
    f.density_kgm3 = RoundHalfEven(s.density_kgm3, 3);
    // The panel rounds the fraction, not the percentage: 0.7256 shows as 72.6 %.
    f.humidity_percent = RoundHalfEven(s.humidity_percent / 100, 3) * 100;
    f.vapour_pa = RoundHalfEven(s.vapour_pa, 1);
    f.dry_air_pa = RoundHalfEven(s.dry_air_pa, 1);
    f.dew_point_c = RoundHalfEven(s.dew_point_c, 1);
    return f;
}

} // namespace kalvintera
