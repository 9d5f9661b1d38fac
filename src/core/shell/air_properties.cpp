#include "core/shell/air_properties.h"

#include "core/errors.h"
#include "core/shell/shell_lines.h"
#include "core/text/rounding.h"

#include <cmath>

namespace kalvintera {

double AirSaturationPressure(double t)
{
    const double t2 = t * t;
    return 0.00042531839 * t2 * t2 + 0.026198398307 * t2 * t + 1.379245931636 * t2 + 44.590652450291 * t
           + 612.858088403926;
}

AirProperties ComputeAirProperties(double t, double p, double phi)
{
    AirProperties air;
    air.saturation_pressure_pa = AirSaturationPressure(t);
    air.humidity_ratio = 0.622 * phi * air.saturation_pressure_pa / (p - phi * air.saturation_pressure_pa);
    air.density_kgm3 = p * (air.humidity_ratio + 1) / ((air.humidity_ratio + 0.622) * 462 * (t + 273.15));
    air.viscosity_m2s = std::pow((t + 273) / 273, 1.5) * 0.006676 / ((t + 385) * air.density_kgm3);
    return air;
}

double MoistAirDensity(double t, double p, double phi)
{
    return ComputeAirProperties(t, p, phi).density_kgm3;
}

std::optional<AirProperties> ComputeAirProperties(const AirStateTexts& texts, NumberFormat format)
{
    if (texts.temperature.empty() || texts.pressure.empty() || texts.humidity.empty() || texts.temperature == "-") {
        return std::nullopt;
    }
    const double t = ParseNumber(NormalizeDecimal(texts.temperature, format), format);
    const double p = ParseNumber(NormalizeDecimal(texts.pressure, format), format);
    const double phi = ParseNumber(NormalizeDecimal(texts.humidity, format), format) / 100.0;
    const AirProperties air = ComputeAirProperties(t, p, phi);
    if (!std::isfinite(air.density_kgm3) || air.density_kgm3 <= 0 || !std::isfinite(air.viscosity_m2s)
        || air.viscosity_m2s <= 0 || air.humidity_ratio < 0) {
        throw DataError("No air exists at " + std::string(texts.temperature) + " °C, " + std::string(texts.pressure)
                        + " Pa and " + std::string(texts.humidity) + " % humidity",
                        {shell_line::kNoSuchAir,
                         {std::string(texts.temperature), std::string(texts.pressure), std::string(texts.humidity)}});
    }
    return air;
}

std::string DensityText(const AirProperties& air, NumberFormat format)
{
    return FormatShortest(RoundHalfEven(air.density_kgm3, 2), format);
}

std::string ViscosityText(const AirProperties& air, NumberFormat format)
{
    return FormatShortest(RoundHalfEven(air.viscosity_m2s, 6), format);
}

} // namespace kalvintera
