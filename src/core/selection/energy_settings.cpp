#include "core/selection/energy_settings.h"

#include "core/errors.h"

#include <cmath>

namespace kalvintera {
namespace {

std::optional<double> NonNegativeNumber(std::string_view text, NumberFormat format)
{
    try {
        // Either separator reads, whatever the locale: the default price is written "1.00".
        const double value = ParseNumber(NormalizeDecimal(text, format), format);
        if (std::isfinite(value) && value >= 0) return value;
    } catch (const ConversionError&) {
    }
    return std::nullopt;
}

} // namespace

double FanAirDensity(bool correction_on, const std::optional<AirProperties>& air)
{
    if (!correction_on || !air) return kCatalogueAirDensity;
    const double density = air->density_kgm3;
    return std::isfinite(density) && density > 0 ? density : kCatalogueAirDensity;
}

std::optional<EnergySettings> ReadEnergySettings(std::string_view hours, std::string_view price, NumberFormat format)
{
    const std::optional<double> hours_value = NonNegativeNumber(hours, format);
    const std::optional<double> price_value = NonNegativeNumber(price, format);
    if (!hours_value || !price_value) return std::nullopt;
    return EnergySettings{*hours_value, *price_value};
}

} // namespace kalvintera
